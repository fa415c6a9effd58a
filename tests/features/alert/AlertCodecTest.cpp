#include "features/alert/AlertCodec.h"

#include "ImageHelpers.h"
#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/alert/AlertSettings.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace kpt740 {
namespace {

constexpr std::size_t kBlock = 928;
constexpr std::size_t kBlockSize = 13; // 928-940, of which 935 belongs to the radio
constexpr std::size_t kUnwritten = 935;

using Bytes = std::vector<std::uint8_t>;

Bytes BlockOf(const RadioImage& image) {
    auto view = image.view(kBlock, kBlockSize);
    return Bytes(view.begin(), view.end());
}

Bytes Encode(const AlertSettings& settings, RadioImage& image) {
    RecordingMessageSink sink;
    EncodeContext context(sink);
    SetCommDataByAlert(settings, image, context);
    EXPECT_TRUE(context.ok());
    EXPECT_TRUE(sink.messages().empty());
    return BlockOf(image);
}

AlertSettings Decode(const RadioImage& image) {
    AlertSettings settings = DefaultAlertSettings();
    GetCommDataByAlert(image, settings);
    return settings;
}

AlertSettings Distinct() {
    AlertSettings s;
    s.alarmType = 3;
    s.idCodeType = 1;
    s.idCodeNumber = 15;
    s.alarmTime = 255;
    s.txTime = 30;
    s.rxTime = 1;
    s.channelSelection = 1;
    s.emergencyChannel = 10;
    s.cycles = 7;
    s.autoDetectMode = 1;
    s.preAlertTime = 254;
    s.loneWorkerTime = 5;
    return s;
}

TEST(AlertSettings, FileFormIsTwelveBytesInDeclaredOrder) {
    EXPECT_EQ(StoredSize<AlertSettings>(), 12u);
    EXPECT_EQ(ToStoredBytes(Distinct()), (Bytes{3, 1, 15, 255, 30, 1, 1, 10, 7, 1, 254, 5}));
    EXPECT_EQ(ToStoredBytes(DefaultAlertSettings()), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5}));
}

TEST(AlertSettings, EveryMemberTakesPartInTheComparison) {
    const AlertSettings base = Distinct();
    EXPECT_TRUE(SameAlertSettings(base, Distinct()));
    for (std::size_t index = 0; index < StoredSize<AlertSettings>(); ++index) {
        AlertSettings changed = base;
        std::size_t i = 0;
        AlertSettings::forEachMember(changed, [&](std::uint8_t& m) {
            if (i++ == index) {
                m = static_cast<std::uint8_t>(m + 1);
            }
        });
        EXPECT_FALSE(SameAlertSettings(base, changed)) << "member " << index;
    }
}

TEST(AlertCodec, DefaultsGiveTheGoldenBlockAndLeaveByte935Alone) {
    RadioImage image = test::Blank();
    image.set(kUnwritten, 0x5A); // whatever the radio keeps there must survive
    const Bytes golden{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                       0x5A, 0xFF, 0x00, 0x00, 0x01, 0x05};
    EXPECT_EQ(Encode(DefaultAlertSettings(), image), golden);

    RadioImage expected = test::Blank();
    expected.write(kBlock, golden);
    EXPECT_EQ(image, expected);
}

TEST(AlertCodec, EncodesTheEmergencyChannelOneBelowItsValue) {
    struct Case {
        std::uint8_t emergencyChannel;
        std::uint8_t stored;
    };
    const std::vector<Case> cases{{0, 0xFF}, {1, 0x00}, {10, 0x09}, {200, 0xC7}, {255, 0xFE}};
    for (const auto& c : cases) {
        AlertSettings settings = Distinct();
        settings.emergencyChannel = c.emergencyChannel;
        RadioImage image = test::Blank();
        EXPECT_EQ(Encode(settings, image),
                  (Bytes{3, 1, 15, 255, 30, 1, 1, 0x00, c.stored, 7, 1, 254, 5}))
            << int{c.emergencyChannel};
    }
}

TEST(AlertCodec, DecodesTheBlock) {
    struct Case {
        const char* what;
        Bytes block;
        AlertSettings expected;
    };
    AlertSettings channel9 = DefaultAlertSettings();
    channel9.emergencyChannel = 10;
    channel9.preAlertTime = 0;
    channel9.loneWorkerTime = 0;
    AlertSettings raw;
    raw.alarmType = 9;
    raw.idCodeType = 200;
    raw.idCodeNumber = 255;
    raw.channelSelection = 3;
    raw.emergencyChannel = 0;
    raw.cycles = 255;
    raw.autoDetectMode = 2;
    raw.preAlertTime = 255;
    raw.loneWorkerTime = 1;
    const std::vector<Case> cases{
        {"channel 9", {0, 0, 0, 0, 0, 0, 0, 0, 0x09, 0, 0, 0, 0}, channel9},
        {"out-of-range values are kept as read; 935 is not read",
         {9, 200, 255, 0, 0, 0, 3, 0x77, 0xFF, 255, 2, 255, 1},
         raw},
    };
    for (const auto& c : cases) {
        RadioImage image = test::Blank();
        image.write(kBlock, c.block);
        EXPECT_EQ(ToStoredBytes(Decode(image)), ToStoredBytes(c.expected)) << c.what;
    }
}

TEST(AlertCodec, RecordsSurviveEncodeDecodeEncode) {
    AlertSettings none = Distinct();
    none.emergencyChannel = 0;
    const std::vector<AlertSettings> records{DefaultAlertSettings(), Distinct(), none};
    for (const auto& record : records) {
        RadioImage image = test::Blank();
        const Bytes first = Encode(record, image);
        const AlertSettings decoded = Decode(image);
        EXPECT_TRUE(SameAlertSettings(decoded, record));
        RadioImage again = test::Blank();
        EXPECT_EQ(Encode(decoded, again), first);
    }
}

TEST(AlertCodec, EveryByteValueSurvivesDecodeEncode) {
    for (int value = 0; value <= 255; ++value) {
        Bytes block(kBlockSize, static_cast<std::uint8_t>(value));
        block[kUnwritten - kBlock] = 0x00; // the blank fill's value, which the encoder keeps
        RadioImage image = test::Blank();
        image.write(kBlock, block);
        RadioImage again = test::Blank();
        EXPECT_EQ(Encode(Decode(image), again), block) << "byte " << value;
    }
}

} // namespace
} // namespace kpt740
