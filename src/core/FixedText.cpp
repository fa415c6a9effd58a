#include "core/FixedText.h"

namespace kpt740 {

std::string TrimFixed(std::string_view text) {
    auto end = text.find_last_not_of(' ');
    std::string_view trimmed =
        end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
    auto nul = trimmed.find('\0');
    if (nul != std::string_view::npos) {
        trimmed = trimmed.substr(0, nul);
    }
    return std::string(trimmed);
}

} // namespace kpt740
