#include "features/option/OptionCodec.h"

#include "ImageHelpers.h"
#include "core/RadioImage.h"
#include "core/StoredRecord.h"
#include "features/dtmf/DtmfSettings.h"
#include "features/option/OptionSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

using test::Blank;
using test::Bytes;
using test::Text;

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Every member the image holds set to a value that shows where it lands.
OptionSettings RichOptions() {
    OptionSettings s = DefaultOptionSettings();
    s.setting1702 = 2;
    s.setting1703 = 1;
    s.channelIndex = 201;
    s.setting1705 = 20;
    s.setting1707 = 2;
    s.setting1702Extra = 1;
    s.setting1709 = 4;
    s.setting1710 = 31;
    s.toneFrequency = 3;
    s.setting1712 = 30;
    s.setting1713 = 3;
    s.setting1714 = 1;
    s.setting1716 = 1;
    s.tailToneElimination = 0;
    s.busyMode = 2;
    s.functionOperation = 0;
    s.internalFunctionOperation = 1;
    s.initKey = 1;
    s.setting1718 = 2;
    s.setting1719 = 1;
    s.setting1706 = 25;
    s.setting1708 = 2;
    s.setting1715 = 1;
    s.welcomeText = "Hi  You";
    s.powerOnPasswordEnabled = 1;
    s.powerOnPassword = "123456";
    return s;
}

struct Encoded {
    RadioImage image;
    bool ok;
    std::vector<Message> messages;
};

DtmfSettings DtmfWith(std::int16_t ani, std::int16_t sendTime) {
    DtmfSettings dtmf;
    dtmf.ani = ani;
    dtmf.sendTime = sendTime;
    return dtmf;
}

Encoded Encode(const OptionSettings& s, std::int16_t ani = 0, std::int16_t sendTime = 1,
               RadioImage image = Blank()) {
    RecordingMessageSink sink;
    EncodeContext context(sink);
    SetCommDataByOption(s, DtmfWith(ani, sendTime), image, context);
    return {image, context.ok(), sink.messages()};
}

TEST(OptionSettingsTest, StoredFormOfTheDefaults) {
    const auto bytes = ToStoredBytes(DefaultOptionSettings());
    ASSERT_EQ(bytes.size(), 61u);
    const std::vector<std::uint8_t> numbers(bytes.begin(), bytes.begin() + 46);
    EXPECT_EQ(numbers, std::vector<std::uint8_t>(46, 0));
    EXPECT_EQ(std::string(bytes.begin() + 46, bytes.begin() + 53), "Welcome");
    const std::vector<std::uint8_t> tail(bytes.begin() + 53, bytes.end());
    EXPECT_THAT(tail, ElementsAre(0, 0, 0, ' ', ' ', ' ', ' ', ' '));
}

TEST(OptionCodec, DefaultsEncodeTheWelcomeTextAnEmptyPasswordAndZeroOptions) {
    const Encoded e = Encode(DefaultOptionSettings(), 0, 1);
    EXPECT_TRUE(e.ok);
    EXPECT_TRUE(e.messages.empty());
    EXPECT_EQ(Text(e.image, 992, 7), "Welcome");
    EXPECT_THAT(Bytes(e.image, 528, 6), ElementsAre(0, 0, 0, 0, 0, 0));
    EXPECT_THAT(Bytes(e.image, 544, 26),
                ElementsAre(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            /* 562: the DTMF send time */ 1, 0, 0, 0, 0, 0, 0, 0));
}

TEST(OptionCodec, EveryMemberLandsOnItsByteAndBytesNotListedStayAlone) {
    RadioImage marked = Blank();
    marked.fill(520, 1010, 0xAB);
    const Encoded e = Encode(RichOptions(), 1, 5, marked);
    ASSERT_TRUE(e.ok);
    EXPECT_THAT(Bytes(e.image, 544, 26),
                ElementsAre(2, 1, 201, 20, 0xAB, 2, 1, 4, 31, 0, 0, 3, 30, 0, 3, 1,
                            /* 560 */ 0x05, 2, /* 562 */ 5, /* 563 */ 0x0A, 2, 1, 0xAB, 0xAB,
                            /* 568 */ 1, 0xAB));
    EXPECT_EQ(Text(e.image, 528, 6), "123456");
    EXPECT_THAT(Bytes(e.image, 992, 7), ElementsAre('H', 'i', ' ', ' ', 'Y', 'o', 'u'));
    for (std::size_t a : {520u, 527u, 534u, 543u, 570u, 991u, 999u, 1010u}) {
        EXPECT_EQ(e.image.at(a), 0xAB) << a;
    }
}

TEST(OptionCodec, SwitchBitsCombine) {
    struct Case {
        std::int16_t s1716, tail, ani, function, internal, initKey;
        std::uint8_t byte560, byte563;
    };
    const std::vector<Case> cases = {
        {1, 1, 1, 1, 1, 1, 0x07, 0x0B},
        {0, 0, 1, 0, 0, 1, 0x04, 0x08},
        {0, 1, 0, 1, 0, 0, 0x02, 0x01},
        {1, 0, 0, 0, 1, 0, 0x01, 0x02},
    };
    for (const auto& c : cases) {
        OptionSettings s = DefaultOptionSettings();
        s.setting1716 = c.s1716;
        s.tailToneElimination = c.tail;
        s.functionOperation = c.function;
        s.internalFunctionOperation = c.internal;
        s.initKey = c.initKey;
        const Encoded e = Encode(s, c.ani);
        EXPECT_EQ(e.image.at(560), c.byte560);
        EXPECT_EQ(e.image.at(563), c.byte563);

        OptionSettings back;
        DtmfSettings dtmf = DtmfWith(9, 9);
        GetCommDataByOption(e.image, back, dtmf);
        EXPECT_EQ(back.setting1716, c.s1716);
        EXPECT_EQ(back.tailToneElimination, c.tail);
        EXPECT_EQ(dtmf.ani, c.ani);
        EXPECT_EQ(back.functionOperation, c.function);
        EXPECT_EQ(back.internalFunctionOperation, c.internal);
        EXPECT_EQ(back.initKey, c.initKey);
    }
}

TEST(OptionCodec, TextsAreTrimmedAndZeroFilled) {
    struct Case {
        std::string welcome;
        std::vector<std::uint8_t> welcomeBytes;
        std::string password;
        std::vector<std::uint8_t> passwordBytes;
    };
    const std::vector<Case> cases = {
        {"Ab     ", {'A', 'b', 0, 0, 0, 0, 0}, std::string("123\0", 4), {'1', '2', '3', 0, 0, 0}},
        {"A b    ", {'A', ' ', 'b', 0, 0, 0, 0}, "12", {'1', '2', 0, 0, 0, 0}},
        {"       ", {0, 0, 0, 0, 0, 0, 0}, std::string(6, '\0'), {0, 0, 0, 0, 0, 0}},
        {std::string("Hi\0 You", 7),
         {'H', 'i', 0, 0, 0, 0, 0},
         "654321",
         {'6', '5', '4', '3', '2', '1'}},
    };
    for (const auto& c : cases) {
        OptionSettings s = DefaultOptionSettings();
        s.welcomeText = c.welcome;
        s.powerOnPassword = c.password;
        const Encoded e = Encode(s);
        ASSERT_TRUE(e.ok);
        EXPECT_THAT(Bytes(e.image, 992, 7), ElementsAreArray(c.welcomeBytes));
        EXPECT_THAT(Bytes(e.image, 528, 6), ElementsAreArray(c.passwordBytes));
    }
}

TEST(OptionCodec, TextsAreReadUpToTheirTerminator) {
    struct Case {
        std::vector<std::uint8_t> passwordBytes;
        std::string password; // raw 6-character field
        std::vector<std::uint8_t> welcomeBytes;
        std::string welcome; // raw 7-character field
    };
    const std::vector<Case> cases = {
        {{'1', '2', '3', 0, 0, 0},
         std::string("123\0  ", 6),
         {'W', 'e', 'l', 'c', 'o', 'm', 'e'},
         "Welcome"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         std::string("\0     ", 6),
         {'H', 'i', 0xFF, 'x', 'x', 'x', 'x'},
         std::string("Hi\0    ", 7)},
        {{'9', '8', '7', '6', '5', '4'},
         "987654",
         {0, 'x', 'x', 'x', 'x', 'x', 'x'},
         std::string("\0      ", 7)},
    };
    for (const auto& c : cases) {
        RadioImage image = Blank();
        image.write(528, c.passwordBytes);
        image.write(992, c.welcomeBytes);
        image.set(534, '7'); // the byte after the password is no part of it
        OptionSettings s = DefaultOptionSettings();
        DtmfSettings dtmf;
        GetCommDataByOption(image, s, dtmf);
        EXPECT_EQ(s.powerOnPassword.raw(), c.password);
        EXPECT_EQ(s.welcomeText.raw(), c.welcome);
    }
}

TEST(OptionCodec, DecoderStoresBytesAsReadExceptTheExtraList) {
    RadioImage image = Blank();
    image.set(544, 200);
    image.set(546, 250);
    image.set(550, 5);
    image.set(561, 0xFF);
    image.set(562, 77);
    image.set(568, 3);
    OptionSettings s = RichOptions();
    DtmfSettings dtmf = DtmfWith(1, 1);
    dtmf.pttIdMode = 3;
    dtmf.separator = 13;
    GetCommDataByOption(image, s, dtmf);
    EXPECT_EQ(s.setting1702, 200);
    EXPECT_EQ(s.channelIndex, 250);
    EXPECT_EQ(s.setting1702Extra, 0);
    EXPECT_EQ(s.busyMode, 255);
    EXPECT_EQ(dtmf.sendTime, 77);
    EXPECT_EQ(dtmf.ani, 0);
    EXPECT_EQ(s.powerOnPasswordEnabled, 3);
    // Members the radio does not hold here keep their values.
    EXPECT_EQ(s.setting1706, 25);
    EXPECT_EQ(s.setting1708, 2);
    EXPECT_EQ(s.setting1715, 1);
    EXPECT_EQ(dtmf.pttIdMode, 3);
    EXPECT_EQ(dtmf.separator, 13);

    image.set(550, 1);
    GetCommDataByOption(image, s, dtmf);
    EXPECT_EQ(s.setting1702Extra, 1);
}

TEST(OptionCodec, RichRecordSurvivesEncodeDecodeEncode) {
    const OptionSettings original = RichOptions();
    const Encoded first = Encode(original, 1, 4);
    ASSERT_TRUE(first.ok);

    OptionSettings decoded = DefaultOptionSettings();
    decoded.setting1706 = original.setting1706;
    decoded.setting1708 = original.setting1708;
    decoded.setting1715 = original.setting1715;
    DtmfSettings dtmf;
    GetCommDataByOption(first.image, decoded, dtmf);
    EXPECT_TRUE(SameOptionSettings(decoded, original));
    EXPECT_EQ(dtmf.ani, 1);
    EXPECT_EQ(dtmf.sendTime, 4);

    const Encoded second = Encode(decoded, dtmf.ani, dtmf.sendTime);
    EXPECT_EQ(second.image, first.image);
}

TEST(OptionCodec, AValueThatDoesNotFitStopsTheEncoder) {
    struct Case {
        const char* what;
        void (*change)(OptionSettings&);
        std::int16_t ani;
        std::int16_t sendTime;
    };
    const std::vector<Case> cases = {
        {"negative list", [](OptionSettings& s) { s.setting1702 = -1; }, 0, 1},
        {"list above a byte", [](OptionSettings& s) { s.setting1719 = 256; }, 0, 1},
        {"enable switch", [](OptionSettings& s) { s.powerOnPasswordEnabled = 300; }, 0, 1},
        {"switch bit", [](OptionSettings& s) { s.tailToneElimination = 2; }, 0, 1},
        {"function bit", [](OptionSettings& s) { s.initKey = -1; }, 0, 1},
        {"DTMF ANI bit", [](OptionSettings&) {}, 2, 1},
        {"DTMF send time", [](OptionSettings&) {}, 0, 256},
    };
    for (const auto& c : cases) {
        OptionSettings s = DefaultOptionSettings();
        c.change(s);
        const Encoded e = Encode(s, c.ani, c.sendTime);
        EXPECT_FALSE(e.ok) << c.what;
        EXPECT_EQ(e.messages, std::vector<Message>{Message::Literal("SetCommDataByOptionError")})
            << c.what;
    }
}

TEST(OptionCodec, BytesWrittenBeforeAFailureStay) {
    OptionSettings s = RichOptions();
    s.setting1718 = 999; // written after the first fourteen byte members
    const Encoded e = Encode(s);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.image.at(544), 2);
    EXPECT_EQ(e.image.at(561), 2);
    EXPECT_EQ(e.image.at(564), 0x00); // the failing member
    EXPECT_EQ(e.image.at(992), 0x00); // the welcome text comes later
}

TEST(OptionCodec, DecoderTakesAnyImage) {
    std::mt19937 random(7401);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        RadioImage image;
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            image.set(a, static_cast<std::uint8_t>(byte(random)));
        }
        OptionSettings s = DefaultOptionSettings();
        DtmfSettings dtmf;
        GetCommDataByOption(image, s, dtmf);
        EXPECT_LE(s.setting1702Extra, 1);
        EXPECT_LE(dtmf.ani, 1);
        // Whatever was read can be written again.
        EXPECT_TRUE(Encode(s, dtmf.ani, dtmf.sendTime).ok);
    }
}

TEST(OptionSettingsTest, SameComparesTextsByTheirValue) {
    const OptionSettings base = RichOptions();
    OptionSettings other = base;
    other.welcomeText = std::string("Hi  You", 7);
    EXPECT_TRUE(SameOptionSettings(base, other));

    OptionSettings a = DefaultOptionSettings();
    OptionSettings b = a;
    b.powerOnPassword = "      ";
    EXPECT_TRUE(SameOptionSettings(a, b)); // a lone NUL and blanks are both empty
    a.powerOnPassword = std::string("123\0", 4);
    b.powerOnPassword = "123";
    EXPECT_TRUE(SameOptionSettings(a, b));
    b.powerOnPassword = "1234";
    EXPECT_FALSE(SameOptionSettings(a, b));

    other = base;
    other.setting1715 = 0; // kept only in the file, compared all the same
    EXPECT_FALSE(SameOptionSettings(base, other));
}

} // namespace
} // namespace kpt740
