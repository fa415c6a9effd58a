#pragma once

#include "features/fivetone/FiveToneSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

// The rules the 5-Tone editors apply between the working copy and their controls. Controls
// are described by the positions of their list items and by their texts, so the dialog only
// moves values in and out of widgets.

// ---- List items -----------------------------------------------------------------------------

// "10", "20", ... "2550" (lists A, B and the first-digit delay).
std::vector<std::string> FiveToneIntervalItems();
// "0.0" ... "25.0" in steps of 0.1 (list C).
std::vector<std::string> FiveToneIntervalCItems();
// `noneText`, then "5" ... "75" (list D).
std::vector<std::string> FiveToneOptionDItems(std::string_view noneText);
// "0", "10", ... "2550" (pause time).
std::vector<std::string> FiveTonePauseTimeItems();
// `noneText`, "B", "C", "D", "F" (pause digit).
std::vector<std::string> FiveTonePauseDigitItems(std::string_view noneText);
// "0", "10", ... "2000" (decode time).
std::vector<std::string> FiveToneDecodeTimeItems();

// ---- System panel ---------------------------------------------------------------------------

// The item each list of the system panel shows.
struct FiveToneSystemSelection {
    int standard = 0;
    int decodeResponse = 0;
    int toneDuration = 0; // position in "30" ... "100"
    int intervalA = 0;
    int intervalC = 0;
    int intervalB = 0;
    int optionD = 0;
    int firstDigitDelay = 0;
    int pauseTime = 0;
    int pauseDigit = 0;
    int decodeTime = 0;
    bool sideTone = false;
    // The pause time only matters when a pause digit is chosen.
    bool pauseTimeEnabled() const { return pauseDigit != 0; }
};

// The show step of the system panel. A system duration of 0 becomes 7 and an optionD of 1-4
// becomes 0 in the working copy, as the dialog shows them; every value without an item shows
// the first item.
FiveToneSystemSelection ShowFiveToneSystem(FiveToneSettings& settings, std::uint8_t decodeTime);
// The save step of the system panel; `decodeTime` is the configuration's own byte.
void SaveFiveToneSystem(const FiveToneSystemSelection& selection, FiveToneSettings& settings,
                        std::uint8_t& decodeTime);

// ---- Info codes -----------------------------------------------------------------------------

inline constexpr int kFiveToneDecodeFunctionCount = 7;
inline constexpr int kFiveToneDecodeResponseCount = 3;

// How the response list and the name box follow the chosen decode function.
struct InfoFunctionRule {
    int responseItems = kFiveToneDecodeResponseCount; // 2 for function 1
    int response = 0;                                 // the item selected afterwards
    bool responseEnabled = true;
    bool nameEnabled = true; // disabled (and emptied) for functions 0 and 6
};
// Selecting `function` while the response list showed `currentResponse`.
InfoFunctionRule ApplyDecodeFunction(int function, int currentResponse);

// What the info-code panel shows for one info code.
struct InfoCodeView {
    int function = 0;
    int response = 0;
    std::string digits;
    std::string name;
    InfoFunctionRule rule;
};
// ShowInfoCode: a function outside the list shows the first item; a stored response is shown
// unless the function forces one or the list has no such item (then the rule's item).
InfoCodeView ShowInfoCode(const FiveToneInfoCode& code, int currentResponse);
// SaveInfoCode: the panel's values into one info code.
void SaveInfoCode(const InfoCodeView& view, FiveToneInfoCode& code);

// The findings of the kill/stun/wake-up test.
struct InfoKillStunWakenCheck {
    bool killWithoutWakeUp = false; // OPTION 60300
    bool duplicateDigits = false;   // OPTION 60301
    bool ok() const { return !killWithoutWakeUp && !duplicateDigits; }
};
InfoKillStunWakenCheck
CheckInfoKillStunWaken(const std::array<FiveToneInfoCode, kFiveToneInfoCodeCount>& codes);
// Runs the test and reports each finding through `tell` with its OPTION id, in order.
bool IsInfoKillStunWakenOK(const std::array<FiveToneInfoCode, kFiveToneInfoCodeCount>& codes,
                           const std::function<void(int optionId)>& tell);

// ---- Codes ----------------------------------------------------------------------------------

// A code text as its box shows it: the digits without surrounding spaces, cut to `count` or
// completed with the repeat tone "E" up to `count`.
std::string CodeTextForCount(std::string_view digits, int count);

// The PTT-ID codes hold at most 24 digits.
inline constexpr std::size_t kFiveTonePttIdMaxDigits = 24;

// What a PTT-ID panel shows.
struct PttIdView {
    std::string code;
    int standard = 0;
    int duration = 4; // position in "30" ... "100"; "70" for a stored value outside 3-10
};
// Show step of a PTT-ID panel: a digit count above 40 and a standard above 15 become 0 in the
// working copy first.
PttIdView ShowPttId(FiveToneCode& code);
// Save step of a PTT-ID panel; the code text is normalized with the own ID and cut to the 24
// digits the code holds (the box never offers more).
void SavePttId(const PttIdView& view, std::string_view ownId, FiveToneCode& code);

// A duration text of the code list (ms) as stored: the number / 10, halves to even; 7 for an
// empty text, a text that is not a number and a result outside 3-10.
std::uint8_t DurationCellToStored(std::string_view text);

// The cells 1-5 of one code-list row (kind, code, standard, duration, name).
struct FiveToneCodeRow {
    std::string kind;
    std::string code;
    std::string standard;
    std::string duration;
    std::string name;
};

// The texts a row shows that come from the language file.
struct FiveToneRowTexts {
    std::string dataCall; // OPTION 60073
    std::string message;  // OPTION 60084
};

inline constexpr std::string_view kFiveTonePttIdKind = "PTTID";
inline constexpr std::string_view kFiveToneAniKind = "ANI";

// Show step of one row: the stored values are made valid in place first.
FiveToneCodeRow ShowCodeRow(FiveToneCode& code, std::string_view ownId,
                            const FiveToneRowTexts& texts);
// Column 2 of a data call: target ID, eight spaces, the message label and the message.
std::string DataCallSummary(std::string_view digits, std::string_view messageLabel);
// Save step of one row: the code prepared with the own ID, the rest taken from the cells.
void SaveCodeRow(const FiveToneCodeRow& row, std::string_view ownId, FiveToneCode& code);

// Commit of the code box: returns the text the cell then shows.
std::string CommitCodeCell(std::string_view text, std::string_view ownId, FiveToneCode& code);
// Commit of the standard list: returns the row with the standard and (when it was empty) the
// duration cell filled.
void CommitStandardCell(int standard, FiveToneCodeRow& row, FiveToneCode& code);
// Commit of the duration list.
void CommitDurationCell(std::string_view text, FiveToneCodeRow& row, FiveToneCode& code);
// Commit of the name box.
void CommitNameCell(std::string_view text, FiveToneCodeRow& row, FiveToneCode& code);

// Whether entering a cell (column 2-5) of a row opens its editor.
bool CodeCellOpensEditor(const FiveToneCodeRow& row, int column);

// ---- Keys -----------------------------------------------------------------------------------

// The character a box takes for a typed one, or none when the box discards it.
using FiveToneKeyFilter = std::optional<char> (*)(char);
std::optional<char> FiveToneOwnIdKey(char c);    // "0"-"9"
std::optional<char> FiveToneHexDigitKey(char c); // "0"-"9", "A"-"F", lower case raised
std::optional<char> FiveToneAnyAsciiKey(char c); // any character up to 127
std::optional<char> FiveToneTargetIdKey(char c); // "0"-"9" and "A", "a" raised
std::optional<char> FiveToneMessageKey(char c);  // "0"-"9", "A"-"Z", lower case raised
std::optional<char> FiveToneCodeNameKey(char c); // printable except "\" and "~"

// ---- Special calls --------------------------------------------------------------------------

enum class FiveToneCallType { Data = 0, Ani = 1, PttId = 2 };

// A list code holds 40 digits; a data call grows by two digits per message character.
inline constexpr std::size_t kFiveToneMaxMessageLength = 16;

// `aniSeparator` from the separator list position (0 none, 1-6 the digits A-F) and back.
std::int16_t SeparatorFromItem(int item);
int SeparatorItemOf(std::int16_t aniSeparator);

// The text a PTT-ID box gets from a special call, before it is normalized.
std::string SpecialCallPttIdText(FiveToneCallType type, std::string_view id, char separator,
                                 std::string_view message, std::string_view ownId);
// Whether a special call for a PTT-ID box fits its 24 digits.
bool SpecialCallFitsPttId(FiveToneCallType type, std::string_view id, char separator,
                          std::string_view message, std::string_view ownId);
// Places a special call into a list code and returns the row's cells 1 and 2.
void ApplySpecialCallToCode(FiveToneCallType type, std::string_view id, char separator,
                            std::string_view message, std::string_view ownId,
                            const FiveToneRowTexts& texts, FiveToneCode& code,
                            FiveToneCodeRow& row);

} // namespace kpt740
