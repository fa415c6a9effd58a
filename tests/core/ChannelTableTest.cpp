#include "core/ChannelTable.h"

#include "TestChannels.h"
#include "core/Identity.h"

#include <gtest/gtest.h>

namespace kpt740 {
namespace {

ChannelTable TableOf(std::initializer_list<int> positions) {
    ChannelTable table;
    for (int p : positions) {
        EXPECT_TRUE(table.append(test::RichChannel(p, p)));
    }
    return table;
}

TEST(ChannelTable, LookupByPositionInSlotOrder) {
    ChannelTable table = TableOf({5, 203, 1});
    EXPECT_EQ(table.FindChannel(203), 1);
    EXPECT_EQ(table.FindChannel(2), std::nullopt);
    EXPECT_TRUE(table.ChannelExists(1));
    EXPECT_TRUE(table.ChannelInUse(5));
    table.Slots[0].InUse = 0;
    EXPECT_TRUE(table.ChannelExists(5));
    EXPECT_FALSE(table.ChannelInUse(5));
    // Slots beyond the count are not part of the table.
    table.Slots[3] = test::RichChannel(9);
    EXPECT_FALSE(table.ChannelExists(9));
}

TEST(ChannelTable, DeleteClosesTheGapAndIgnoresUnknownPositions) {
    ChannelTable table = TableOf({5, 6, 7});
    table.DeleteChannel(6);
    ASSERT_EQ(table.Count, 2);
    EXPECT_EQ(table.Slots[0].Position, 5);
    EXPECT_EQ(table.Slots[1].Position, 7);
    table.DeleteChannel(99);
    EXPECT_EQ(table.Count, 2);
}

TEST(ChannelTable, AppendStopsWhenEverySlotIsTaken) {
    ChannelTable table;
    for (int p = 1; p <= kChannelSlots; ++p) {
        ASSERT_TRUE(table.append(BlankChannel(p)));
    }
    EXPECT_FALSE(table.append(BlankChannel(1)));
    EXPECT_EQ(table.Count, kChannelSlots);
    table.Count = 500; // a damaged count never reaches past the slots
    EXPECT_EQ(table.used().size(), static_cast<std::size_t>(kChannelSlots));
    table.Count = -4;
    EXPECT_TRUE(table.used().empty());
    EXPECT_FALSE(table.ChannelExists(1));
}

TEST(ChannelTable, ResolveChannelNumberFallsBackToTheLastMemoryChannel) {
    const ChannelTable table = TableOf({203, 12, 40, 201, 3});
    EXPECT_EQ(table.ResolveChannelNumber(40), 40);
    EXPECT_EQ(table.ResolveChannelNumber(41), 3);
    EXPECT_EQ(table.ResolveChannelNumber(201), 3); // PA is no memory channel
    EXPECT_EQ(TableOf({203, 202}).ResolveChannelNumber(1), 0);
}

TEST(ChannelClipboard, CopyCutAndPaste) {
    ChannelTable table = TableOf({1, 2, 203});
    ChannelClipboard clipboard;
    EXPECT_EQ(clipboard.buffer().InUse, 0);

    clipboard.CopyChannel(table, 2);
    clipboard.PasteChannel(table, 10); // new position: appended
    ASSERT_EQ(table.Count, 4);
    EXPECT_EQ(table.Slots[3].Position, 10);
    EXPECT_EQ(table.Slots[3].Name.value(), table.Slots[1].Name.value());

    clipboard.CutChannel(table, 1);
    EXPECT_FALSE(table.ChannelExists(1));
    clipboard.PasteChannel(table, 2); // existing position: overwritten in place
    EXPECT_EQ(table.Count, 3);
    EXPECT_EQ(table.find(2)->Name.value(), "CH1");

    clipboard.CopyChannel(table, 150); // nothing there: the clipboard empties
    EXPECT_EQ(clipboard.buffer().InUse, 0);
    clipboard.PasteChannel(table, 2); // pasting emptiness clears the target
    EXPECT_FALSE(table.ChannelExists(2));
    clipboard.CutChannel(table, 150);
    EXPECT_EQ(table.Count, 2);
}

TEST(ChannelTable, FirstUsableEntry) {
    const std::vector<int> firstWords{1, 1, 0, 1, 0};
    auto inUse = [](int word) { return word == 0; };
    EXPECT_EQ(FirstUsableEntry(firstWords, 4, inUse), 4);
    EXPECT_EQ(FirstUsableEntry(firstWords, 3, inUse), 2);
    EXPECT_EQ(FirstUsableEntry(firstWords, 77, inUse), 2);
    EXPECT_EQ(FirstUsableEntry(std::vector<int>{1, 1}, 1, inUse), 0);
}

TEST(DefaultVfo, MiddleOfTheReceiveBand) {
    struct Case {
        int band;
        std::string rx;
    };
    for (const auto& c : {Case{49, "044500000"}, Case{2, "015500000"}, Case{16, "024550000"}}) {
        const ChannelRecord vfo = DefaultVfoRecord(ParseBandText(BandTextOfCode(c.band)));
        EXPECT_EQ(vfo.RxFrequency.value(), c.rx) << "band " << c.band;
        EXPECT_EQ(vfo.Position, 203);
        EXPECT_EQ(vfo.InUse, 1);
        EXPECT_EQ(vfo.ScanSkip, 1);
        EXPECT_EQ(vfo.DecodeToneCtcss, 20);
        EXPECT_EQ(vfo.EncodeToneCtcss, 20);
        EXPECT_EQ(vfo.EncodeToneType, 0);
        EXPECT_EQ(vfo.Offset.value(), "000000000");
        EXPECT_EQ(vfo.Name.value(), "");
        EXPECT_EQ(vfo.PttIdCode.value(), "00000");
    }
}

} // namespace
} // namespace kpt740
