#include "features/scan/ScanRules.h"

#include "core/ChannelTable.h"
#include "features/scan/ChannelReferences.h"
#include "features/scan/ScanSettings.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

ChannelTable TableOf(std::initializer_list<int> positions) {
    ChannelTable table;
    for (int p : positions) {
        ChannelRecord record = BlankChannel(p);
        record.InUse = 1;
        EXPECT_TRUE(table.append(record));
    }
    return table;
}

std::string FakeText(int id) {
    return id == scan_text::kPriorityLabel ? "P" : "T" + std::to_string(id);
}

TEST(ChannelReferences, ListsMemoryChannelNumbersOnceInAscendingOrder) {
    EXPECT_EQ(MemoryChannelNumbers(TableOf({12, 3, 201, 202, 203})), (std::vector<int>{2, 11}));
    EXPECT_EQ(MemoryChannelItems(TableOf({12, 3, 201})), (TextList{"2", "11"}));
    EXPECT_EQ(MemoryChannelNumbers(TableOf({200, 5, 1, 5})), (std::vector<int>{0, 4, 199}));
    EXPECT_TRUE(MemoryChannelItems(TableOf({203})).empty());

    // Records past the count are not channels of the table.
    ChannelTable table = TableOf({7});
    table.Slots[1] = BlankChannel(9);
    EXPECT_EQ(MemoryChannelNumbers(table), (std::vector<int>{6}));
}

TEST(ChannelReferences, ShownNumberFallsBackToTheLowestChannel) {
    struct Case {
        const char* what;
        ChannelTable table;
        int reference;
        std::optional<int> shown;
        std::uint8_t storedAtOk;
    };
    const std::vector<Case> cases{
        {"channel present", TableOf({12, 3, 201}), 12, 11, 12},
        {"channel deleted", TableOf({12, 3, 201}), 4, 2, 3},
        {"none shows the lowest channel", TableOf({12, 3, 201}), 0, 2, 3},
        {"PA is not a memory channel", TableOf({12, 3, 201}), 201, 2, 3},
        {"no memory channel", TableOf({203, 201}), 5, std::nullopt, 0},
        {"none without memory channels", TableOf({203}), 0, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const auto shown = ShownChannelNumber(c.table, c.reference);
        EXPECT_EQ(shown, c.shown) << c.what;
        EXPECT_EQ(ChannelReferenceOf(shown), c.storedAtOk) << c.what;
    }
}

TEST(ChannelReferences, ResolveKeepsNoneAndRepairsDeletedChannels) {
    struct Case {
        const char* what;
        ChannelTable table;
        std::uint8_t reference;
        std::uint8_t resolved;
    };
    const std::vector<Case> cases{
        {"present channel kept", TableOf({40, 3, 201, 12}), 3, 3},
        {"deleted channel becomes the last one in slot order", TableOf({40, 3, 201, 12}), 5, 12},
        {"a reference past the memory channels is repaired", TableOf({40, 3, 201, 12}), 255, 12},
        {"none stays none", TableOf({40, 3, 201, 12}), 0, 0},
        {"no memory channel left", TableOf({203, 202}), 5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveChannelReference(c.table, c.reference), c.resolved) << c.what;
    }
}

TEST(ScanRules, RevertChoicesFollowThePriorityPosition) {
    using Positions = std::vector<std::uint8_t>;
    EXPECT_EQ(InitRevertList(0), (Positions{0, 1, 4, 5}));
    EXPECT_EQ(InitRevertList(1), (Positions{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(InitRevertList(2), (Positions{0, 1, 3, 4, 5, 7}));
    EXPECT_EQ(InitRevertList(3), (Positions{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(InitRevertList(-1).empty());
    EXPECT_TRUE(InitRevertList(4).empty());
}

TEST(ScanRules, RevertSelectionKeepsAllowedChoicesOnly) {
    struct Case {
        const char* what;
        int priority;
        int revert;
        std::optional<std::size_t> selection;
        std::uint8_t stored;
    };
    const std::vector<Case> cases{
        {"priority 2 choice after switching to priority 1", 1, 3, 0, 0},
        {"allowed choice kept", 1, 6, 5, 6},
        {"every choice with both priorities", 3, 7, 7, 7},
        {"priority choice without priority sampling", 0, 2, 0, 0},
        {"last-used choice", 0, 5, 3, 5},
        {"value outside the full list", 2, 9, 0, 0},
        {"no priority selected", -1, 3, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RevertSelection(c.priority, c.revert), c.selection) << c.what;
        EXPECT_EQ(RevertChannelAfterPriority(c.priority, c.revert), c.stored) << c.what;
    }
}

TEST(ScanRules, EnablingFollowsScanModeAndPriority) {
    struct Case {
        int scanMode;
        int priority;
        ScanControlStates states;
    };
    const std::vector<Case> cases{
        {0, 3, {false, false, false}}, {1, 0, {true, false, false}}, {1, 1, {true, true, false}},
        {1, 2, {true, false, true}},   {1, 3, {true, true, true}},   {1, -1, {true, false, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanEnabling(c.scanMode, c.priority), c.states)
            << "mode " << c.scanMode << " priority " << c.priority;
    }
}

TEST(ScanRules, ListContents) {
    EXPECT_EQ(ScanModeItems(FakeText), (TextList{"T2430", "T2431"}));
    EXPECT_EQ(PriorityItems(FakeText), (TextList{"T2430", "P1", "P2", "P1 + P2"}));
    EXPECT_EQ(FullRevertItems(FakeText), (TextList{"T2432", "T2432 + T2433", "P1", "P2", "T2434",
                                                   "T2435", "P1 + T2433", "P2 + T2433"}));
    EXPECT_EQ(ScanTypeItems(FakeText), (TextList{"T2436", "T2437", "T2438", "T2439"}));

    struct Numbers {
        TextList items;
        std::size_t size;
        const char* front;
        const char* back;
        int offset;
        int value; // a stored value and the item that shows it
        const char* item;
    };
    const std::vector<Numbers> lists{
        {LookBackTimeItems(), 46, "0.5", "5.0", kLookBackTimeOffset, 23, "2.3"},
        {ResumeDelayItems(), 50, "0.1", "5.0", kResumeDelayOffset, 10, "1.0"},
        {WaitTimeItems(), 254, "50", "6375", kWaitTimeOffset, 4, "100"},
    };
    for (const auto& l : lists) {
        ASSERT_EQ(l.items.size(), l.size);
        EXPECT_EQ(l.items.front(), l.front);
        EXPECT_EQ(l.items.back(), l.back);
        const int position = ListPositionOf(l.value, l.offset, static_cast<int>(l.size));
        EXPECT_EQ(l.items[static_cast<std::size_t>(position)], l.item);
    }
}

TEST(ScanRules, ListPositionFallsBackToTheFirstItem) {
    EXPECT_EQ(ListPositionOf(50, kLookBackTimeOffset, kLookBackTimeCount), 45);
    EXPECT_EQ(ListPositionOf(51, kLookBackTimeOffset, kLookBackTimeCount), 0);
    EXPECT_EQ(ListPositionOf(4, kLookBackTimeOffset, kLookBackTimeCount), 0);
    EXPECT_EQ(ListPositionOf(255, kWaitTimeOffset, kWaitTimeCount), 253);
}

TEST(ScanRules, LoadRepairOnlyTouchesTheEntryTone) {
    for (int tone : {0, 1, 2, 255}) {
        ScanSettings settings = DefaultScanSettings();
        settings.scanEntryTone = static_cast<std::uint8_t>(tone);
        settings.revertChannel = 200;
        RepairScanOnLoad(settings);
        EXPECT_EQ(settings.scanEntryTone, tone == 1 ? 1 : 0) << tone;
        EXPECT_EQ(settings.revertChannel, 200);
    }
}

ScanSettings InRange() {
    ScanSettings s;
    s.scanMode = 0; // scanning off still keeps every other setting
    s.priorityMode = 2;
    s.revertChannel = 7;
    s.lookBackTimeA = 50;
    s.lookBackTimeB = 5;
    s.rxResumeDelay = 1;
    s.txResumeDelay = 50;
    s.scanType = 3;
    s.scanEntryTone = 1;
    s.waitTime = 255;
    s.priority1Group = 0;
    s.priority1Channel = 200;
    s.priority2Group = 3;
    s.priority2Channel = 1;
    return s;
}

TEST(ScanRules, ShownSettingsReplaceWhatTheListsCannotShow) {
    struct Case {
        const char* what;
        ScanSettings stored;
        ChannelTable table;
        ScanSettings shown;
    };
    ScanSettings outside;
    outside.scanMode = 2;
    outside.priorityMode = 4;
    outside.revertChannel = 6;
    outside.lookBackTimeA = 4;
    outside.lookBackTimeB = 51;
    outside.rxResumeDelay = 0;
    outside.txResumeDelay = 51;
    outside.scanType = 4;
    outside.scanEntryTone = 2;
    outside.waitTime = 1;
    outside.priority1Group = 7;
    outside.priority1Channel = 0;
    outside.priority2Group = 9;
    outside.priority2Channel = 150;
    ScanSettings outsideShown;
    outsideShown.lookBackTimeA = 5;
    outsideShown.lookBackTimeB = 5;
    outsideShown.rxResumeDelay = 1;
    outsideShown.txResumeDelay = 1;
    outsideShown.waitTime = 2;
    outsideShown.priority1Group = 7;
    outsideShown.priority1Channel = 3;
    outsideShown.priority2Group = 9;
    outsideShown.priority2Channel = 3;

    // The defaults hold resume delays and a wait time below their lists.
    ScanSettings defaultsShown = DefaultScanSettings();
    defaultsShown.rxResumeDelay = 1;
    defaultsShown.txResumeDelay = 1;
    defaultsShown.waitTime = 2;

    ScanSettings otherPriority = InRange();
    otherPriority.priorityMode = 1;
    ScanSettings otherPriorityShown = otherPriority;
    otherPriorityShown.revertChannel = 0;
    otherPriorityShown.priority1Channel = 0;
    otherPriorityShown.priority2Channel = 0;

    const std::vector<Case> cases{
        {"values inside their lists", InRange(), TableOf({50, 200, 1}), InRange()},
        {"every value outside its list", outside, TableOf({12, 3, 201}), outsideShown},
        {"defaults of a new configuration", DefaultScanSettings(), TableOf({203}), defaultsShown},
        {"revert choice the priority does not allow", otherPriority, TableOf({203}),
         otherPriorityShown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToStoredBytes(ScanSettingsAsShown(c.stored, c.table)), ToStoredBytes(c.shown))
            << c.what;
    }
}

TEST(ScanRules, ResolvingRepairsOnlyThePriorityChannels) {
    ScanSettings settings = InRange();
    settings.priority1Channel = 40;
    settings.priority2Channel = 7;
    ResolveScanChannelRefs(settings, TableOf({40, 3, 203, 12}));
    ScanSettings expected = InRange();
    expected.priority1Channel = 40;
    expected.priority2Channel = 12;
    EXPECT_EQ(ToStoredBytes(settings), ToStoredBytes(expected));

    settings.priority1Channel = 0;
    ResolveScanChannelRefs(settings, TableOf({203}));
    EXPECT_EQ(settings.priority1Channel, 0);
    EXPECT_EQ(settings.priority2Channel, 0);
}

} // namespace
} // namespace kpt740
