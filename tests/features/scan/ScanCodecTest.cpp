#include "features/scan/ScanCodec.h"

#include "ImageHelpers.h"
#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/scan/ScanSettings.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace kpt740 {
namespace {

constexpr std::size_t kBlock = 944;
constexpr std::size_t kBlockSize = 14;

using Bytes = std::vector<std::uint8_t>;

Bytes BlockOf(const RadioImage& image) {
    auto view = image.view(kBlock, kBlockSize);
    return Bytes(view.begin(), view.end());
}

Bytes Encode(const ScanSettings& settings, RadioImage& image) {
    RecordingMessageSink sink;
    EncodeContext context(sink);
    SetCommDataByScan(settings, image, context);
    EXPECT_TRUE(context.ok());
    EXPECT_TRUE(sink.messages().empty());
    return BlockOf(image);
}

ScanSettings Decode(const RadioImage& image) {
    ScanSettings settings = DefaultScanSettings();
    GetCommDataByScan(image, settings);
    return settings;
}

ScanSettings Distinct() {
    ScanSettings s;
    s.scanMode = 1;
    s.priorityMode = 3;
    s.revertChannel = 7;
    s.lookBackTimeA = 12;
    s.lookBackTimeB = 50;
    s.rxResumeDelay = 1;
    s.txResumeDelay = 33;
    s.scanType = 2;
    s.scanEntryTone = 1;
    s.waitTime = 255;
    s.priority1Group = 4;
    s.priority1Channel = 200;
    s.priority2Group = 0;
    s.priority2Channel = 1;
    return s;
}

TEST(ScanSettings, FileFormIsFourteenBytesInDeclaredOrder) {
    EXPECT_EQ(StoredSize<ScanSettings>(), 14u);
    EXPECT_EQ(ToStoredBytes(Distinct()), (Bytes{1, 3, 7, 12, 50, 1, 33, 2, 1, 255, 4, 200, 0, 1}));
}

TEST(ScanSettings, DefaultsAndTheKeptWaitTime) {
    const ScanSettings d = DefaultScanSettings();
    EXPECT_EQ(ToStoredBytes(d), (Bytes{0, 0, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    const ScanSettings renewed = DefaultScanSettings(Distinct());
    ScanSettings expected = d;
    expected.waitTime = 255;
    EXPECT_TRUE(SameScanSettings(renewed, expected));
}

TEST(ScanSettings, EveryMemberTakesPartInTheComparison) {
    const ScanSettings base = Distinct();
    EXPECT_TRUE(SameScanSettings(base, Distinct()));
    for (std::size_t index = 0; index < kBlockSize; ++index) {
        ScanSettings changed = base;
        std::size_t i = 0;
        ScanSettings::forEachMember(changed, [&](std::uint8_t& m) {
            if (i++ == index) {
                m = static_cast<std::uint8_t>(m + 1);
            }
        });
        EXPECT_FALSE(SameScanSettings(base, changed)) << "member " << index;
    }
}

TEST(ScanCodec, DefaultsGiveTheGoldenBlockAndTouchNothingElse) {
    ScanSettings settings = DefaultScanSettings();
    settings.waitTime = 0x28; // a wait time carried over from before
    RadioImage image = test::Blank();
    const Bytes golden{0x00, 0x00, 0x00, 0x05, 0x05, 0x00, 0x00,
                       0x00, 0x00, 0x28, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Encode(settings, image), golden);

    RadioImage expected = test::Blank();
    expected.write(kBlock, golden);
    EXPECT_EQ(image, expected);
}

TEST(ScanCodec, EncodesMembersAsTheRadioHoldsThem) {
    struct Case {
        const char* what;
        ScanSettings settings;
        Bytes block;
    };
    ScanSettings lowest = DefaultScanSettings();
    lowest.priority1Group = 1;
    lowest.priority1Channel = 1;
    lowest.priority2Group = 2;
    lowest.priority2Channel = 2;
    ScanSettings highest = Distinct();
    highest.priority1Group = 255;
    highest.priority1Channel = 255;
    highest.priority2Group = 200;
    highest.priority2Channel = 100;
    const std::vector<Case> cases{
        {"all members, channel 200 and 1",
         Distinct(),
         {1, 3, 7, 12, 50, 1, 33, 2, 1, 255, 3, 199, 0xFF, 0}},
        {"first group and channel", lowest, {0, 0, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 1, 1}},
        {"values beyond the channel range",
         highest,
         {1, 3, 7, 12, 50, 1, 33, 2, 1, 255, 254, 254, 199, 99}},
    };
    for (const auto& c : cases) {
        RadioImage image = test::Blank();
        EXPECT_EQ(Encode(c.settings, image), c.block) << c.what;
    }
}

TEST(ScanCodec, DecodesTheBlock) {
    struct Case {
        const char* what;
        Bytes block;
        ScanSettings expected;
    };
    ScanSettings groups;
    groups.priority1Group = 1;
    groups.priority1Channel = 10;
    groups.priority2Group = 0;
    groups.priority2Channel = 200;
    ScanSettings raw = Distinct();
    raw.scanMode = 9;
    raw.scanEntryTone = 2;
    raw.waitTime = 0;
    raw.priority1Group = 255;
    raw.priority1Channel = 0;
    raw.priority2Group = 1;
    raw.priority2Channel = 2;
    const std::vector<Case> cases{
        {"group and channel numbers",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x09, 0xFF, 0xC7},
         groups},
        {"out-of-range values are kept as read",
         {9, 3, 7, 12, 50, 1, 33, 2, 2, 0, 0xFE, 0xFF, 0x00, 0x01},
         raw},
    };
    for (const auto& c : cases) {
        RadioImage image = test::Blank();
        image.write(kBlock, c.block);
        EXPECT_EQ(ToStoredBytes(Decode(image)), ToStoredBytes(c.expected)) << c.what;
    }
}

TEST(ScanCodec, RecordsSurviveEncodeDecodeEncode) {
    ScanSettings none = Distinct();
    none.priority1Channel = 0;
    none.priority2Group = 0;
    const std::vector<ScanSettings> records{DefaultScanSettings(), Distinct(), none};
    for (const auto& record : records) {
        RadioImage image = test::Blank();
        const Bytes first = Encode(record, image);
        const ScanSettings decoded = Decode(image);
        EXPECT_TRUE(SameScanSettings(decoded, record));
        RadioImage again = test::Blank();
        EXPECT_EQ(Encode(decoded, again), first);
    }
}

TEST(ScanCodec, EveryByteValueSurvivesDecodeEncode) {
    for (int value = 0; value <= 255; ++value) {
        const Bytes block(kBlockSize, static_cast<std::uint8_t>(value));
        RadioImage image = test::Blank();
        image.write(kBlock, block);
        RadioImage again = test::Blank();
        EXPECT_EQ(Encode(Decode(image), again), block) << "byte " << value;
    }
}

} // namespace
} // namespace kpt740
