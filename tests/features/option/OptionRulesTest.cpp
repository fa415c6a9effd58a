#include "features/option/OptionRules.h"

#include "core/ChannelTable.h"
#include "features/option/OptionSettings.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

ChannelTable TableWith(std::initializer_list<std::pair<int, int>> positionsInUse) {
    ChannelTable table;
    for (auto [position, inUse] : positionsInUse) {
        ChannelRecord record = BlankChannel(position);
        record.InUse = static_cast<std::int16_t>(inUse);
        EXPECT_TRUE(table.append(record));
    }
    return table;
}

TEST(OptionChannelList, ListsChannelsInUseInPositionOrder) {
    const ChannelTable table =
        TableWith({{203, 1}, {202, 1}, {12, 1}, {1, 1}, {200, 1}, {5, 0}, {201, 1}});
    EXPECT_EQ(OptionChannelList(table),
              (TextList{"0", "11", "199", "PA", "PB"})); // no VFO, nothing not in use
    EXPECT_EQ(OptionChannelList(TableWith({{203, 1}, {7, 0}})), TextList{"0"});
    EXPECT_EQ(OptionChannelList(ChannelTable{}), TextList{"0"});
}

TEST(OptionChannelList, ItemsAndChannelIndexesMapBothWays) {
    struct Case {
        int channelIndex;
        std::string item;
    };
    for (const Case& c : {Case{0, "0"}, Case{199, "199"}, Case{200, "PA"}, Case{201, "PB"}}) {
        EXPECT_EQ(ChannelItemText(c.channelIndex), c.item);
        EXPECT_EQ(ChannelIndexOfItem(c.item), c.channelIndex);
    }
    EXPECT_EQ(ChannelItemText(202), "202");
    EXPECT_EQ(ChannelIndexOfItem("x"), 0);
    EXPECT_EQ(ChannelIndexOfItem("99999"), 0);
}

TEST(OptionChannelList, AChannelNotInTheListShowsTheFirstItem) {
    const TextList list = OptionChannelList(TableWith({{3, 1}, {10, 1}, {202, 1}}));
    EXPECT_EQ(ShownChannelItem(list, 9), 1);
    EXPECT_EQ(ShownChannelItem(list, 201), 2);
    EXPECT_EQ(ShownChannelItem(list, 4), 0); // channel 5 exists nowhere
    EXPECT_EQ(ShownChannelItem(list, 200), 0);
    EXPECT_EQ(ShownChannelItem(list, -3), 0);
}

TEST(OptionList0, PickingItemsDrivesListOneAndTheExtraList) {
    OptionSettings s = DefaultOptionSettings();
    s.setting1702Extra = 1;
    EXPECT_EQ(ChangeList0(s, 1), (List0State{false, true}));
    EXPECT_EQ(s.setting1702, 1);
    EXPECT_EQ(s.setting1703, 1);
    EXPECT_EQ(s.setting1702Extra, 1); // the extra list keeps its choice while shown

    EXPECT_EQ(ChangeList0(s, 0), (List0State{true, false}));
    EXPECT_EQ(s.setting1702, 0);
    EXPECT_EQ(s.setting1703, 0);
    EXPECT_EQ(s.setting1702Extra, 0);

    s.setting1702Extra = 1;
    EXPECT_EQ(ChangeList0(s, 2), (List0State{true, false}));
    EXPECT_EQ(s.setting1702, 2);
    EXPECT_EQ(s.setting1703, 1);
    EXPECT_EQ(s.setting1702Extra, 0);
}

TEST(OptionList0, LoadingOnlyReadsTheStoredChoice) {
    EXPECT_EQ(List0StateOnLoad(1), (List0State{false, true}));
    EXPECT_EQ(List0StateOnLoad(0), (List0State{true, false}));
    EXPECT_EQ(List0StateOnLoad(2), (List0State{true, false}));
    EXPECT_EQ(List0StateOnLoad(7), (List0State{true, false})); // shown as the first item
    EXPECT_EQ(List0StateOnLoad(-1), (List0State{true, false}));
}

TEST(OptionTexts, WelcomeBoxesRoundTrip) {
    using Boxes = std::array<std::string, 7>;
    EXPECT_EQ(WelcomeBoxes(FixedText<7>("Welcome")), (Boxes{"W", "e", "l", "c", "o", "m", "e"}));
    EXPECT_EQ(WelcomeBoxes(FixedText<7>("A b")), (Boxes{"A", "", "b", "", "", "", ""}));
    EXPECT_EQ(WelcomeBoxes(FixedText<7>(std::string("Hi\0", 3))),
              (Boxes{"H", "i", "", "", "", "", ""}));
    EXPECT_EQ(WelcomeBoxes(FixedText<7>{}), Boxes{});

    const FixedText<7> joined = WelcomeTextFromBoxes(Boxes{"A", "", "b", "", "", "", ""});
    EXPECT_EQ(joined.raw(), "A b    ");
    EXPECT_EQ(joined.value(), "A b");
}

TEST(OptionTexts, PasswordBoxGivesTheStoredField) {
    EXPECT_EQ(PasswordFromBox("123").raw(), std::string("123\0  ", 6));
    EXPECT_EQ(PasswordFromBox("").raw(), std::string("\0     ", 6));
    EXPECT_EQ(PasswordFromBox("123456").raw(), "123456");
    EXPECT_EQ(PasswordFromBox("1234567").raw(), "123456");
    EXPECT_TRUE(PassWordVisible(1));
    EXPECT_FALSE(PassWordVisible(0));
    EXPECT_FALSE(PassWordVisible(2));
}

TEST(OptionKeys, WelcomeAndPasswordBoxFilters) {
    for (int code : std::initializer_list<int>{'a', 'Z', ' ', '!', '0', '}'}) {
        EXPECT_EQ(WelcomeBoxKey(code), BoxKeyVerdict::PassAndMoveOn) << code;
    }
    for (int code : std::initializer_list<int>{8, 13, 127}) {
        EXPECT_EQ(WelcomeBoxKey(code), BoxKeyVerdict::Pass) << code;
    }
    for (int code : std::initializer_list<int>{'\\', '~', 3, 22, 24, 128, 233}) {
        EXPECT_EQ(WelcomeBoxKey(code), BoxKeyVerdict::Swallow) << code;
    }
    for (int code : std::initializer_list<int>{'0', '9', 8}) {
        EXPECT_EQ(PasswordBoxKey(code), BoxKeyVerdict::Pass) << code;
    }
    for (int code : std::initializer_list<int>{'a', ' ', '.', 3, 22, 24, 128, -1}) {
        EXPECT_EQ(PasswordBoxKey(code), BoxKeyVerdict::Swallow) << code;
    }
}

} // namespace
} // namespace kpt740
