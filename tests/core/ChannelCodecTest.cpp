#include "core/ChannelCodec.h"

#include "TestChannels.h"
#include "core/Identity.h"
#include "core/ImageRegions.h"

#include <gtest/gtest.h>
#include <random>

namespace kpt740 {
namespace {

constexpr std::size_t kVfo = 704;
constexpr std::size_t kChannel1 = 8192;

struct Encoded {
    RadioImage image;
    RecordingMessageSink sink;
    bool ok = true;
};

std::unique_ptr<Encoded> Encode(ChannelTable& table) {
    auto out = std::make_unique<Encoded>();
    BlankImage(out->image);
    EncodeContext context(out->sink);
    SetCommDataByFrequency(table, out->image, context);
    out->ok = context.ok();
    return out;
}

ChannelTable DecodeFresh(const RadioImage& image) {
    ChannelTable table;
    table.Slots[0] = DefaultVfoRecord(Identity{}.Limits);
    table.Count = 1;
    DecodeChannels(image, table);
    return table;
}

TEST(ChannelEncoder, VfoAloneTouchesOnlyItsRecord) {
    ChannelTable table;
    table.append(DefaultVfoRecord(Identity{}.Limits));
    auto out = Encode(table);
    ASSERT_TRUE(out->ok);
    RadioImage blank;
    BlankImage(blank);
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        if (a >= kVfo && a < kVfo + 31) {
            continue;
        }
        ASSERT_EQ(out->image.at(a), blank.at(a)) << "address " << a;
    }
    const std::vector<std::uint8_t> expected = {0x04, 0x45, 0x00, 0x00, 0, 0,  0,
                                                0,    0,    0,    0,    0, 20, 20};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(out->image.at(kVfo + i), expected[i]) << "+" << i;
    }
    for (std::size_t i = 19; i < 26; ++i) {
        EXPECT_EQ(out->image.at(kVfo + i), 0x00) << "empty name +" << i;
    }
}

TEST(ChannelEncoder, BitmapsOfFirstAndLastPositions) {
    ChannelTable table;
    auto first = test::RichChannel(1);
    first.ScanSkip = 0;
    auto pb = test::RichChannel(202);
    pb.ScanSkip = 0;
    auto skipped = test::RichChannel(9);
    skipped.ScanSkip = 1;
    table.append(first);
    table.append(pb);
    table.append(skipped);
    auto out = Encode(table);
    ASSERT_TRUE(out->ok);
    EXPECT_EQ(out->image.at(256), 0xFE);
    EXPECT_EQ(out->image.at(288), 0xFE);
    EXPECT_EQ(out->image.at(281), 0xFD);
    EXPECT_EQ(out->image.at(313), 0xFD);
    EXPECT_EQ(out->image.at(257), 0xFE); // position 9 present
    EXPECT_EQ(out->image.at(289), 0xFF); // ... but skipped
    for (std::size_t a = 282; a < 288; ++a) {
        EXPECT_EQ(out->image.at(a), 0xFF);
    }
}

TEST(ChannelEncoder, PacksFieldsAsTheRadioExpects) {
    ChannelRecord r = BlankChannel(1);
    r.InUse = 1;
    r.RxFrequency = "040000625";
    r.Offset = "000500000";
    r.ShiftDirection = 2;
    r.TxPower = 2;
    r.EncodeToneDcs = 0x1FF;
    r.DecodeToneDcs = 19;
    r.Name = "AB";
    r.PttIdCode = "12";
    r.DtmfPttId = 3;
    r.FiveTonePttId = 2;
    r.DtmfCode = 15;
    r.EncodeToneType = 2;
    r.DecodeToneType = 1;
    ChannelTable table;
    table.append(r);
    auto out = Encode(table);
    ASSERT_TRUE(out->ok);
    const auto& img = out->image;
    EXPECT_EQ(img.at(kChannel1 + 0), 0x04);
    EXPECT_EQ(img.at(kChannel1 + 3), 0x62);
    EXPECT_EQ(img.at(kChannel1 + 5), 0x05);
    EXPECT_EQ(img.at(kChannel1 + 10), 0x0B);
    EXPECT_EQ(img.at(kChannel1 + 14), 0xFF);
    EXPECT_EQ(img.at(kChannel1 + 9) & 0x20, 0x20);
    EXPECT_EQ(img.at(kChannel1 + 15), 19);
    EXPECT_EQ(img.at(kChannel1 + 11), 0xF6);
    EXPECT_EQ(img.at(kChannel1 + 28), 0x23);
    const std::uint8_t name[] = {0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(img.at(kChannel1 + 19 + i), name[i]);
    }
    const std::uint8_t ptt[] = {1, 2, 0, 0, 0};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(img.at(1536 + i), ptt[i]);
    }
    EXPECT_EQ(img.at(kChannel1 + 31), 0x00); // byte 31 is never written
    EXPECT_EQ(table.Slots[0].EncodeToneHighBit, 1);
    EXPECT_EQ(table.Slots[0].DecodeToneHighBit, 0);

    const ChannelTable decoded = DecodeFresh(img);
    ASSERT_EQ(decoded.Count, 2); // the VFO has no in-use bit: its zero bytes read as 0 MHz
    EXPECT_EQ(decoded.Slots[1].Position, 203);
    const ChannelRecord& d = decoded.Slots[0];
    EXPECT_EQ(d.ShiftDirection, 2);
    EXPECT_EQ(d.TxPower, 2);
    EXPECT_EQ(d.EncodeToneDcs, 511);
    EXPECT_EQ(d.RxFrequency.value(), "040000625");
    EXPECT_EQ(d.Name.raw(), std::string("AB\0    ", 7));
    EXPECT_EQ(d.PttIdCode.value(), "12000");
}

TEST(ChannelEncoder, InternalErrorsClearTheFlagWithTheEncoderMessage) {
    struct Case {
        const char* what;
        void (*spoil)(ChannelRecord&);
    };
    const Case cases[] = {
        {"step wider than a byte", [](ChannelRecord& r) { r.StepIndex = 300; }},
        {"negative tone index", [](ChannelRecord& r) { r.EncodeToneCtcss = -1; }},
        {"flags spill over byte 9", [](ChannelRecord& r) { r.PttIdDecode = 4; }},
        {"PTT ID digit not hexadecimal", [](ChannelRecord& r) { r.PttIdCode = "12G"; }},
        {"receive frequency not a digit", [](ChannelRecord& r) { r.RxFrequency = "04x000000"; }},
        {"position outside the table", [](ChannelRecord& r) { r.Position = 204; }},
    };
    for (const auto& c : cases) {
        ChannelTable table;
        ChannelRecord r = test::RichChannel(3);
        c.spoil(r);
        table.append(r);
        auto out = Encode(table);
        EXPECT_FALSE(out->ok) << c.what;
        EXPECT_TRUE(out->sink.contains(Message::Literal("SetCommDataByFrequencyError"))) << c.what;
    }
}

TEST(ChannelDecoder, ReadsTheShiftAndPowerCodesAndSkipsBadChannels) {
    RadioImage image;
    BlankImage(image);
    auto place = [&image](int position, std::uint8_t flags10, std::uint8_t lastRxByte) {
        const std::size_t a = *ChannelAddress(position);
        const std::uint8_t rx[] = {0x04, 0x00, 0x12, lastRxByte};
        image.write(a, rx);
        image.set(a + 10, flags10);
        const int j = position - 1;
        image.set(256 + static_cast<std::size_t>(j / 8),
                  static_cast<std::uint8_t>(image.at(256 + static_cast<std::size_t>(j / 8)) &
                                            ~(1 << (j % 8))));
    };
    place(1, 0x01, 0x50); // shift bits 1 read as none
    place(2, 0x0E, 0x50); // shift 2 (minus) -> 1, power 3 -> 2
    place(3, 0x0B, 0x5A); // not BCD: absent
    place(201, 0x03, 0x50);
    image.write(1536 + 5, std::vector<std::uint8_t>{1, 0x20, 0xFF, 15, 0});

    const ChannelTable table = DecodeFresh(image);
    ASSERT_EQ(table.Count, 4); // 1, 2, PA and the VFO, in increasing position order
    EXPECT_EQ(table.Slots[0].ShiftDirection, 0);
    EXPECT_EQ(table.Slots[1].ShiftDirection, 1);
    EXPECT_EQ(table.Slots[1].TxPower, 2);
    EXPECT_EQ(table.Slots[1].PttIdCode.value(), "100F0");
    EXPECT_EQ(table.Slots[2].Position, 201);
    EXPECT_EQ(table.Slots[2].ShiftDirection, 2);
    EXPECT_EQ(table.Slots[3].Position, 203);
    EXPECT_EQ(table.Slots[3].RxFrequency.value(), "000000000");
    EXPECT_EQ(table.Slots[3].ScanSkip, 0); // the VFO keeps the value of the blank slot it fills
}

TEST(ChannelCodec, FullTableRoundTripReproducesTheImage) {
    ChannelTable table;
    for (int p = 1; p <= kChannelSlots; ++p) {
        ASSERT_TRUE(table.append(test::RichChannel(p, p * 7)));
    }
    auto first = Encode(table);
    ASSERT_TRUE(first->ok);

    ChannelTable decoded = DecodeFresh(first->image);
    ASSERT_EQ(decoded.Count, kChannelSlots);
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        const auto& d = decoded.Slots[static_cast<std::size_t>(slot)];
        const auto& o = *table.find(d.Position);
        EXPECT_EQ(d.RxFrequency, o.RxFrequency) << d.Position;
        EXPECT_EQ(d.EncodeToneDcs, o.EncodeToneDcs) << d.Position;
        EXPECT_EQ(d.SpareByte, o.SpareByte) << d.Position;
    }
    auto second = Encode(decoded);
    ASSERT_TRUE(second->ok);
    EXPECT_TRUE(first->image == second->image);
}

TEST(ChannelDecoder, AnyImageDecodesAndReencodesWithoutFault) {
    std::mt19937 random(740);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        RadioImage image;
        const int mode = round % 3;
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            int value = byte(random);
            if (mode == 1 && (a < 256 || a >= 512)) {
                value = (value % 10) * 16 + (value / 26) % 10; // mostly valid BCD
            }
            image.set(a, static_cast<std::uint8_t>(value));
        }
        if (mode == 2) {
            image.fill(256, 313, 0x00); // every channel claims to be present
        }
        ChannelTable table = DecodeFresh(image);
        ASSERT_LE(table.Count, kChannelSlots);
        for (const auto& r : table.used()) {
            ASSERT_GE(r.Position, 1);
            ASSERT_LE(r.Position, 203);
        }
        RadioImage again;
        BlankImage(again);
        NullMessageSink sink;
        EncodeContext context(sink);
        SetCommDataByFrequency(table, again, context); // may refuse wide values, never crash
    }
}

} // namespace
} // namespace kpt740
