#include "features/commbook/CommBookEditing.h"

#include <gtest/gtest.h>
#include <string>

namespace kpt740 {
namespace {

using namespace std::string_literals;

TEST(CommBookEditingTest, CommittedCellsCarryANulWhenShorterThanTheField) {
    struct Case {
        std::string editor;
        std::string rawCallId;
        std::string shown;
    };
    for (const Case& c : {Case{"12", "12\0  "s, "12"}, Case{"12345", "12345", "12345"},
                          Case{"", "\0    "s, ""}, Case{"  7  ", "  7\0 "s, "  7"}}) {
        CommBookEntry entry;
        EXPECT_EQ(CommitCallId(entry, c.editor), c.shown) << c.editor;
        EXPECT_EQ(entry.callId.raw(), c.rawCallId) << c.editor;
    }
    struct NameCase {
        std::string editor;
        std::string rawName;
    };
    for (const NameCase& c : {NameCase{"AB", "AB\0    "s}, NameCase{"ABCDEFG", "ABCDEFG"},
                              NameCase{"", "\0      "s}, NameCase{"AB  ", "AB\0    "s}}) {
        CommBookEntry entry;
        EXPECT_EQ(CommitBookName(entry, c.editor), TrimFixed(c.rawName)) << c.editor;
        EXPECT_EQ(entry.name.raw(), c.rawName) << c.editor;
    }
}

TEST(CommBookEditingTest, KeyFiltersKeepDigitsAndCapitalLetters) {
    EXPECT_EQ(CallIdKey('7'), '7');
    for (const char c : {'a', 'A', ' ', '*', '\\', '~'}) {
        EXPECT_EQ(CallIdKey(c), '\0') << c;
    }
    EXPECT_EQ(BookNameKey('a'), 'A');
    EXPECT_EQ(BookNameKey('z'), 'Z');
    EXPECT_EQ(BookNameKey('Q'), 'Q');
    EXPECT_EQ(BookNameKey('5'), '5');
    EXPECT_EQ(BookNameKey(' '), ' ');
    for (const char c : {'\\', '~', '-', '.', '@', '['}) {
        EXPECT_EQ(BookNameKey(c), '\0') << c;
    }
}

} // namespace
} // namespace kpt740
