#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Rules the DTMF dialog applies to its boxes, kept free of any window so they can be tested.
// Code box texts are in display form ("*" and "#", not E and F).
namespace kpt740 {

inline constexpr std::size_t kOwnIdDigits = 3;

// `text` with "0" appended until it has `width` characters.
std::string PadWithZeros(std::string_view text, std::size_t width);

// The own ID as stored: the trimmed field filled up with "0" to three characters when it is
// numeric, otherwise "000".
std::string NormalizedOwnId(std::string_view ownIdField);

// A code box after the separator list changed: a composed call "123*456" or "*456" whose
// last three digits are the own ID gets `newSeparator` in place of its old separator.
std::string SeparatorFollowUp(std::string_view codeBox, std::string_view ownIdBox,
                              char newSeparator);

// A code box after the ID box was left: a composed call "123*456" or "*456" with the current
// separator gets the own ID (filled up to three digits) as its last three digits.
std::string OwnIdFollowUp(std::string_view codeBox, std::string_view ownIdBox, char separator);

// The two calls the special-call composer makes.
enum class SpecialCallKind { Ani, PttId };

// ANI: called code (filled up to three digits) + separator + own ID; PTTID: separator + own ID.
std::string ComposeSpecialCall(SpecialCallKind kind, std::string_view calledCode, char separator,
                               std::string_view ownIdBox);

// True when the kill and stun boxes hold the same code, which the radio could not tell apart;
// two empty boxes do not clash.
bool KillEqualsStun(std::string_view killBox, std::string_view stunBox);

} // namespace kpt740
