#include "core/ChannelCells.h"

#include "core/Encodings.h"
#include "core/Identity.h"

#include <gtest/gtest.h>

namespace kpt740 {
namespace {

std::string Text(int id) {
    return "T" + std::to_string(id);
}

ChannelCells Cells(const ChannelRecord& r) {
    NullMessageSink sink;
    return ChannelRowCells(r, StepList(49), 400, Text, sink);
}

TEST(ChannelCells, NewConfigurationVfoRow) {
    const ChannelCells cells = Cells(DefaultVfoRecord(Identity{}.Limits));
    EXPECT_EQ(cells[0], "445.00000");
    EXPECT_EQ(cells[1], "445.00000");
    EXPECT_EQ(cells[3], "5K");
    EXPECT_EQ(cells[4], "25K");
    EXPECT_EQ(cells[5], "T1202");
    EXPECT_EQ(cells[6], "T1204");
    EXPECT_EQ(cells[7], "T1206");
    EXPECT_EQ(cells[8], "T1206");
    EXPECT_EQ(cells[9], "T1206");
}

TEST(ChannelCells, RulesAndDisplayClamping) {
    struct Case {
        const char* what;
        void (*set)(ChannelRecord&);
        std::size_t column;
        std::string shown;
    };
    const Case cases[] = {
        {"minus shift", [](ChannelRecord& r) { r.ShiftDirection = 1; }, 1, "395.12500"},
        {"plus shift", [](ChannelRecord& r) { r.ShiftDirection = 2; }, 1, "405.12500"},
        {"other shift", [](ChannelRecord& r) { r.ShiftDirection = 7; }, 1, "400.12500"},
        {"step outside the list", [](ChannelRecord& r) { r.StepIndex = 9; }, 3, ""},
        {"bandwidth 12.5K", [](ChannelRecord& r) { r.Bandwidth = 2; }, 4, "12.5K"},
        {"bandwidth too wide", [](ChannelRecord& r) { r.Bandwidth = 9; }, 4, "20K"},
        {"relation 1", [](ChannelRecord& r) { r.SignallingRelation = 1; }, 5, "T1203"},
        {"relation 5", [](ChannelRecord& r) { r.SignallingRelation = 5; }, 5, "T1202"},
        {"power 1", [](ChannelRecord& r) { r.TxPower = 1; }, 6, "T1221"},
        {"power 2", [](ChannelRecord& r) { r.TxPower = 2; }, 6, "T1205"},
        {"power 3", [](ChannelRecord& r) { r.TxPower = 3; }, 6, "T1204"},
        {"DCS inverted",
         [](ChannelRecord& r) {
             r.DecodeToneType = 2;
             r.DecodeToneDcs = 19;
             r.DecodeToneInverted = 1;
         },
         7, "D023I"},
        {"DCS beyond 511",
         [](ChannelRecord& r) {
             r.EncodeToneType = 2;
             r.EncodeToneDcs = 600;
         },
         8, "D000N"},
        {"CTCSS beyond 50",
         [](ChannelRecord& r) {
             r.EncodeToneType = 1;
             r.EncodeToneCtcss = 51;
         },
         8, "62.5"},
        {"DTMF M1", [](ChannelRecord& r) { r.Signalling = 1; }, 9, "DTMF M1"},
        {"2-Tone",
         [](ChannelRecord& r) {
             r.Signalling = 2;
             r.TwoToneEntry = 7;
         },
         9, "2tone 7"},
        {"5-Tone",
         [](ChannelRecord& r) {
             r.Signalling = 3;
             r.FiveToneEntry = 12;
         },
         9, "5tone 12"},
    };
    for (const auto& c : cases) {
        ChannelRecord r = BlankChannel(1);
        r.InUse = 1;
        r.RxFrequency = "040012500";
        r.Offset = "000500000";
        c.set(r);
        EXPECT_EQ(Cells(r)[c.column], c.shown) << c.what;
    }
}

TEST(ChannelCells, Labels) {
    EXPECT_EQ(ChannelLabel(1), "0");
    EXPECT_EQ(ChannelLabel(200), "199");
    EXPECT_EQ(ChannelLabel(201), "PA");
    EXPECT_EQ(ChannelLabel(202), "PB");
    EXPECT_EQ(ChannelLabel(203), "VFO");
}

} // namespace
} // namespace kpt740
