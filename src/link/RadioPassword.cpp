#include "link/RadioPassword.h"

#include "core/FixedText.h"

namespace kpt740 {

std::string RadioPasswordOfBlock(std::span<const std::uint8_t> blockData) {
    std::string password;
    for (std::size_t i = 0; i < kPasswordLength; ++i) {
        const std::size_t at = kPasswordOffsetInBlock + i;
        if (at >= blockData.size() || blockData[at] == 0xFF || blockData[at] == 0x00) {
            break;
        }
        password.push_back(static_cast<char>(blockData[at]));
    }
    return password;
}

std::string NormalisePassword(std::string_view password) {
    return TrimFixed(password);
}

bool CheckPassword(std::span<const std::uint8_t> blockData, std::string_view enteredPassword) {
    return NormalisePassword(RadioPasswordOfBlock(blockData)) == NormalisePassword(enteredPassword);
}

} // namespace kpt740
