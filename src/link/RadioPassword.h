#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kpt740 {

// Where the programming password lies in the data of the block at 0x0040 (image 0x4C-0x4F).
inline constexpr std::size_t kPasswordOffsetInBlock = 12;
inline constexpr std::size_t kPasswordLength = 4;

// The radio's password in the 16 data bytes of its password block: the characters up to the
// first 0xFF or 0x00, at most four; empty when the radio has none.
std::string RadioPasswordOfBlock(std::span<const std::uint8_t> blockData);

// The trimmed-text rule both sides of the comparison go through.
std::string NormalisePassword(std::string_view password);

// The password check: the radio's password equals the entered one exactly (case counts).
bool CheckPassword(std::span<const std::uint8_t> blockData, std::string_view enteredPassword);

} // namespace kpt740
