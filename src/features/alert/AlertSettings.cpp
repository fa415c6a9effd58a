#include "features/alert/AlertSettings.h"

namespace kpt740 {

namespace {
// The shortest times the lone-worker lists offer.
constexpr std::uint8_t kDefaultPreAlertTime = 1;
constexpr std::uint8_t kDefaultLoneWorkerTime = 5;
} // namespace

AlertSettings DefaultAlertSettings() {
    AlertSettings settings;
    settings.preAlertTime = kDefaultPreAlertTime;
    settings.loneWorkerTime = kDefaultLoneWorkerTime;
    return settings;
}

bool SameAlertSettings(const AlertSettings& a, const AlertSettings& b) {
    return SameMembers(a, b);
}

} // namespace kpt740
