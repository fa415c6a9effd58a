#include "features/twotone/TwoToneRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kpt740 {

namespace {

constexpr double kDividerClock = 9600000.0;
constexpr double kOwnDividerFactor = 2.0;
constexpr double kEntryDividerFactor = 16.0;
constexpr std::string_view kNumberForNoNumberAtOk = "2000";

constexpr int kTimeListOffset = 5; // the time lists start at 0.5
constexpr int kTimeListCount = 96;
constexpr int kTime3Fallback = 5; // "1.0"
constexpr int kTime4Count = 21;
constexpr int kTime4Fallback = 10; // "1000"
constexpr int kIntervalCount = 251;
constexpr int kResponseCount = 3;

constexpr std::array<std::string_view, 4> kDefaultToneTexts{"321.7", "928.1", "626.5", "2043.8"};

constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;
constexpr int kCtrlX = 24;

// Tone arithmetic must not depend on the floating-point rounding mode in force.
double RoundHalfEven(double value) {
    const double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5) {
        return whole + 1.0;
    }
    if (fraction < 0.5) {
        return whole;
    }
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1.0;
}

std::int32_t SaturatedInt(double value) {
    if (!(value < static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t Divider(double hertz, double factor) {
    if (!(hertz > 0.0)) {
        return 0;
    }
    return SaturatedInt(std::trunc(kDividerClock / (factor * hertz)));
}

// "Tenths" as text with one decimal: 5 gives "0.5".
std::string TenthsText(std::int32_t tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string ShortestText(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string();
}

int PositionOrFallback(int position, int count, int fallback) {
    return position >= 0 && position < count ? position : fallback;
}

WordBytes ToneBytes(std::string_view boxText) {
    return SplitWord(ToneValue(NumericValue(boxText)));
}

bool IsPrintable(int code) {
    return code >= 32 && code <= 126;
}

bool IsClipboardKey(int code) {
    return code == kCtrlC || code == kCtrlV || code == kCtrlX;
}

int NextRow(int row) {
    return row >= kEntryLastRow ? kEntryFirstRow : row + 1;
}

} // namespace

std::int32_t ToneValue(double hertz) {
    if (!(hertz > 0.0)) {
        return 0;
    }
    return SaturatedInt(RoundHalfEven(hertz * 10.0));
}

std::int32_t OwnDivider(double hertz) {
    return Divider(hertz, kOwnDividerFactor);
}

std::int32_t EntryDivider(double hertz) {
    return Divider(hertz, kEntryDividerFactor);
}

WordBytes SplitWord(std::int32_t value) {
    if (value < 0 || value > 0xFFFF) {
        throw std::out_of_range("value does not fit 16 bits");
    }
    return {static_cast<std::uint8_t>(value / 256), static_cast<std::uint8_t>(value % 256)};
}

std::int32_t JoinWord(std::uint8_t high, std::uint8_t low) {
    return high * 256 + low;
}

double LimitTone(double hertz) {
    return std::clamp(hertz, kLowestTone, kHighestTone);
}

std::string ToneText(std::int32_t toneValue) {
    return TenthsText(toneValue);
}

std::string ToneBoxTextOnLeave(std::string_view text) {
    return ShortestText(LimitTone(NumericValue(text)));
}

std::string ToneBoxTextAtOk(std::string_view text) {
    if (!IsNumeric(text)) {
        return std::string(kNumberForNoNumberAtOk);
    }
    return ShortestText(std::clamp(NumericValue(text), kLowestToneAtOk, kHighestTone));
}

const std::array<TwoToneFormat, kTwoToneFormatCount>& TwoToneFormats() {
    static constexpr std::array<TwoToneFormat, kTwoToneFormatCount> kFormats{{
        {"A-B", kToneBoxA, kToneBoxB},
        {"A-C", kToneBoxA, kToneBoxC},
        {"A-D", kToneBoxA, kToneBoxD},
        {"B-A", kToneBoxB, kToneBoxA},
        {"B-C", kToneBoxB, kToneBoxC},
        {"B-D", kToneBoxB, kToneBoxD},
        {"C-A", kToneBoxC, kToneBoxA},
        {"C-B", kToneBoxC, kToneBoxB},
        {"C-D", kToneBoxC, kToneBoxD},
        {"D-A", kToneBoxD, kToneBoxA},
        {"D-B", kToneBoxD, kToneBoxB},
        {"D-C", kToneBoxD, kToneBoxC},
        {"Long A", kToneBoxA, kNoToneBox},
        {"Long B", kToneBoxB, kNoToneBox},
        {"Long C", kToneBoxC, kNoToneBox},
    }};
    return kFormats;
}

const TwoToneFormat& TwoToneFormatAt(int position) {
    return TwoToneFormats()[static_cast<std::size_t>(
        PositionOrFallback(position, kTwoToneFormatCount, 0))];
}

TextList TwoToneTimeList() {
    TextList items;
    for (int j = kTimeListOffset; j < kTimeListOffset + kTimeListCount; ++j) {
        items.push_back(TenthsText(j));
    }
    return items;
}

TextList TwoToneTime4List() {
    TextList items;
    for (int k = 0; k < kTime4Count; ++k) {
        items.push_back(std::to_string(k * 100));
    }
    return items;
}

TextList TwoToneIntervalList() {
    TextList items;
    for (int k = 0; k < kIntervalCount; ++k) {
        items.push_back(TenthsText(k));
    }
    return items;
}

TextList TwoToneFormatList() {
    TextList items;
    for (const auto& format : TwoToneFormats()) {
        items.emplace_back(format.text);
    }
    return items;
}

TwoToneControls ShowTwoToneControls(const TwoToneSettings& s) {
    TwoToneControls c;
    c.time1Position = PositionOrFallback(s.time1 - kTimeListOffset, kTimeListCount, 0);
    c.time2Position = PositionOrFallback(s.time2 - kTimeListOffset, kTimeListCount, 0);
    c.time3Position = PositionOrFallback(s.time3 - kTimeListOffset, kTimeListCount, kTime3Fallback);
    c.time4Position = PositionOrFallback(s.time4, kTime4Count, kTime4Fallback);
    c.intervalPosition = PositionOrFallback(s.intervalC, kIntervalCount, 0);
    c.formatPosition = PositionOrFallback(s.format, kTwoToneFormatCount, 0);
    c.responsePosition = PositionOrFallback(s.decodeResponse, kResponseCount, 0);
    c.sideTone = s.sideTone == 1;
    const std::array<WordBytes, 4> tones{{{s.toneAHigh, s.toneALow},
                                          {s.toneBHigh, s.toneBLow},
                                          {s.toneCHigh, s.toneCLow},
                                          {s.toneDHigh, s.toneDLow}}};
    for (std::size_t i = 0; i < tones.size(); ++i) {
        // A high byte of 0 or 255 is what an unprogrammed radio holds, not a tone.
        const bool unset = tones[i].high == 0 || tones[i].high == 0xFF;
        c.toneBoxes[i] = unset ? std::string(kDefaultToneTexts[i])
                               : ToneText(JoinWord(tones[i].high, tones[i].low));
    }
    return c;
}

void StoreTwoToneControls(TwoToneControls& c, TwoToneSettings& s) {
    // Positions come from pick lists; the fallbacks only guard against a caller's slip.
    s.decodeResponse =
        static_cast<std::uint8_t>(PositionOrFallback(c.responsePosition, kResponseCount, 0));
    s.time4 =
        static_cast<std::uint8_t>(PositionOrFallback(c.time4Position, kTime4Count, kTime4Fallback));
    s.time3 = static_cast<std::uint8_t>(
        PositionOrFallback(c.time3Position, kTimeListCount, kTime3Fallback) + kTimeListOffset);
    s.time1 = static_cast<std::uint8_t>(PositionOrFallback(c.time1Position, kTimeListCount, 0) +
                                        kTimeListOffset);
    s.time2 = static_cast<std::uint8_t>(PositionOrFallback(c.time2Position, kTimeListCount, 0) +
                                        kTimeListOffset);
    s.intervalC =
        static_cast<std::uint8_t>(PositionOrFallback(c.intervalPosition, kIntervalCount, 0));
    s.sideTone = c.sideTone ? 1 : 0;

    for (auto& text : c.toneBoxes) {
        text = ToneBoxTextAtOk(text);
    }

    c.formatPosition = PositionOrFallback(c.formatPosition, kTwoToneFormatCount, 0);
    s.format = static_cast<std::uint8_t>(c.formatPosition);
    const TwoToneFormat& format = TwoToneFormatAt(c.formatPosition);
    const double f1 = NumericValue(c.toneBoxes[static_cast<std::size_t>(format.firstTone)]);
    const double f2 = format.secondTone == kNoToneBox
                          ? 0.0
                          : NumericValue(c.toneBoxes[static_cast<std::size_t>(format.secondTone)]);

    const WordBytes tone1 = SplitWord(ToneValue(f1));
    const WordBytes divider1 = SplitWord(OwnDivider(f1));
    s.ownTone1High = tone1.high;
    s.ownTone1Low = tone1.low;
    s.ownDivider1High = divider1.high;
    s.ownDivider1Low = divider1.low;
    const WordBytes tone2 = f2 > 0.0 ? SplitWord(ToneValue(f2)) : WordBytes{};
    const WordBytes divider2 = f2 > 0.0 ? SplitWord(OwnDivider(f2)) : WordBytes{};
    s.ownTone2High = tone2.high;
    s.ownTone2Low = tone2.low;
    s.ownDivider2High = divider2.high;
    s.ownDivider2Low = divider2.low;

    const WordBytes a = ToneBytes(c.toneBoxes[kToneBoxA]);
    const WordBytes b = ToneBytes(c.toneBoxes[kToneBoxB]);
    const WordBytes cc = ToneBytes(c.toneBoxes[kToneBoxC]);
    const WordBytes d = ToneBytes(c.toneBoxes[kToneBoxD]);
    s.toneAHigh = a.high;
    s.toneALow = a.low;
    s.toneBHigh = b.high;
    s.toneBLow = b.low;
    s.toneCHigh = cc.high;
    s.toneCLow = cc.low;
    s.toneDHigh = d.high;
    s.toneDLow = d.low;
}

std::array<std::string, 3> EntryRowTexts(const TwoToneCode& entry) {
    std::array<std::string, 3> texts;
    if (!TwoToneEntryInUse(entry) || JoinWord(entry.divider1High, entry.divider1Low) == 0) {
        return texts;
    }
    texts[0] = ToneText(JoinWord(entry.tone1High, entry.tone1Low));
    if (JoinWord(entry.divider2High, entry.divider2Low) != 0) {
        texts[1] = ToneText(JoinWord(entry.tone2High, entry.tone2Low));
    }
    texts[2] = entry.name.value();
    return texts;
}

CellCommit CommitEntryCell(TwoToneCode& entry, int column, std::string_view editorText) {
    if (column == kNameColumn) {
        CellCommit commit{TrimFixed(editorText), false};
        entry.name = commit.text;
        return commit;
    }
    if (column != kTone1Column && column != kTone2Column) {
        return {};
    }
    if (!IsNumeric(editorText)) {
        if (column == kTone1Column) {
            entry = TwoToneCode{};
            entry.name = "";
            return {std::string(), true};
        }
        entry.divider2High = entry.divider2Low = 0;
        entry.tone2High = entry.tone2Low = 0;
        return {};
    }
    const double hertz = LimitTone(NumericValue(editorText));
    const WordBytes divider = SplitWord(EntryDivider(hertz));
    const WordBytes tone = SplitWord(ToneValue(hertz));
    if (column == kTone1Column) {
        entry.isEmpty = 0;
        entry.divider1High = divider.high;
        entry.divider1Low = divider.low;
        entry.tone1High = tone.high;
        entry.tone1Low = tone.low;
    } else {
        entry.divider2High = divider.high;
        entry.divider2Low = divider.low;
        entry.tone2High = tone.high;
        entry.tone2Low = tone.low;
    }
    return {FormatFixed(hertz, 1, 1), false};
}

GridCell CellToEnter(GridCell target, bool targetColumn1Empty, GridCell left,
                     std::string_view editorText) {
    const bool needsFirstTone = target.column == kTone2Column || target.column == kNameColumn;
    const bool commitFillsRow =
        left.row == target.row && left.column == kTone1Column && IsNumeric(editorText);
    if (needsFirstTone && targetColumn1Empty && !commitFillsRow) {
        return {target.row, kTone1Column};
    }
    return target;
}

GridCell CellAfterToneEditorEnter(GridCell cell, std::string_view editorText) {
    if (cell.column == kTone1Column && editorText.empty()) {
        return {NextRow(cell.row), cell.column};
    }
    if (cell.column >= kNameColumn) {
        return {NextRow(cell.row), kTone1Column};
    }
    return {cell.row, cell.column + 1};
}

GridCell CellAfterNameEditorEnter(GridCell cell) {
    return {NextRow(cell.row), kTone1Column};
}

KeyVerdict ToneKey(int code) {
    if (code < 0 || code > 127 || IsClipboardKey(code)) {
        return KeyVerdict::Swallow;
    }
    if (IsPrintable(code) && !((code >= '0' && code <= '9') || code == '.')) {
        return KeyVerdict::Swallow;
    }
    return KeyVerdict::Pass;
}

KeyVerdict EntryNameKey(int code) {
    if (code < 0 || code > 127 || IsClipboardKey(code) || code == '\\' || code == '~') {
        return KeyVerdict::Swallow;
    }
    return KeyVerdict::Pass;
}

} // namespace kpt740
