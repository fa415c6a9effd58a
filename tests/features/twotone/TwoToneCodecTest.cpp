#include "features/twotone/TwoToneCodec.h"

#include "ImageHelpers.h"
#include "core/ChannelTable.h"
#include "core/ImageRegions.h"
#include "core/RadioImage.h"
#include "core/StoredRecord.h"
#include "features/twotone/TwoToneSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace kpt740 {
namespace {

using test::Blank;
using test::Bytes;

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr std::size_t kEntryBase = 2816;

// Every header byte distinct, every entry different, some empty, names of every length.
TwoToneSettings RichSettings() {
    TwoToneSettings s;
    std::uint8_t seed = 1;
    TwoToneSettings::forEachMember(s, [&seed](auto& m) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(m)>, std::uint8_t>) {
            m = seed;
            seed = static_cast<std::uint8_t>(seed + 9);
        }
    });
    s.format = 13;
    for (std::size_t i = 0; i < s.codes.size(); ++i) {
        TwoToneCode& c = s.codes[i];
        const auto b = static_cast<std::uint8_t>(i * 7);
        c.isEmpty = i % 3 == 1 ? 1 : 0;
        c.divider1High = b;
        c.divider1Low = static_cast<std::uint8_t>(b + 1);
        c.divider2High = static_cast<std::uint8_t>(b + 2);
        c.divider2Low = static_cast<std::uint8_t>(b + 3);
        c.tone1High = static_cast<std::uint8_t>(b + 4);
        c.tone1Low = static_cast<std::uint8_t>(b + 5);
        c.tone2High = static_cast<std::uint8_t>(255 - b);
        c.tone2Low = static_cast<std::uint8_t>(200 + i);
        c.name = std::string("ABCDEFG").substr(0, i % 8);
    }
    return s;
}

TEST(TwoToneSettings, StoredFormKeepsTheDeclaredOrderHighBytesFirst) {
    const auto bytes = ToStoredBytes(DefaultTwoToneSettings());
    ASSERT_EQ(bytes.size(), 568u);
    const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 24);
    EXPECT_THAT(header, ElementsAre(12, 145, 36, 65, 0, 58, 72, 20, 52, 0, 0, 0, 145, 12, 65, 36,
                                    121, 24, 214, 79, 5, 5, 10, 0));
    // Entry 0: isEmpty 0 as a little-endian word, the eight bytes, a name of seven NULs.
    const std::vector<std::uint8_t> entry0(bytes.begin() + 24, bytes.begin() + 41);
    EXPECT_THAT(entry0, ElementsAre(0, 0, 58, 72, 20, 52, 12, 145, 36, 65, 0, 0, 0, 0, 0, 0, 0));
    const std::vector<std::uint8_t> entry1(bytes.begin() + 41, bytes.begin() + 58);
    EXPECT_THAT(entry1, ElementsAre(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
}

TEST(TwoToneCodec, DefaultsEncodeToTheRadiosHeaderBitmapAndEntries) {
    RadioImage image = Blank();
    RecordingMessageSink sink;
    EncodeContext context(sink);
    SetCommDataBy2Tone(DefaultTwoToneSettings(), image, context);
    EXPECT_TRUE(context.ok());
    EXPECT_TRUE(sink.messages().empty());

    EXPECT_THAT(Bytes(image, 768, 24), ElementsAre(0x91, 0x0C, 0x41, 0x24, 0x48, 0x3A, 0x34, 0x14,
                                                   0x00, 0x05, 0x05, 0x0A, 0x00, 0x00, 0x00, 0x00,
                                                   0x0C, 0x91, 0x24, 0x41, 0x18, 0x79, 0x4F, 0xD6));
    EXPECT_THAT(Bytes(image, 896, 4), ElementsAre(0xFE, 0xFF, 0xFF, 0xFF));
    EXPECT_THAT(Bytes(image, kEntryBase, 16), ElementsAre(0x48, 0x3A, 0x34, 0x14, 0x91, 0x0C, 0x41,
                                                          0x24, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(Bytes(image, kEntryBase + 16, 31 * 16), Each(0x00));
}

TEST(TwoToneCodec, EncoderTouchesOnlyItsThreeAreas) {
    RadioImage image = Blank();
    const RadioImage before = image;
    NullMessageSink sink;
    EncodeContext context(sink);
    SetCommDataBy2Tone(RichSettings(), image, context);
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        const bool inside = (a >= 768 && a <= 791) || (a >= 896 && a <= 899) ||
                            (a >= kEntryBase && a <= 3327 && (a - kEntryBase) % 16 != 15);
        if (!inside) {
            ASSERT_EQ(image.at(a), before.at(a)) << "address " << a;
        }
    }
}

TEST(TwoToneCodec, NamesAreWrittenSpacePaddedOrAsZeros) {
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {"Ab", {'A', 'b', ' ', ' ', ' ', ' ', ' '}},
        {"", {0, 0, 0, 0, 0, 0, 0}},
        {"       ", {0, 0, 0, 0, 0, 0, 0}},
        {std::string("Ab\0xy", 5), {'A', 'b', ' ', ' ', ' ', ' ', ' '}},
        {std::string(1, '\0'), {0, 0, 0, 0, 0, 0, 0}},
        {"A b", {'A', ' ', 'b', ' ', ' ', ' ', ' '}},
        {"Seven7!", {'S', 'e', 'v', 'e', 'n', '7', '!'}},
        {"\xB0\xE9", {0xB0, 0xE9, ' ', ' ', ' ', ' ', ' '}},
    };
    for (const auto& c : cases) {
        TwoToneSettings s = DefaultTwoToneSettings();
        s.codes[5].name = c.name;
        RadioImage image = Blank();
        NullMessageSink sink;
        EncodeContext context(sink);
        SetCommDataBy2Tone(s, image, context);
        EXPECT_THAT(Bytes(image, kEntryBase + 5 * 16 + 8, 7), ElementsAreArray(c.bytes))
            << "name \"" << c.name << "\"";
        EXPECT_EQ(image.at(kEntryBase + 5 * 16 + 15), 0x00);
    }
}

TEST(TwoToneCodec, NamesAreReadUpToTheirTerminator) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string raw; // the 7-character field after decoding
    };
    const std::vector<Case> cases = {
        {{'A', 'b', 0, 'x', 'y', 'z', 'w'}, std::string("Ab\0    ", 7)},
        {{'A', 'b', 0xFF, 'x', 'y', 'z', 'w'}, std::string("Ab\0    ", 7)},
        {{0, 0, 0, 0, 0, 0, 0}, std::string("\0      ", 7)},
        {{0xFF, 'A', 'B', 'C', 'D', 'E', 'F'}, std::string("\0      ", 7)},
        {{'A', 'b', ' ', ' ', ' ', ' ', ' '}, "Ab     "},
        {{'1', '2', '3', '4', '5', '6', '7'}, "1234567"},
        {{0x80, 0xFE, 'z', 0, 0, 0, 0}, std::string("\x80\xFEz\0   ", 7)},
    };
    for (const auto& c : cases) {
        RadioImage image = Blank();
        image.write(kEntryBase + 31 * 16 + 8, c.bytes);
        image.set(kEntryBase + 31 * 16 + 15, 'X'); // not part of the name
        TwoToneSettings s = DefaultTwoToneSettings();
        GetCommDataBy2Tone(image, s);
        EXPECT_EQ(s.codes[31].name.raw(), c.raw);
    }
    RadioImage image = Blank();
    image.write(kEntryBase + 8, std::vector<std::uint8_t>{'A', 'b', 0, 0, 0, 0, 0});
    TwoToneSettings s;
    GetCommDataBy2Tone(image, s);
    EXPECT_EQ(s.codes[0].name.value(), "Ab");
}

TEST(TwoToneCodec, BitmapBitsMapToEntriesInBothDirections) {
    TwoToneSettings s = DefaultTwoToneSettings();
    s.codes[0].isEmpty = 1;
    s.codes[7].isEmpty = 0;
    s.codes[9].isEmpty = 0;
    s.codes[31].isEmpty = 0;
    s.codes[20].isEmpty = 5; // anything but 0 counts as empty
    RadioImage image = Blank();
    NullMessageSink sink;
    EncodeContext context(sink);
    SetCommDataBy2Tone(s, image, context);
    EXPECT_THAT(Bytes(image, 896, 4), ElementsAre(0x7F, 0xFD, 0xFF, 0x7F));

    TwoToneSettings decoded;
    GetCommDataBy2Tone(image, decoded);
    for (int i = 0; i < kTwoToneEntryCount; ++i) {
        const bool inUse = i == 7 || i == 9 || i == 31;
        EXPECT_EQ(decoded.codes[static_cast<std::size_t>(i)].isEmpty, inUse ? 0 : 1) << i;
        EXPECT_EQ(TwoToneEntryInUse(decoded.codes[static_cast<std::size_t>(i)]), inUse) << i;
    }
}

TEST(TwoToneCodec, EncodingIntoAnImageNotFreshlyBlankedStillGivesTheBitmap) {
    const TwoToneSettings s = RichSettings();
    RadioImage once = Blank();
    NullMessageSink sink;
    EncodeContext context(sink);
    SetCommDataBy2Tone(s, once, context);
    RadioImage twice = once;
    SetCommDataBy2Tone(s, twice, context);
    EXPECT_EQ(twice, once);

    RadioImage dirty = Blank();
    dirty.fill(896, 899, 0x00);
    SetCommDataBy2Tone(s, dirty, context);
    EXPECT_EQ(Bytes(dirty, 896, 4), Bytes(once, 896, 4));
}

TEST(TwoToneCodec, FormatBeyondTheListReadsAsTheFirstFormat) {
    struct Case {
        std::uint8_t stored;
        std::uint8_t read;
    };
    for (const Case c : {Case{0, 0}, Case{14, 14}, Case{15, 0}, Case{0xFF, 0}}) {
        RadioImage image = Blank();
        image.set(783, c.stored);
        TwoToneSettings s;
        GetCommDataBy2Tone(image, s);
        EXPECT_EQ(s.format, c.read) << int{c.stored};
    }
}

TEST(TwoToneCodec, DecoderReadsEveryHeaderByteIntoItsMember) {
    RadioImage image = Blank();
    for (std::size_t i = 0; i < 24; ++i) {
        image.set(768 + i, static_cast<std::uint8_t>(100 + i));
    }
    image.set(783, 3); // format must stay inside the list to be read as is
    TwoToneSettings s;
    GetCommDataBy2Tone(image, s);
    EXPECT_EQ(s.ownTone1Low, 100);
    EXPECT_EQ(s.ownTone1High, 101);
    EXPECT_EQ(s.ownTone2Low, 102);
    EXPECT_EQ(s.ownTone2High, 103);
    EXPECT_EQ(s.ownDivider1Low, 104);
    EXPECT_EQ(s.ownDivider1High, 105);
    EXPECT_EQ(s.ownDivider2Low, 106);
    EXPECT_EQ(s.ownDivider2High, 107);
    EXPECT_EQ(s.decodeResponse, 108);
    EXPECT_EQ(s.time1, 109);
    EXPECT_EQ(s.time2, 110);
    EXPECT_EQ(s.time3, 111);
    EXPECT_EQ(s.time4, 112);
    EXPECT_EQ(s.intervalC, 113);
    EXPECT_EQ(s.sideTone, 114);
    EXPECT_EQ(s.format, 3);
    EXPECT_EQ(s.toneAHigh, 116);
    EXPECT_EQ(s.toneALow, 117);
    EXPECT_EQ(s.toneBHigh, 118);
    EXPECT_EQ(s.toneBLow, 119);
    EXPECT_EQ(s.toneCHigh, 120);
    EXPECT_EQ(s.toneCLow, 121);
    EXPECT_EQ(s.toneDHigh, 122);
    EXPECT_EQ(s.toneDLow, 123);
}

TEST(TwoToneCodec, RichRecordSurvivesEncodeDecodeEncode) {
    const TwoToneSettings original = RichSettings();
    RadioImage first = Blank();
    RecordingMessageSink sink;
    EncodeContext context(sink);
    SetCommDataBy2Tone(original, first, context);
    ASSERT_TRUE(context.ok());

    TwoToneSettings decoded = DefaultTwoToneSettings();
    GetCommDataBy2Tone(first, decoded);
    EXPECT_TRUE(SameTwoToneSettings(decoded, original));
    // Empty entries keep their bytes and names too: all 32 are written.
    EXPECT_EQ(decoded.codes[1].tone2Low, original.codes[1].tone2Low);
    EXPECT_EQ(decoded.codes[4].name.value(), "ABCD");

    RadioImage second = Blank();
    SetCommDataBy2Tone(decoded, second, context);
    EXPECT_EQ(second, first);
    EXPECT_TRUE(context.ok());
}

TEST(TwoToneCodec, DecoderReplacesTheWholeRecord) {
    TwoToneSettings s = RichSettings();
    GetCommDataBy2Tone(Blank(), s);
    // The blank fill: header zero, bitmap all set, entries zero, names empty.
    EXPECT_EQ(s.ownTone1High, 0);
    EXPECT_EQ(s.time3, 0);
    for (const auto& code : s.codes) {
        EXPECT_EQ(code.isEmpty, 1);
        EXPECT_EQ(code.tone1Low, 0);
        EXPECT_EQ(code.name.value(), "");
    }
}

TEST(TwoToneCodec, DecoderTakesAnyImage) {
    std::mt19937 random(740);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        RadioImage image;
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            image.set(a, static_cast<std::uint8_t>(byte(random)));
        }
        TwoToneSettings s;
        GetCommDataBy2Tone(image, s);
        EXPECT_LE(s.format, 14);
        RadioImage again = Blank();
        NullMessageSink sink;
        EncodeContext context(sink);
        SetCommDataBy2Tone(s, again, context);
        EXPECT_TRUE(context.ok());
    }
}

TEST(TwoToneSettings, SameComparesNamesByTheirValue) {
    const TwoToneSettings base = RichSettings();
    TwoToneSettings other = base;
    other.codes[3].name = std::string("ABC\0zz", 6);
    EXPECT_TRUE(SameTwoToneSettings(base, other));
    other.codes[3].name = "ABC  ";
    EXPECT_TRUE(SameTwoToneSettings(base, other));
    other.codes[3].name = "ABD";
    EXPECT_FALSE(SameTwoToneSettings(base, other));

    other = base;
    other.toneDLow = static_cast<std::uint8_t>(other.toneDLow + 1);
    EXPECT_FALSE(SameTwoToneSettings(base, other));
    other = base;
    other.codes[31].isEmpty = 1 - other.codes[31].isEmpty;
    EXPECT_FALSE(SameTwoToneSettings(base, other));
}

TEST(TwoToneSettings, DefaultEntryZeroIsTheOnlyEntryInUse) {
    const TwoToneSettings s = DefaultTwoToneSettings();
    EXPECT_TRUE(TwoToneEntryInUse(s.codes[0]));
    for (std::size_t i = 1; i < s.codes.size(); ++i) {
        EXPECT_FALSE(TwoToneEntryInUse(s.codes[i]));
    }
    // What a channel table revalidation makes of references into the table.
    auto inUse = [](const TwoToneCode& c) { return TwoToneEntryInUse(c); };
    EXPECT_EQ(FirstUsableEntry(s.codes, 0, inUse), 0);
    EXPECT_EQ(FirstUsableEntry(s.codes, 9, inUse), 0);
    TwoToneSettings t = s;
    t.codes[0].isEmpty = 1;
    t.codes[12].isEmpty = 0;
    t.codes[20].isEmpty = 0;
    EXPECT_EQ(FirstUsableEntry(t.codes, 0, inUse), 12);
    EXPECT_EQ(FirstUsableEntry(t.codes, 20, inUse), 20);
}

} // namespace
} // namespace kpt740
