#include "features/option/OptionSettings.h"

#include <string>

namespace kpt740 {

OptionSettings DefaultOptionSettings() {
    OptionSettings s;
    s.welcomeText = "Welcome";
    s.powerOnPassword = std::string(1, '\0');
    s.powerOnPasswordEnabled = 0;
    return s;
}

bool SameOptionSettings(const OptionSettings& a, const OptionSettings& b) {
    return SameMembers(a, b);
}

} // namespace kpt740
