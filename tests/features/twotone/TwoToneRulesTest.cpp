#include "features/twotone/TwoToneRules.h"

#include "features/twotone/TwoToneSettings.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

TEST(TwoToneArithmetic, ToneValueAndBothDividers) {
    struct Case {
        double hertz;
        std::int32_t tone;
        std::int32_t own;
        std::int32_t entry;
    };
    const std::vector<Case> cases = {
        {321.7, 3217, 14920, 1865}, // the worked example
        {1000.0, 10000, 4800, 600}, // "Long B" at 1000 Hz
        {280.0, 2800, 17142, 2142}, // the largest divider
        {288.0, 2880, 16666, 2083},
        {3116.0, 31160, 1540, 192},
        {928.1, 9281, 5171, 646},    // the default own divider is 5172, not this
        {300.25, 3002, 15986, 1998}, // a half goes to even: down
        {300.75, 3008, 15960, 1995}, // and up
        {0.0, 0, 0, 0},
        {-5.0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneValue(c.hertz), c.tone) << c.hertz;
        EXPECT_EQ(OwnDivider(c.hertz), c.own) << c.hertz;
        EXPECT_EQ(EntryDivider(c.hertz), c.entry) << c.hertz;
    }
    // No frequency, however far outside, leads to an undefined conversion.
    EXPECT_EQ(ToneValue(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(OwnDivider(1e-300), std::numeric_limits<std::int32_t>::max());
}

TEST(TwoToneArithmetic, WordsSplitHighAndLow) {
    EXPECT_EQ(SplitWord(3217), (WordBytes{0x0C, 0x91}));
    EXPECT_EQ(SplitWord(14920), (WordBytes{0x3A, 0x48}));
    EXPECT_EQ(SplitWord(0), (WordBytes{0, 0}));
    EXPECT_EQ(SplitWord(65535), (WordBytes{255, 255}));
    EXPECT_THROW(SplitWord(65536), std::out_of_range);
    EXPECT_THROW(SplitWord(-1), std::out_of_range);
    EXPECT_EQ(JoinWord(0x4F, 0xD6), 20438);
}

TEST(TwoToneTexts, ToneBoxesLimitWhenLeftAndNormaliseAtOk) {
    struct Case {
        std::string typed;
        std::string onLeave;
        std::string atOk;
    };
    const std::vector<Case> cases = {
        {"12", "288", "280"},     {"321.70", "321.7", "321.7"}, {"", "288", "2000"},
        {"3500", "3116", "3116"}, {"250", "288", "280"},        {"285.5", "288", "285.5"},
        {"1.2.3", "288", "2000"}, {"1000", "1000", "1000"},     {"2043.8", "2043.8", "2043.8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneBoxTextOnLeave(c.typed), c.onLeave) << '"' << c.typed << '"';
        EXPECT_EQ(ToneBoxTextAtOk(c.typed), c.atOk) << '"' << c.typed << '"';
    }
    EXPECT_EQ(ToneText(3217), "321.7");
    EXPECT_EQ(ToneText(20438), "2043.8");
    EXPECT_EQ(ToneText(5), "0.5");
    EXPECT_EQ(ToneText(0), "0.0");
}

TEST(TwoToneLists, ItemsOfTheDialogLists) {
    const auto time = TwoToneTimeList();
    ASSERT_EQ(time.size(), 96u);
    EXPECT_EQ(time.front(), "0.5");
    EXPECT_EQ(time[5], "1.0");
    EXPECT_EQ(time.back(), "10.0");
    const auto time4 = TwoToneTime4List();
    ASSERT_EQ(time4.size(), 21u);
    EXPECT_EQ(time4[10], "1000");
    EXPECT_EQ(time4.back(), "2000");
    const auto interval = TwoToneIntervalList();
    ASSERT_EQ(interval.size(), 251u);
    EXPECT_EQ(interval.front(), "0.0");
    EXPECT_EQ(interval[13], "1.3");
    EXPECT_EQ(interval.back(), "25.0");
    const auto formats = TwoToneFormatList();
    ASSERT_EQ(formats.size(), 15u);
    EXPECT_EQ(formats[0], "A-B");
    EXPECT_EQ(formats[11], "D-C");
    EXPECT_EQ(formats[14], "Long C");
}

TEST(TwoToneFormats, FirstAndSecondToneBoxes) {
    EXPECT_EQ(TwoToneFormatAt(0).firstTone, kToneBoxA);
    EXPECT_EQ(TwoToneFormatAt(0).secondTone, kToneBoxB);
    EXPECT_EQ(TwoToneFormatAt(10).firstTone, kToneBoxD);
    EXPECT_EQ(TwoToneFormatAt(10).secondTone, kToneBoxB);
    EXPECT_EQ(TwoToneFormatAt(13).firstTone, kToneBoxB);
    EXPECT_EQ(TwoToneFormatAt(13).secondTone, kNoToneBox);
    EXPECT_EQ(TwoToneFormatAt(15).text, "A-B");
    EXPECT_EQ(TwoToneFormatAt(-1).text, "A-B");
    for (const auto& f : TwoToneFormats()) {
        EXPECT_NE(f.firstTone, f.secondTone) << f.text;
        EXPECT_NE(f.firstTone, kNoToneBox) << f.text;
    }
}

TEST(TwoToneControlsTest, DefaultsShowTheirListItemsAndTones) {
    const TwoToneControls c = ShowTwoToneControls(DefaultTwoToneSettings());
    EXPECT_EQ(c.time1Position, 0);
    EXPECT_EQ(c.time2Position, 0);
    EXPECT_EQ(c.time3Position, 5);
    EXPECT_EQ(c.time4Position, 0);
    EXPECT_EQ(c.intervalPosition, 0);
    EXPECT_EQ(c.formatPosition, 0);
    EXPECT_EQ(c.responsePosition, 0);
    EXPECT_FALSE(c.sideTone);
    EXPECT_EQ(c.toneBoxes, (std::array<std::string, 4>{"321.7", "928.1", "626.5", "2043.8"}));
}

TEST(TwoToneControlsTest, OutOfRangeMembersShowTheFallbackItems) {
    TwoToneSettings s = DefaultTwoToneSettings();
    s.time1 = 4;
    s.time2 = 101;
    s.time3 = 0;
    s.time4 = 21;
    s.intervalC = 251;
    s.format = 15;
    s.decodeResponse = 3;
    s.sideTone = 2;
    s.toneAHigh = 0; // unprogrammed: the default tone is shown
    s.toneALow = 77;
    s.toneBHigh = 255;
    s.toneCHigh = 1;
    s.toneCLow = 0;
    const TwoToneControls c = ShowTwoToneControls(s);
    EXPECT_EQ(c.time1Position, 0);
    EXPECT_EQ(c.time2Position, 0);
    EXPECT_EQ(c.time3Position, 5);
    EXPECT_EQ(c.time4Position, 10);
    EXPECT_EQ(c.intervalPosition, 0);
    EXPECT_EQ(c.formatPosition, 0);
    EXPECT_EQ(c.responsePosition, 0);
    EXPECT_FALSE(c.sideTone);
    EXPECT_EQ(c.toneBoxes, (std::array<std::string, 4>{"321.7", "928.1", "25.6", "2043.8"}));

    s.time1 = 100;
    s.time4 = 20;
    s.intervalC = 250;
    s.sideTone = 1;
    const TwoToneControls last = ShowTwoToneControls(s);
    EXPECT_EQ(last.time1Position, 95);
    EXPECT_EQ(last.time4Position, 20);
    EXPECT_EQ(last.intervalPosition, 250);
    EXPECT_TRUE(last.sideTone);
}

TEST(TwoToneControlsTest, OkStoresTheListsAndTheOwnCodeOfTheFormat) {
    TwoToneSettings s = DefaultTwoToneSettings();
    TwoToneControls c = ShowTwoToneControls(s);
    c.time1Position = 95;
    c.time2Position = 1;
    c.time3Position = 0;
    c.time4Position = 20;
    c.intervalPosition = 250;
    c.responsePosition = 2;
    c.sideTone = true;
    c.formatPosition = 13; // "Long B"
    c.toneBoxes[kToneBoxB] = "1000";
    StoreTwoToneControls(c, s);

    EXPECT_EQ(s.time1, 100);
    EXPECT_EQ(s.time2, 6);
    EXPECT_EQ(s.time3, 5);
    EXPECT_EQ(s.time4, 20);
    EXPECT_EQ(s.intervalC, 250);
    EXPECT_EQ(s.decodeResponse, 2);
    EXPECT_EQ(s.sideTone, 1);
    EXPECT_EQ(s.format, 13);
    EXPECT_EQ(s.ownTone1High, 0x27);
    EXPECT_EQ(s.ownTone1Low, 0x10);
    EXPECT_EQ(s.ownDivider1High, 0x12);
    EXPECT_EQ(s.ownDivider1Low, 0xC0);
    EXPECT_EQ(s.ownTone2High, 0);
    EXPECT_EQ(s.ownTone2Low, 0);
    EXPECT_EQ(s.ownDivider2High, 0);
    EXPECT_EQ(s.ownDivider2Low, 0);
    EXPECT_EQ(JoinWord(s.toneBHigh, s.toneBLow), 10000);
    EXPECT_EQ(JoinWord(s.toneAHigh, s.toneALow), 3217);
    // The entries are not the business of this step.
    EXPECT_TRUE(SameMembers(s.codes, DefaultTwoToneSettings().codes));
}

TEST(TwoToneControlsTest, OkNormalisesBoxesAndTakesBothTonesOfAPairFormat) {
    TwoToneSettings s = DefaultTwoToneSettings();
    s.toneCHigh = 9; // 250.0 Hz: shown as is, never entered
    s.toneCLow = 196;
    TwoToneControls c = ShowTwoToneControls(s);
    ASSERT_EQ(c.toneBoxes[kToneBoxC], "250.0");
    c.formatPosition = 7; // "C-B"
    c.toneBoxes[kToneBoxB] = "abc";
    c.toneBoxes[kToneBoxD] = "4000";
    StoreTwoToneControls(c, s);

    EXPECT_EQ(c.toneBoxes, (std::array<std::string, 4>{"321.7", "2000", "280", "3116"}));
    EXPECT_EQ(JoinWord(s.ownTone1High, s.ownTone1Low), 2800);
    EXPECT_EQ(JoinWord(s.ownDivider1High, s.ownDivider1Low), 17142);
    EXPECT_EQ(JoinWord(s.ownTone2High, s.ownTone2Low), 20000);
    EXPECT_EQ(JoinWord(s.ownDivider2High, s.ownDivider2Low), 2400);
    EXPECT_EQ(JoinWord(s.toneAHigh, s.toneALow), 3217);
    EXPECT_EQ(JoinWord(s.toneBHigh, s.toneBLow), 20000);
    EXPECT_EQ(JoinWord(s.toneCHigh, s.toneCLow), 2800);
    EXPECT_EQ(JoinWord(s.toneDHigh, s.toneDLow), 31160);
}

TEST(TwoToneGrid, RowsShowEntriesInUseOnly) {
    const TwoToneSettings s = DefaultTwoToneSettings();
    EXPECT_EQ(EntryRowTexts(s.codes[0]), (std::array<std::string, 3>{"321.7", "928.1", ""}));
    EXPECT_EQ(EntryRowTexts(s.codes[1]), (std::array<std::string, 3>{}));

    TwoToneCode single = s.codes[0];
    single.divider2High = single.divider2Low = 0;
    single.name = "Base";
    EXPECT_EQ(EntryRowTexts(single), (std::array<std::string, 3>{"321.7", "", "Base"}));

    TwoToneCode noDivider = single;
    noDivider.divider1High = noDivider.divider1Low = 0;
    EXPECT_EQ(EntryRowTexts(noDivider), (std::array<std::string, 3>{}));
    TwoToneCode empty = single;
    empty.isEmpty = 1;
    EXPECT_EQ(EntryRowTexts(empty), (std::array<std::string, 3>{}));
}

TEST(TwoToneGrid, CommittingToneCells) {
    struct Case {
        int column;
        std::string editor;
        CellCommit shown;
        std::int32_t divider;
        std::int32_t tone;
    };
    const std::vector<Case> cases = {
        {kTone1Column, "3500", {"3116.0", false}, 192, 31160},
        {kTone1Column, "100", {"288.0", false}, 2083, 2880},
        {kTone1Column, "321.7", {"321.7", false}, 1865, 3217},
        {kTone2Column, "1000", {"1000.0", false}, 600, 10000},
        {kTone2Column, "", {"", false}, 0, 0},
        {kTone2Column, "x", {"", false}, 0, 0},
    };
    for (const auto& c : cases) {
        TwoToneCode entry = DefaultTwoToneSettings().codes[0];
        entry.isEmpty = 1;
        entry.name = "Keep";
        EXPECT_EQ(CommitEntryCell(entry, c.column, c.editor), c.shown) << c.editor;
        if (c.column == kTone1Column) {
            EXPECT_EQ(entry.isEmpty, 0);
            EXPECT_EQ(JoinWord(entry.divider1High, entry.divider1Low), c.divider);
            EXPECT_EQ(JoinWord(entry.tone1High, entry.tone1Low), c.tone);
            EXPECT_EQ(JoinWord(entry.tone2High, entry.tone2Low), 9281); // untouched
        } else {
            EXPECT_EQ(entry.isEmpty, 1);
            EXPECT_EQ(JoinWord(entry.divider2High, entry.divider2Low), c.divider);
            EXPECT_EQ(JoinWord(entry.tone2High, entry.tone2Low), c.tone);
            EXPECT_EQ(JoinWord(entry.tone1High, entry.tone1Low), 3217); // untouched
        }
        EXPECT_EQ(entry.name.value(), "Keep");
    }
}

TEST(TwoToneGrid, EmptyingTheFirstToneClearsTheWholeEntry) {
    TwoToneCode entry = DefaultTwoToneSettings().codes[0];
    entry.name = "Base";
    EXPECT_EQ(CommitEntryCell(entry, kTone1Column, ""), (CellCommit{"", true}));
    EXPECT_FALSE(TwoToneEntryInUse(entry));
    EXPECT_EQ(entry.isEmpty, 1);
    EXPECT_EQ(entry.name.value(), "");
    for (auto byte : {entry.divider1High, entry.divider1Low, entry.divider2High, entry.divider2Low,
                      entry.tone1High, entry.tone1Low, entry.tone2High, entry.tone2Low}) {
        EXPECT_EQ(byte, 0);
    }
}

TEST(TwoToneGrid, CommittingNamesAndCellsOutsideTheEntryColumns) {
    TwoToneCode entry = DefaultTwoToneSettings().codes[0];
    EXPECT_EQ(CommitEntryCell(entry, kNameColumn, "Ab   "), (CellCommit{"Ab", false}));
    EXPECT_EQ(entry.name.value(), "Ab");
    const TwoToneCode before = entry;
    EXPECT_EQ(CommitEntryCell(entry, 0, "123"), CellCommit{});
    EXPECT_EQ(ToStoredBytes(entry), ToStoredBytes(before));
}

TEST(TwoToneGrid, CellsOfARowWithoutFirstToneSendTheCursorToColumnOne) {
    struct Case {
        GridCell target;
        bool column1Empty;
        GridCell left;
        std::string editor;
        GridCell entered;
    };
    const std::vector<Case> cases = {
        {{5, 3}, true, {0, 0}, "", {5, 1}}, // click on the name of an empty row
        {{5, 2}, true, {2, 2}, "", {5, 1}},
        {{5, 2}, false, {2, 2}, "", {5, 2}},
        {{5, 1}, true, {2, 2}, "", {5, 1}},
        {{5, 2}, true, {5, 1}, "400", {5, 2}}, // the commit of column 1 fills the row
        {{5, 2}, true, {5, 1}, "", {5, 1}},
        {{5, 3}, true, {4, 1}, "400", {5, 1}}, // another row's editor does not count
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CellToEnter(c.target, c.column1Empty, c.left, c.editor), c.entered)
            << c.target.row << "," << c.target.column;
    }
}

TEST(TwoToneGrid, EnterMovesOnThroughTheGrid) {
    EXPECT_EQ(CellAfterToneEditorEnter({4, 1}, ""), (GridCell{5, 1}));
    EXPECT_EQ(CellAfterToneEditorEnter({32, 1}, ""), (GridCell{1, 1}));
    EXPECT_EQ(CellAfterToneEditorEnter({4, 1}, "400"), (GridCell{4, 2}));
    EXPECT_EQ(CellAfterToneEditorEnter({4, 2}, ""), (GridCell{4, 3}));
    EXPECT_EQ(CellAfterToneEditorEnter({32, 3}, "x"), (GridCell{1, 1}));
    EXPECT_EQ(CellAfterNameEditorEnter({4, 3}), (GridCell{5, 1}));
    EXPECT_EQ(CellAfterNameEditorEnter({32, 3}), (GridCell{1, 1}));
}

TEST(TwoToneKeys, ToneAndNameFilters) {
    for (int code : std::initializer_list<int>{'0', '9', '.', 8, 13, 127}) {
        EXPECT_EQ(ToneKey(code), KeyVerdict::Pass) << code;
    }
    for (int code : std::initializer_list<int>{'a', '-', ' ', ',', 3, 22, 24, 128, 200, -1}) {
        EXPECT_EQ(ToneKey(code), KeyVerdict::Swallow) << code;
    }
    for (int code : std::initializer_list<int>{'a', 'Z', ' ', '0', '!', 8}) {
        EXPECT_EQ(EntryNameKey(code), KeyVerdict::Pass) << code;
    }
    for (int code : std::initializer_list<int>{'\\', '~', 3, 22, 24, 128, 255}) {
        EXPECT_EQ(EntryNameKey(code), KeyVerdict::Swallow) << code;
    }
}

} // namespace
} // namespace kpt740
