#include "config/Configuration.h"

#include "config/ConfigurationCodec.h"
#include "core/ChannelCodec.h"
#include "core/Identity.h"

#include <gtest/gtest.h>
#include <random>

namespace kpt740 {
namespace {

Configuration Default49() {
    const Identity identity;
    return DefaultConfiguration(identity.BandCode, identity.Limits);
}

TEST(Configuration, StoredLayoutOfTheDataFile) {
    static_assert(StoredSize<Configuration>() == 8586);
    Configuration c = Default49();
    c.BandCode = 49;
    c.Channels.Count = 0x0102;
    c.decodeTime = 0xAB;
    const auto bytes = ToStoredBytes(c);
    ASSERT_EQ(bytes.size(), 8586u);
    EXPECT_EQ(bytes[0], 49);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[6791], 0x02);
    EXPECT_EQ(bytes[6792], 0x01);
    EXPECT_EQ(bytes[8585], 0xAB);
    const auto option = ToStoredBytes(c.Option);
    EXPECT_TRUE(std::equal(option.begin(), option.end(), bytes.begin() + 6704));
    const auto book = ToStoredBytes(c.Book);
    ASSERT_EQ(book.size(), 1792u);
    EXPECT_TRUE(std::equal(book.begin(), book.end(), bytes.begin() + 6793));
}

TEST(Configuration, DefaultsEncodeToTheDocumentedBytes) {
    Configuration c = Default49();
    RadioImage image;
    BlankImage(image);
    RecordingMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(c, image, context);
    ASSERT_TRUE(context.ok());
    EXPECT_TRUE(sink.messages().empty());
    const std::uint8_t vfo[] = {0x04, 0x45, 0x00, 0x00};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(image.at(704 + i), vfo[i]);
    }
    const std::string welcome = "Welcome";
    for (std::size_t i = 0; i < welcome.size(); ++i) {
        EXPECT_EQ(image.at(992 + i), welcome[i]);
    }
    for (std::size_t i = 528; i < 534; ++i) {
        EXPECT_EQ(image.at(i), 0x00);
    }
    for (std::size_t a = 256; a < 512; ++a) {
        ASSERT_EQ(image.at(a), 0xFF) << a; // no channel but the VFO: no bitmap bit cleared
    }
    for (std::size_t a = 0; a < 256; ++a) {
        ASSERT_EQ(image.at(a), 0x00) << a; // nothing below 256 is ever written
    }
}

// Random images decode into configurations with every feature populated. Whatever encodes is
// then a fixed point: decode -> encode gives the very same bytes again.
TEST(Configuration, EncodeDecodeEncodeIsStableForRichConfigurations) {
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> byte(0, 255);
    int stable = 0;
    for (int round = 0; round < 300; ++round) {
        RadioImage image;
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            int value = byte(random);
            if (round % 2 == 0) {
                value %= 16; // small values fit every field
            }
            image.set(a, static_cast<std::uint8_t>(value));
        }
        image.fill(256, 313, static_cast<std::uint8_t>(round % 4 == 0 ? 0x00 : byte(random)));

        auto decodeEncode = [](const RadioImage& from, RadioImage& to) {
            Configuration c = Default49();
            c.Channels.Count = 0;
            EmbeddedInfo info;
            DecodeAll(from, c, info);
            BlankImage(to);
            NullMessageSink sink;
            EncodeContext context(sink);
            EncodeAll(c, to, context);
            return context.ok();
        };
        RadioImage first;
        if (!decodeEncode(image, first)) {
            continue;
        }
        RadioImage second;
        ASSERT_TRUE(decodeEncode(first, second)) << "round " << round;
        ASSERT_TRUE(first == second) << "round " << round;
        ++stable;
    }
    EXPECT_GT(stable, 50); // many small-valued images encode
}

TEST(Configuration, EncodeAllStopsTheLaterEncodersAfterAFailure) {
    Configuration c = Default49();
    c.Channels.Slots[0].StepIndex = 999;
    RadioImage image;
    BlankImage(image);
    RecordingMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(c, image, context);
    EXPECT_FALSE(context.ok());
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0], Message::Literal("SetCommDataByFrequencyError"));
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(image.at(992 + i), 0x00); // the optional features were never encoded
    }
}

TEST(Configuration, IsModifiedRules) {
    const Configuration saved = Default49();
    Configuration working = saved;
    EXPECT_FALSE(IsModified(working, saved, 49));
    EXPECT_TRUE(IsModified(working, saved, 48));

    ChannelRecord a = BlankChannel(1);
    a.InUse = 1;
    a.Name = "AB";
    ChannelRecord b = BlankChannel(2);
    b.InUse = 1;
    Configuration two = saved;
    two.Channels.append(a);
    two.Channels.append(b);
    working = two;
    working.Channels.find(1)->Name = std::string("AB\0", 3); // other trailing bytes
    EXPECT_FALSE(IsModified(working, two, 49));
    std::swap(working.Channels.Slots[1], working.Channels.Slots[2]);
    EXPECT_FALSE(IsModified(working, two, 49));
    working.Channels.find(2)->Position = 3;
    EXPECT_TRUE(IsModified(working, two, 49));

    working = two;
    working.decodeTime = static_cast<std::uint8_t>(two.decodeTime + 1);
    EXPECT_TRUE(IsModified(working, two, 49));
    working = two;
    working.Channels.DeleteChannel(2);
    EXPECT_TRUE(IsModified(working, two, 49));
}

TEST(Configuration, RevalidateSignallingRefsPointsAtUsableEntries) {
    Configuration c = Default49();
    for (auto& code : c.TwoTone.codes) {
        code.isEmpty = 1;
    }
    for (auto& code : c.FiveTone.codes) {
        code.isEmpty = 1;
    }
    c.TwoTone.codes[7].isEmpty = 0;
    c.TwoTone.codes[20].isEmpty = 0;
    c.FiveTone.codes[42].isEmpty = 0;

    struct Case {
        std::int16_t signalling, twoTone, fiveTone, twoToneAfter, fiveToneAfter;
    };
    const Case cases[] = {
        {2, 20, 5, 20, 5},                      // in use: kept
        {2, 31, 5, 7, 5},                       // removed: the lowest entry in use
        {3, 0, 99, 0, 42},                      // 5-Tone code removed
        {3, 0, 42, 0, 42}, {1, 31, 99, 31, 99}, // DTMF channels are not touched
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ChannelRecord r = BlankChannel(static_cast<int>(i) + 1);
        r.InUse = 1;
        r.Signalling = cases[i].signalling;
        r.TwoToneEntry = cases[i].twoTone;
        r.FiveToneEntry = cases[i].fiveTone;
        c.Channels.append(r);
    }
    RevalidateSignallingRefs(c);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const ChannelRecord* r = c.Channels.find(static_cast<int>(i) + 1);
        EXPECT_EQ(r->TwoToneEntry, cases[i].twoToneAfter) << "case " << i;
        EXPECT_EQ(r->FiveToneEntry, cases[i].fiveToneAfter) << "case " << i;
    }
    for (auto& code : c.TwoTone.codes) {
        code.isEmpty = 1;
    }
    RevalidateSignallingRefs(c);
    EXPECT_EQ(c.Channels.find(2)->TwoToneEntry, 0); // nothing in use: entry 0
}

} // namespace
} // namespace kpt740
