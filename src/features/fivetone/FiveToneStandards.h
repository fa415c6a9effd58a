#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kpt740 {

// The fourteen 5-Tone standards; the position in this list is the stored standard index.
inline constexpr std::size_t kFiveToneStandardCount = 14;
const std::array<std::string_view, kFiveToneStandardCount>& FiveToneStandardNames();

// The name of a stored standard index; empty for an index outside 0-13.
std::string_view FiveToneStandardName(int index);
// The position of a name in the standard list, if it is one of the fourteen names.
std::optional<int> FindFiveToneStandard(std::string_view name);
// The index a code's standard is saved as from its text: unknown and empty names give 0.
int FiveToneStandardIndex(std::string_view name);

// The usual tone duration of a standard in ms (70, 100 or 40); none for an index outside 0-13.
std::optional<int> FiveToneDefaultDurationMs(int index);
// The default duration as the duration lists show it ("70", "100", "40"); none for a name
// outside the list, which leaves a duration unchanged.
std::optional<std::string> FiveToneDefaultDurationText(std::string_view name);

// The frequency of a digit (0-15, the hexadecimal digits 0-F) in a standard, as display text;
// empty where the standard defines none, and for an index outside the table.
std::string_view FiveToneDigitFrequency(int standardIndex, int digit);

// Tone durations are stored in 10 ms units, valid 3-10; the lists offer "30" ... "100".
inline constexpr std::uint8_t kMinToneDuration = 3;
inline constexpr std::uint8_t kMaxToneDuration = 10;
inline constexpr std::uint8_t kFallbackToneDuration = 7;
const std::array<std::string_view, 8>& FiveToneDurationItems();
// A stored duration outside 3-10 is read as 7 (70 ms).
std::uint8_t ValidToneDuration(int stored);

// The four language texts the reference text is labelled with (OPTION 60085-60088).
struct FiveToneReferenceLabels {
    std::string_view frequency; // 60085, heads the frequency lines
    std::string_view duration;  // 60086, the duration line
    std::string_view letterA;   // 60087, the line about the digit A
    std::string_view letterE;   // 60088, the line about the repeat tone E
};

// The multi-line reference text of a standard, every line ended by CR LF. A name outside the
// list gives only its name line and the frequency heading.
std::string FiveToneReferenceText(std::string_view name, const FiveToneReferenceLabels& labels);

} // namespace kpt740
