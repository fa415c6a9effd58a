#include "features/dtmf/DtmfCallRules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

struct FollowUpCase {
    std::string box;
    std::string ownId;
    char separator;
    std::string expected;
};

TEST(DtmfCallRulesTest, SeparatorChangeFollowsIntoComposedCalls) {
    const std::vector<FollowUpCase> cases = {
        {"123*456", "456", '#', "123#456"},     {"*456", "456", '#', "#456"},
        {"123A456", "456", '*', "123*456"},     {"A456", "456", 'D', "D456"},
        {"123*457", "456", '#', "123*457"}, // another caller's ID
        {"1234456", "456", '#', "1234456"}, // fourth character is a digit
        {"12B*456", "456", '#', "12B*456"}, // called code not numeric
        {"4456", "456", '#', "4456"},           {"*457", "456", '#', "*457"},
        {"12*456", "456", '#', "12*456"}, // neither length
        {"12345*456", "456", '#', "12345*456"}, {"", "456", '#', ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SeparatorFollowUp(c.box, c.ownId, c.separator), c.expected) << c.box;
    }
}

TEST(DtmfCallRulesTest, OwnIdChangeFollowsIntoComposedCalls) {
    const std::vector<FollowUpCase> cases = {
        {"123*456", "789", '*', "123*789"}, {"*456", "789", '*', "*789"},
        {"123*456", "7", '*', "123*700"}, // the ID is filled up first
        {"123*456", "", '*', "123*000"},    {"123#456", "789", '*', "123#456"}, // another separator
        {"#456", "789", '*', "#456"},       {"12B*456", "789", '*', "12B*456"},
        {"123*45A", "789", '*', "123*45A"}, {"*45", "789", '*', "*45"},
        {"1234567", "789", '4', "1234789"}, // the rule asks only for the separator character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OwnIdFollowUp(c.box, c.ownId, c.separator), c.expected) << c.box;
    }
}

TEST(DtmfCallRulesTest, SpecialCallComposition) {
    EXPECT_EQ(ComposeSpecialCall(SpecialCallKind::Ani, "123", '*', "456"), "123*456");
    EXPECT_EQ(ComposeSpecialCall(SpecialCallKind::PttId, "123", '*', "456"), "*456");
    EXPECT_EQ(ComposeSpecialCall(SpecialCallKind::Ani, "5", '*', "456"), "500*456");
    EXPECT_EQ(ComposeSpecialCall(SpecialCallKind::Ani, "", '#', "000"), "000#000");
    // A composed call is exactly what the follow-up rules recognise.
    const std::string call = ComposeSpecialCall(SpecialCallKind::Ani, "12", 'A', "456");
    EXPECT_EQ(SeparatorFollowUp(call, "456", '#'), "120#456");
}

TEST(DtmfCallRulesTest, OwnIdNormalisation) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"456", "456"}, {"7", "700"},  {"7  ", "700"}, {std::string("4\0 ", 3), "400"},
        {"", "000"},    {"ab", "000"}, {"1 2", "000"},
    };
    for (const auto& [field, id] : cases) {
        EXPECT_EQ(NormalizedOwnId(field), id) << field;
    }
    EXPECT_EQ(PadWithZeros("12345", 3), "12345");
}

TEST(DtmfCallRulesTest, KillAndStunClashOnlyWhenEqualAndNotEmpty) {
    EXPECT_TRUE(KillEqualsStun("123", "123"));
    EXPECT_TRUE(KillEqualsStun("12 ", " 12"));
    EXPECT_FALSE(KillEqualsStun("", ""));
    EXPECT_FALSE(KillEqualsStun("  ", ""));
    EXPECT_FALSE(KillEqualsStun("123", "1234"));
    EXPECT_FALSE(KillEqualsStun("123", ""));
}

} // namespace
} // namespace kpt740
