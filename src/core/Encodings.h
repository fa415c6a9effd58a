#pragma once

#include "core/Messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

struct Identity;

// ---- Numbers and texts ------------------------------------------------------------------

// True when the text (blanks around it ignored) is a decimal number: optional sign, digits,
// at most one "." as the decimal separator, whatever the user's locale.
bool IsNumeric(std::string_view text);
// The value of a numeric text; 0 for any other text.
double NumericValue(std::string_view text);
// Formats with "." and exactly `decimals` decimals, the integer part left-padded with "0" to
// `minIntegerDigits` digits ("000.00000" is 3/5, "0.00000" is 1/5, "#.00000" is 0/5).
std::string FormatFixed(double value, int minIntegerDigits, int decimals);

std::string HexByteText(std::uint8_t value);
// The value 0-15 of a hexadecimal digit (either case); throws std::invalid_argument otherwise,
// which an encoder reports as its internal error.
std::uint8_t HexDigitValue(char digit);
std::uint8_t ClampToByte(std::int32_t value);
std::int32_t NumberOrDefault(std::string_view text, std::int32_t fallback);

std::string DtmfToStored(std::string_view digits);
std::string DtmfToDisplay(std::string_view digits);

// ---- Frequencies ------------------------------------------------------------------------

using BcdBytes = std::array<std::uint8_t, 4>;

std::string EntryToFrequencyText(std::string_view entry);
// "000.00000", or empty for no frequency; a non-numeric text shows "Not IsNumeric" and gives
// the receive lower limit as plain number text.
std::string FrequencyToDisplay(std::string_view frequencyText, double rxLower, MessageSink& sink);
// "0.00000"; a non-numeric text shows "Not IsNumeric" and gives "0.00000".
std::string OffsetToDisplay(std::string_view frequencyText, MessageSink& sink);

// Receive rule: trimmed, empty means no frequency (four 0xFF). Throws std::invalid_argument
// for a character that is not a hexadecimal digit.
BcdBytes RxFrequencyToBcd(std::string_view frequencyText);
// Offset rule: the field as it stands, first eight characters. Throws like the receive rule.
BcdBytes OffsetToBcd(std::string_view frequencyText);
// Receive rule: no value when the eight digits are not all decimal.
std::optional<std::string> BcdToRxFrequencyText(const BcdBytes& bytes);
// Offset rule: a non-numeric offset reads as "000000000".
std::string BcdToOffsetText(const BcdBytes& bytes);

// Snapping raster in 10-Hz units for a band code: 250 (2.5 kHz) for codes 2-7, else 500.
int RasterOfBand(int bandCode);
double SnapFrequency(double mhz, double lowerMhz, int raster);
double CheckRxFrequency(double mhz, const Identity& identity, MessageSink& sink);
double CheckTxFrequency(double mhz, const Identity& identity, MessageSink& sink);
std::string FormatRxEntry(std::string_view entry, const Identity& identity, MessageSink& sink);
std::string FormatTxEntry(std::string_view entry, const Identity& identity, MessageSink& sink);
// shiftDirection: 0 none, 1 minus, 2 plus. The offset obtained after the transmit check.
std::string OffsetFromEntries(std::string_view offsetEntry, std::string_view rxDisplay,
                              int shiftDirection, const Identity& identity, MessageSink& sink);

// The message of a frequency outside the band plan (or not a number).
inline Message OutOfBandMessage() {
    return Message::FromText(2001, MessageIcon::Warning);
}
inline Message NotNumericMessage() {
    return Message::Literal("Not IsNumeric");
}

// ---- Steps and tones --------------------------------------------------------------------

std::vector<std::string> StepList(int bandCode);

inline constexpr std::size_t kCtcssCount = 51;
const std::array<std::string_view, kCtcssCount>& CtcssTable();

inline constexpr int kDcsCodeCount = 512;
// Three octal digits: 19 gives "023".
std::string DcsCodeText(int code);
// "D" + octal + "N" or "I": 19 normal gives "D023N".
std::string DcsDisplay(int code, bool inverted);

// ---- Lists ------------------------------------------------------------------------------

using TextList = std::vector<std::string>;

std::string ListItemMatching(const TextList& list, std::string_view text);
std::string ListItemAt(const TextList& list, int index);
int ListIndexOf(const TextList& list, std::string_view text, int fallback);
void AddListItemOnce(TextList& list, std::string_view text);
// The part after the last path separator ("\" as the radio's programs wrote it, or "/").
std::string FileNameOfPath(std::string_view path);

} // namespace kpt740
