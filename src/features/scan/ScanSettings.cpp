#include "features/scan/ScanSettings.h"

namespace kpt740 {

namespace {
constexpr std::uint8_t kDefaultLookBackTime = 5; // 0.5 s, the shortest the radio offers
} // namespace

ScanSettings DefaultScanSettings() {
    ScanSettings settings;
    settings.lookBackTimeA = kDefaultLookBackTime;
    settings.lookBackTimeB = kDefaultLookBackTime;
    return settings;
}

ScanSettings DefaultScanSettings(const ScanSettings& previous) {
    ScanSettings settings = DefaultScanSettings();
    settings.waitTime = previous.waitTime;
    return settings;
}

bool SameScanSettings(const ScanSettings& a, const ScanSettings& b) {
    return SameMembers(a, b);
}

} // namespace kpt740
