#pragma once

#include "core/Encodings.h"
#include "features/twotone/TwoToneSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kpt740 {

// ---- Tone arithmetic --------------------------------------------------------------------

// Limits of a tone typed into a grid cell or a tone box, and of an untouched box at OK.
inline constexpr double kLowestTone = 288.0;
inline constexpr double kHighestTone = 3116.0;
inline constexpr double kLowestToneAtOk = 280.0;

// The tone in tenths of a hertz: f x 10 to the nearest integer, halves to even.
// The three arithmetic functions give 0 for a frequency that is not above 0; callers limit
// the frequency first, so every result fits 16 bits.
std::int32_t ToneValue(double hertz);
// Divider of the radio's own tones: 9,600,000 / (2 x f), integer part.
std::int32_t OwnDivider(double hertz);
// Divider of a table entry's tones: 9,600,000 / (16 x f), integer part.
std::int32_t EntryDivider(double hertz);

// A 16-bit value as the high and low byte the record and the image hold.
struct WordBytes {
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    bool operator==(const WordBytes&) const = default;
};
// Throws std::out_of_range for a value outside 0-65535.
WordBytes SplitWord(std::int32_t value);
std::int32_t JoinWord(std::uint8_t high, std::uint8_t low);

// Limits to 288-3116 Hz.
double LimitTone(double hertz);
// A tone value shown in hertz with one decimal ("#0.0"): 3217 gives "321.7".
std::string ToneText(std::int32_t toneValue);
// The text a tone box keeps when it loses the focus: its number limited to 288-3116, as the
// shortest decimal text; an empty box or a text that is no number counts as 0 ("288").
std::string ToneBoxTextOnLeave(std::string_view text);
// The text of a tone box normalised at OK: no number gives "2000", then limited to 280-3116.
std::string ToneBoxTextAtOk(std::string_view text);

// ---- Own-code formats -------------------------------------------------------------------

enum ToneBox : int { kToneBoxA = 0, kToneBoxB = 1, kToneBoxC = 2, kToneBoxD = 3, kNoToneBox = -1 };

inline constexpr int kTwoToneFormatCount = 15;

// One item of the format list and the tone boxes it takes its first and second tone from.
struct TwoToneFormat {
    std::string_view text;
    ToneBox firstTone;
    ToneBox secondTone; // kNoToneBox for a long tone
};

const std::array<TwoToneFormat, kTwoToneFormatCount>& TwoToneFormats();
// The format at a list position; a position outside the list gives the first format.
const TwoToneFormat& TwoToneFormatAt(int position);

// ---- Dialog lists and controls ----------------------------------------------------------

// "0.5" ... "10.0": the three time lists (position = member - 5).
TextList TwoToneTimeList();
// "0", "100", ... "2000".
TextList TwoToneTime4List();
// "0.0" ... "25.0".
TextList TwoToneIntervalList();
TextList TwoToneFormatList();

// What the dialog's lists, side-tone box and tone boxes A-D show.
struct TwoToneControls {
    int time1Position = 0;
    int time2Position = 0;
    int time3Position = 0;
    int time4Position = 0;
    int intervalPosition = 0;
    int formatPosition = 0;
    int responsePosition = 0;
    bool sideTone = false;
    std::array<std::string, 4> toneBoxes;
    bool operator==(const TwoToneControls&) const = default;
};

// The controls for a record; out-of-range members show their list's fallback item and tone
// bytes with a high byte of 0 or 255 show the default tone of their box.
TwoToneControls ShowTwoToneControls(const TwoToneSettings& settings);
// OK: normalises the tone box texts in place and stores the controls into the header members
// (own code from the format's boxes, tones A-D from all four boxes). The entries stay as
// they are.
void StoreTwoToneControls(TwoToneControls& controls, TwoToneSettings& settings);

// ---- Entry grid -------------------------------------------------------------------------

inline constexpr int kEntryFirstRow = 1;
inline constexpr int kEntryLastRow = kTwoToneEntryCount;
inline constexpr int kTone1Column = 1;
inline constexpr int kTone2Column = 2;
inline constexpr int kNameColumn = 3;

// Columns 1-3 of an entry's row: first tone, second tone, name; all empty for an entry not
// in use (or one without a first divider).
std::array<std::string, 3> EntryRowTexts(const TwoToneCode& entry);

// The result of committing a grid cell.
struct CellCommit {
    std::string text;        // what the committed cell shows
    bool rowCleared = false; // the first tone was removed: columns 2 and 3 are empty too
    bool operator==(const CellCommit&) const = default;
};
// Commits the editor text of a cell in column 1, 2 or 3 into the entry.
CellCommit CommitEntryCell(TwoToneCode& entry, int column, std::string_view editorText);

// A cell of the entry grid: rows 1-32 are entries 0-31, columns 1-3.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};
// The cell actually entered when the user goes to `target`: a tone-2 or name cell of a row
// without a first tone sends the cursor to column 1, unless the cell being left is column 1
// of that row holding a number (its commit fills the row).
GridCell CellToEnter(GridCell target, bool targetColumn1Empty, GridCell left,
                     std::string_view editorText);
// Enter in the tone editor.
GridCell CellAfterToneEditorEnter(GridCell cell, std::string_view editorText);
// Enter in the name editor.
GridCell CellAfterNameEditorEnter(GridCell cell);

// ---- Keys -------------------------------------------------------------------------------

enum class KeyVerdict { Pass, Swallow };

// Tone boxes and the grid's tone editor: digits and "." among the printable characters.
KeyVerdict ToneKey(int code);
// The grid's name editor.
KeyVerdict EntryNameKey(int code);

} // namespace kpt740
