#include "features/fivetone/FiveToneEditorRules.h"

#include "features/fivetone/FiveToneCodeStrings.h"
#include "features/fivetone/FiveToneStandards.h"

#include <gtest/gtest.h>
#include <vector>

namespace kpt740 {
namespace {

FiveToneSettings Defaults() {
    return DefaultFiveToneSettings();
}

TEST(FiveToneEditorRulesTest, ListItemsHaveTheirSizesAndEnds) {
    EXPECT_EQ(FiveToneIntervalItems().size(), 255u);
    EXPECT_EQ(FiveToneIntervalItems().back(), "2550");
    EXPECT_EQ(FiveToneIntervalCItems().size(), 251u);
    EXPECT_EQ(FiveToneIntervalCItems()[5], "0.5");
    EXPECT_EQ(FiveToneIntervalCItems().back(), "25.0");
    EXPECT_EQ(FiveToneOptionDItems("Off").size(), 72u);
    EXPECT_EQ(FiveToneOptionDItems("Off")[1], "5");
    EXPECT_EQ(FiveTonePauseTimeItems().size(), 256u);
    EXPECT_EQ(FiveToneDecodeTimeItems().size(), 201u);
    EXPECT_EQ(FiveToneDecodeTimeItems().back(), "2000");
}

TEST(FiveToneEditorRulesTest, SystemShowStepRepairsAndFallsBackToFirstItems) {
    FiveToneSettings settings = Defaults();
    settings.toneDuration = 0;
    settings.optionD = 3;
    settings.pauseDigit = 14;
    settings.intervalC = 5;
    settings.intervalA = 20;
    settings.intervalB = 0; // no item "0" in the list
    const FiveToneSystemSelection shown = ShowFiveToneSystem(settings, 2);
    EXPECT_EQ(FiveToneDurationItems()[static_cast<std::size_t>(shown.toneDuration)], "70");
    EXPECT_EQ(settings.toneDuration, 7);
    EXPECT_EQ(shown.optionD, 0);
    EXPECT_EQ(settings.optionD, 0);
    EXPECT_EQ(shown.pauseDigit, 0);
    EXPECT_FALSE(shown.pauseTimeEnabled());
    EXPECT_EQ(FiveToneIntervalCItems()[static_cast<std::size_t>(shown.intervalC)], "0.5");
    EXPECT_EQ(FiveToneIntervalItems()[static_cast<std::size_t>(shown.intervalA)], "200");
    EXPECT_EQ(shown.intervalB, 0);
    EXPECT_EQ(FiveToneDecodeTimeItems()[static_cast<std::size_t>(shown.decodeTime)], "20");

    std::uint8_t decodeTime = 0;
    SaveFiveToneSystem(shown, settings, decodeTime);
    EXPECT_EQ(settings.toneDuration, 7);
    EXPECT_EQ(settings.optionD, 0);
    EXPECT_EQ(settings.pauseDigit, 0);
    EXPECT_EQ(settings.intervalC, 5);
    EXPECT_EQ(settings.intervalA, 20);
    EXPECT_EQ(settings.intervalB, 1);
    EXPECT_EQ(decodeTime, 2);
}

TEST(FiveToneEditorRulesTest, SystemValuesSurviveShowAndSave) {
    FiveToneSettings settings = Defaults();
    settings.standard = 9;
    settings.decodeResponse = 2;
    settings.toneDuration = 10;
    settings.optionD = 75;
    settings.pauseDigit = 15;
    settings.pauseTime = 255;
    settings.firstDigitDelay = 255;
    settings.sideTone = 1;
    const FiveToneSettings before = settings;
    const FiveToneSystemSelection shown = ShowFiveToneSystem(settings, 200);
    EXPECT_TRUE(shown.pauseTimeEnabled());
    std::uint8_t decodeTime = 0;
    SaveFiveToneSystem(shown, settings, decodeTime);
    EXPECT_TRUE(SameFiveToneSettings(settings, before));
    EXPECT_EQ(decodeTime, 200);
}

TEST(FiveToneEditorRulesTest, DecodeFunctionSetsResponseListAndNameBox) {
    struct Case {
        int function;
        int currentResponse;
        int items;
        int response;
        bool responseEnabled;
        bool nameEnabled;
    };
    const std::vector<Case> cases = {
        {0, 2, 3, 2, true, false},  {1, 2, 2, 0, true, true},  {2, 1, 3, 0, false, true},
        {3, 0, 3, 2, false, true},  {4, 0, 3, 2, false, true}, {5, 1, 3, 2, false, true},
        {6, 2, 3, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        const InfoFunctionRule rule = ApplyDecodeFunction(c.function, c.currentResponse);
        EXPECT_EQ(rule.responseItems, c.items);
        EXPECT_EQ(rule.response, c.response);
        EXPECT_EQ(rule.responseEnabled, c.responseEnabled);
        EXPECT_EQ(rule.nameEnabled, c.nameEnabled);
    }
}

TEST(FiveToneEditorRulesTest, InfoCodeShowsCountedDigitsAndNameOnlyWhereItMatters) {
    FiveToneInfoCode code;
    code.decodeFunction = 1;
    code.decodeResponse = 2; // no third item for function 1
    code.digits = "123456";
    code.digitCount = 4;
    code.name = "BOSS";
    InfoCodeView view = ShowInfoCode(code, 0);
    EXPECT_EQ(view.response, 0);
    EXPECT_EQ(view.digits, "1234");
    EXPECT_EQ(view.name, "BOSS");

    code.decodeFunction = 6;
    view = ShowInfoCode(code, 0);
    EXPECT_EQ(view.name, "");
    EXPECT_FALSE(view.rule.nameEnabled);

    code.decodeFunction = 200; // out of the list: shown as the first function
    code.decodeResponse = 1;
    view = ShowInfoCode(code, 0);
    EXPECT_EQ(view.function, 0);
    EXPECT_EQ(view.response, 1);

    FiveToneInfoCode saved;
    view.digits = "9A";
    view.name = "X";
    SaveInfoCode(view, saved);
    EXPECT_EQ(saved.digitCount, 2);
    EXPECT_EQ(saved.digits.value(), "9A");
    EXPECT_EQ(saved.name.value(), "X");
    EXPECT_EQ(saved.decodeResponse, 1);
}

TEST(FiveToneEditorRulesTest, KillStunWakeUpTest) {
    auto info = [](int function, const char* digits) {
        FiveToneInfoCode code;
        code.decodeFunction = static_cast<std::uint8_t>(function);
        code.digits = digits;
        code.digitCount = static_cast<std::uint8_t>(std::string_view(digits).size());
        return code;
    };
    struct Case {
        const char* what;
        std::array<FiveToneInfoCode, 8> codes;
        bool missingWake;
        bool duplicate;
    };
    std::array<FiveToneInfoCode, 8> blanks{};
    for (auto& c : blanks) {
        c = info(1, "");
    }
    auto with = [&](std::initializer_list<std::pair<int, FiveToneInfoCode>> set) {
        auto codes = blanks;
        for (const auto& [index, code] : set) {
            codes[static_cast<std::size_t>(index)] = code;
        }
        return codes;
    };
    const std::vector<Case> cases = {
        {"nothing special", with({}), false, false},
        {"kill without wake-up", with({{0, info(3, "111")}}), true, false},
        {"stun with wake-up", with({{0, info(4, "111")}, {1, info(5, "222")}}), false, false},
        {"kill and wake-up share digits", with({{0, info(3, "111")}, {1, info(5, "111")}}), false,
         true},
        {"ordinary code shares a kill's digits",
         with({{0, info(3, "123")}, {1, info(5, "9")}, {2, info(2, "123")}}), false, true},
        {"empty function-0 code collides with an empty kill",
         with({{0, info(3, "")}, {1, info(5, "9")}, {2, info(0, "")}}), false, true},
        {"both findings", with({{0, info(3, "1")}, {1, info(4, "1")}}), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> told;
        const bool ok = IsInfoKillStunWakenOK(c.codes, [&](int id) { told.push_back(id); });
        EXPECT_EQ(ok, !c.missingWake && !c.duplicate);
        std::vector<int> expected;
        if (c.missingWake) {
            expected.push_back(60300);
        }
        if (c.duplicate) {
            expected.push_back(60301);
        }
        EXPECT_EQ(told, expected);
    }
}

TEST(FiveToneEditorRulesTest, PttIdShowCompletesWithRepeatTonesAndSaveNormalizes) {
    FiveToneCode code;
    code.digits = "123";
    code.digitCount = 5;
    code.standard = 16;
    code.toneDuration = 0;
    PttIdView view = ShowPttId(code);
    EXPECT_EQ(view.code, "123EE");
    EXPECT_EQ(code.standard, 0);
    EXPECT_EQ(view.duration, 4);

    code.digitCount = 41;
    EXPECT_EQ(ShowPttId(code).code, "");
    EXPECT_EQ(code.digitCount, 0);

    view.code = "112";
    view.duration = 0;
    view.standard = 6;
    SavePttId(view, "12345", code);
    EXPECT_EQ(code.digits.value(), "1E2");
    EXPECT_EQ(code.digitCount, 3);
    EXPECT_EQ(code.toneDuration, 3);
    EXPECT_EQ(code.standard, 6);
}

TEST(FiveToneEditorRulesTest, DurationCellToStored) {
    const std::vector<std::pair<const char*, int>> cases = {
        {"75", 8},   {"65", 6}, {"300", 7},  {"", 7},    {"abc", 7},  {"30", 3},
        {"100", 10}, {"25", 7}, {"105", 10}, {"-70", 7}, {" 40 ", 4}, {"inf", 7},
    };
    for (const auto& [text, stored] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DurationCellToStored(text), stored);
    }
}

struct RowCase {
    const char* what;
    const char* digits;
    int count;
    const char* kind;
    const char* code;
};

TEST(FiveToneEditorRulesTest, CodeRowsShowTheirKind) {
    const FiveToneRowTexts texts{"Data Call", "MSG:"};
    const std::vector<RowCase> cases = {
        {"ordinary", "1E2", 3, "", "1E2"},
        {"ordinary completed", "12", 4, "", "12EE"},
        {"data call", "E112345E4F4B", 12, "Data Call", "12345        MSG:OK"},
        {"data call without message", "E112345E", 8, "Data Call", "12345        MSG:"},
        {"data call with repeat tones", "E1E2345E4F4B", 12, "Data Call", "12345        MSG:OK"},
        {"PTT-ID call", "E654321", 7, "PTTID", ""},
        {"ANI", "1E2E354321", 10, "ANI", "11223"},
        {"ANI with separator", "12345A54321", 11, "ANI", "12345A"},
        {"ANI placeholder", "12345SelfID", 11, "ANI", "12345"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        FiveToneCode code;
        code.isEmpty = 0;
        code.digits = c.digits;
        code.digitCount = static_cast<std::uint8_t>(c.count);
        code.toneDuration = 12;
        code.standard = 6;
        code.name = "N";
        const FiveToneCodeRow row = ShowCodeRow(code, "54321", texts);
        EXPECT_EQ(row.kind, c.kind);
        EXPECT_EQ(row.code, c.code);
        EXPECT_EQ(row.standard, "CCIR1");
        EXPECT_EQ(row.duration, "70");
        EXPECT_EQ(row.name, "N");
        EXPECT_EQ(code.toneDuration, 7);
    }
    FiveToneCode empty;
    empty.isEmpty = 1;
    empty.digits = "123";
    const FiveToneCodeRow row = ShowCodeRow(empty, "54321", texts);
    EXPECT_EQ(row.code, "");
    EXPECT_EQ(row.standard, "ZVEI1");
    EXPECT_EQ(row.duration, "70");
}

TEST(FiveToneEditorRulesTest, CommitsAndSaveStepOfARow) {
    FiveToneCode code;
    code.isEmpty = 1;
    FiveToneCodeRow row;
    EXPECT_EQ(CommitCodeCell("112", "12345", code), "1E2");
    EXPECT_EQ(code.digitCount, 3);
    EXPECT_EQ(code.isEmpty, 0);
    EXPECT_EQ(CommitCodeCell("", "12345", code), "");
    EXPECT_EQ(code.isEmpty, 1);

    CommitStandardCell(9, row, code);
    EXPECT_EQ(row.standard, "EEA");
    EXPECT_EQ(row.duration, "70");
    EXPECT_EQ(code.toneDuration, 7);
    CommitDurationCell("40", row, code);
    EXPECT_EQ(code.toneDuration, 4);
    CommitNameCell("TOOLONGNAME", row, code);
    EXPECT_EQ(row.name, "TOOLONG");

    row = {"", "x", "NOT A STANDARD", "75", "AB"};
    code.digits = "E6SelfID";
    SaveCodeRow(row, "12345", code);
    EXPECT_EQ(code.digits.value(), "E612345");
    EXPECT_EQ(code.digitCount, 7);
    EXPECT_EQ(code.standard, 0);
    EXPECT_EQ(code.toneDuration, 8);
    EXPECT_EQ(code.name.value(), "AB");
}

TEST(FiveToneEditorRulesTest, CellEntryRules) {
    const FiveToneCodeRow special{"ANI", "12345", "ZVEI1", "70", ""};
    const FiveToneCodeRow noCode{"", "", "ZVEI1", "70", ""};
    const FiveToneCodeRow pttId{"PTTID", "", "ZVEI1", "70", ""};
    const FiveToneCodeRow plain{"", "123", "ZVEI1", "70", ""};
    EXPECT_FALSE(CodeCellOpensEditor(special, 2));
    EXPECT_TRUE(CodeCellOpensEditor(special, 3));
    EXPECT_TRUE(CodeCellOpensEditor(noCode, 2));
    EXPECT_FALSE(CodeCellOpensEditor(noCode, 4));
    EXPECT_TRUE(CodeCellOpensEditor(pttId, 5));
    EXPECT_TRUE(CodeCellOpensEditor(plain, 5));
    EXPECT_FALSE(CodeCellOpensEditor(plain, 1));
}

TEST(FiveToneEditorRulesTest, KeyFilters) {
    EXPECT_EQ(FiveToneOwnIdKey('7'), '7');
    EXPECT_EQ(FiveToneOwnIdKey('A'), std::nullopt);
    EXPECT_EQ(FiveToneHexDigitKey('f'), 'F');
    EXPECT_EQ(FiveToneHexDigitKey('G'), std::nullopt);
    EXPECT_EQ(FiveToneTargetIdKey('a'), 'A');
    EXPECT_EQ(FiveToneTargetIdKey('B'), std::nullopt);
    EXPECT_EQ(FiveToneMessageKey('z'), 'Z');
    EXPECT_EQ(FiveToneMessageKey(' '), std::nullopt);
    EXPECT_EQ(FiveToneCodeNameKey('\\'), std::nullopt);
    EXPECT_EQ(FiveToneCodeNameKey('~'), std::nullopt);
    EXPECT_EQ(FiveToneCodeNameKey(' '), ' ');
    EXPECT_EQ(FiveToneAnyAsciiKey(static_cast<char>(0xE9)), std::nullopt);
}

TEST(FiveToneEditorRulesTest, SpecialCalls) {
    EXPECT_EQ(SeparatorFromItem(0), 0);
    EXPECT_EQ(SeparatorFromItem(4), 13);
    EXPECT_EQ(SeparatorItemOf(13), 4);
    EXPECT_EQ(SeparatorItemOf(0), 0);
    EXPECT_EQ(SeparatorItemOf(9), 0);

    EXPECT_EQ(SpecialCallPttIdText(FiveToneCallType::Ani, "12345", '\0', "", "54321"),
              "1234554321");
    EXPECT_EQ(SpecialCallPttIdText(FiveToneCallType::PttId, "", '\0', "", "54321"), "E654321");
    EXPECT_EQ(SpecialCallPttIdText(FiveToneCallType::Data, "12345", '\0', "OK", "54321"),
              "E112345E4F4B");
    // Eight digits of call and two per message character: eight characters fill 24 digits.
    EXPECT_TRUE(SpecialCallFitsPttId(FiveToneCallType::Data, "12345", '\0', "ABCDEFGH", ""));
    EXPECT_FALSE(SpecialCallFitsPttId(FiveToneCallType::Data, "12345", '\0', "ABCDEFGHI", ""));

    const FiveToneRowTexts texts{"Data Call", "MSG:"};
    FiveToneCode code;
    code.isEmpty = 1;
    code.standard = 3;
    FiveToneCodeRow row;
    ApplySpecialCallToCode(FiveToneCallType::Data, "12345", '\0', "0123456789ABCDEF", "54321",
                           texts, code, row);
    EXPECT_EQ(code.digitCount, 40);
    EXPECT_EQ(code.isEmpty, 0);
    EXPECT_EQ(code.standard, 3);
    EXPECT_EQ(row.kind, "Data Call");
    EXPECT_EQ(row.code, "12345 MSG:0123456789ABCDEF");

    ApplySpecialCallToCode(FiveToneCallType::Ani, "12345", 'A', "", "54321", texts, code, row);
    EXPECT_EQ(code.digits.value(), "12345ASelfID");
    EXPECT_EQ(row.code, "12345A");
    ApplySpecialCallToCode(FiveToneCallType::PttId, "", '\0', "", "54321", texts, code, row);
    EXPECT_EQ(code.digits.value(), "E6SelfID");
    EXPECT_EQ(row.kind, "PTTID");
    EXPECT_EQ(row.code, "");
}

} // namespace
} // namespace kpt740
