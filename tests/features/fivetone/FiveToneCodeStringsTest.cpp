#include "features/fivetone/FiveToneCodeStrings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

TEST(ApplyRepeatTone, Table) {
    struct Case {
        std::string code;
        std::string previous;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"112", "X", "1E2"},
        {"112", "1", "E12"}, // the first digit repeats the one sent before the code
        {"11", "5", "1E"},
        {"2", "2", "E"},
        {"1111", "X", "1E1E"}, // compared with what was appended, not with the input
        {"1E1", "X", "1E1"},
        {"1EE", "X", "1EE"},
        {"112", "", "1E2"},
        {"", "X", ""},
        {"", "7", ""},
        {"   ", "X", ""},
        {"12  ", "X", "12"},
        {std::string("11\0 11", 6), "X", "1E"},
        // A data call: positions 2-8 are rewritten, the message after them never.
        {"E112345E4444", "X", "E1E2345E4444"},
        {"E10000000000", "X", "E10E0E0E0000"},
        {"E1", "X", "E1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyRepeatTone(c.code, c.previous), c.expected)
            << "'" << c.code << "' after '" << c.previous << "'";
    }
}

TEST(ApplyRepeatToneAni, KeepsSeparatorAndFollowingDigitOfAnElevenCharacterCode) {
    struct Case {
        std::string code;
        std::string ani;
        std::string plain;
    };
    const std::vector<Case> cases = {
        {"1234AA54321", "1234AA54321", "1234AE54321"}, // ID ends in A, separator A
        {"12345AA2345", "12345AA2345", "12345AE2345"}, // own ID starts with the separator
        {"11111A22222", "1E1E1A2E2E2", "1E1E1A2E2E2"},
        {"1123455555", "1E2345E5E5", "1E2345E5E5"}, // no separator: the ordinary rule
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyRepeatToneAni(c.code), c.ani) << c.code;
        EXPECT_EQ(ApplyRepeatTone(c.code, "X"), c.plain) << c.code;
    }
}

TEST(IsAniCode, Table) {
    struct Case {
        std::string code;
        std::string ownId;
        bool ani;
    };
    const std::vector<Case> cases = {
        {"123456789", "56789", false}, // nine characters are never enough
        {"12345SelfID", "", true},     // the placeholder needs no own ID
        {"12345ASelfID", "", true},       {"12345FSelfID", "99999", true},
        {"12345GSelfID", "", false},      {"123451SelfID", "", false},
        {"1234SelfID", "", false},        {"123456ASelfID", "", false},
        {"1234554321", "54321", true},    {"12345A54321", "54321", true},
        {"12345a54321", "54321", false},  {"12345154321", "54321", false},
        {"12345AB54321", "54321", false}, {"1234554321", "4321", false},
        {"1234554321", "543210", false},  {"1234554321", "54322", false},
        {"123451E1E1", "11111", true}, // own ID as the repeat rule sends it
        {"12341E1E1E", "11111", true}, // ... after the digit before it
        {"1234511111", "11111", true},    {"12345E1E1E", "11111", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAniCode(c.code, c.ownId), c.ani) << c.code << " / " << c.ownId;
    }
}

TEST(NormalizeCode, AniCodesUseTheAniRule) {
    EXPECT_EQ(NormalizeCode("1234AA54321", "54321"), "1234AA54321");
    EXPECT_EQ(NormalizeCode("1234AA54321", "99999"), "1234AE54321");
    EXPECT_EQ(NormalizeCode("112", "54321"), "1E2");
    EXPECT_EQ(NormalizeCode("12345SelfID", ""), "12345SelfID");
    EXPECT_EQ(NormalizeCode("E612345", "12345"), "E612345");
    EXPECT_EQ(NormalizeCode("", "12345"), "");
}

TEST(Mid5ToneNoE, Table) {
    struct Case {
        std::string text;
        int start;
        int length;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"1E1E1", 1, 5, "11111"}, {"12E45", 1, 3, "122"},
        {"1EE45", 1, 5, "11E45"}, // one level only: an E after an E stays E
        {"E2345", 1, 5, "E2345"}, {"1E2341E1E1", 1, 5, "11234"},
        {"123", 2, 5, "23"},      {"123", 0, 2, "12"},
        {"123", 5, 2, ""},        {"123", 1, 0, ""},
        {"123", 1, -1, ""},       {"", 1, 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Mid5ToneNoE(c.text, c.start, c.length), c.expected)
            << c.text << " " << c.start << " " << c.length;
    }
}

TEST(ApplyNewOwnId, Table) {
    struct Case {
        std::string code;
        std::string oldId;
        std::string newId;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"E611111", "11111", "54321", "E654321"},
        {"E2123", "12345", "54321", "E254321"},
        {" E6SelfID ", "", "12345", "E612345"},
        // An ANI code keeps its ID with the repeat tones undone, and its separator.
        {"1E2341E1E1", "11111", "22222", "1123422222"},
        {"12345A54321", "54321", "11111", "12345A11111"},
        {"12345SelfID", "", "11111", "1234511111"},
        {"12345BSelfID", "", "11111", "12345B11111"},
        {"1234554321", "99999", "11111", "1234554321"}, // not an ANI code of the old ID
        {"  123  ", "1", "2", "123"},
        {"1", "a", "b", "1"},
        {" 1 ", "a", "b", " 1 "},
        {"", "a", "b", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyNewOwnId(c.code, c.oldId, c.newId), c.expected) << "'" << c.code << "'";
    }
}

TEST(PrepareListCode, Table) {
    struct Case {
        std::string digits;
        std::string ownId;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"E6SelfID", "12345", "E612345"},
        {"E6SelfID", "11234", "E61E234"},
        {"E299999", "12345", "E212345"},
        {"E6", "12345", "E6"}, // two characters are kept as they are
        {"11", "12345", "11"},
        {"12345SelfID", "54321", "12345E4321"},
        {"12345ASelfID", "54321", "12345A54321"},
        {"1234511111", "11111", "123451E1E1"},
        {"123451E1E1", "11111", "123451E1E1"},
        {"112", "11111", "1E2"},
        {" 112 ", "11111", "1E2"},
        {"1111", "", "1E1E"},
        {"E1E2345E4444", "99999", "E1E2345E4444"}, // a data call's message stays
        {"  ", "12345", ""},
        {"", "12345", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrepareListCode(c.digits, c.ownId), c.expected) << "'" << c.digits << "'";
    }
}

TEST(PrepareListCode, SetsTheCountAndLeavesIsEmptyAlone) {
    FiveToneCode code;
    code.isEmpty = 0;
    code.digits = "E6SelfID";
    code.digitCount = 8;
    code.name = "PTT";
    PrepareListCodeForSaving(code, "12345");
    EXPECT_EQ(code.digits.value(), "E612345");
    EXPECT_EQ(code.digitCount, 7);
    EXPECT_EQ(code.isEmpty, 0);
    EXPECT_EQ(code.name.value(), "PTT");

    FiveToneCode blank;
    blank.isEmpty = 1;
    blank.digits = "   ";
    blank.digitCount = 3;
    PrepareListCodeForSaving(blank, "12345");
    EXPECT_EQ(blank.digits.value(), "");
    EXPECT_EQ(blank.digitCount, 0);
    EXPECT_EQ(blank.isEmpty, 1);
}

TEST(SpecialCallForms, DataCalls) {
    EXPECT_EQ(MessageHex("DD"), "4444");
    EXPECT_EQ(MessageHex("OK"), "4F4B");
    EXPECT_EQ(MessageHex("09AZ"), "3039415A");
    EXPECT_EQ(MessageHex(""), "");

    EXPECT_EQ(DataCallPttIdCode("12345", "DD"), "E112345E4444");
    EXPECT_EQ(DataCallListCode("12345", "DD"), "E1E2345E4444");
    EXPECT_EQ(DataCallListCode("12345", ""), "E1E2345E");
    EXPECT_EQ(DataCallListCode("11111", "A"), "E1E1E1EE41");

    const std::string longest = DataCallListCode("A1234", "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(longest.size(), 40u); // fills a list code exactly
    EXPECT_EQ(longest.substr(8), MessageHex("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(DataCallPttIdCode("A1234", "ABCDEFGHIJKLMNOP").size(), 40u);
}

TEST(SpecialCallForms, AniAndPttIdCalls) {
    EXPECT_EQ(AniCallCode("12345", '\0', "54321"), "1234554321");
    EXPECT_EQ(AniCallCode("1234A", 'A', kSelfIdPlaceholder), "1234AASelfID");
    EXPECT_TRUE(IsAniCode(AniCallCode("1234A", 'A', kSelfIdPlaceholder), ""));
    EXPECT_EQ(PttIdCallCode(kSelfIdPlaceholder), "E6SelfID");
    EXPECT_EQ(PttIdCallCode("12345"), "E612345");
    // A list row's placeholder call becomes the real one when the dialog saves.
    EXPECT_EQ(PrepareListCode(AniCallCode("1234A", 'A', kSelfIdPlaceholder), "54321"),
              "1234AA54321");
}

} // namespace
} // namespace kpt740
