#include "link/LinkFrames.h"

#include "core/Identity.h"
#include "link/RadioPassword.h"
#include "link/ReceiveAccumulator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

using ::testing::ElementsAre;

TEST(LinkFrames, RequestsHaveTheirFixedBytes) {
    EXPECT_THAT(frame::Handshake(), ElementsAre(0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D));
    EXPECT_THAT(frame::Identify(), ElementsAre(0x02));
    EXPECT_THAT(frame::End(), ElementsAre(0x45, 0x4E, 0x44));
    EXPECT_THAT(frame::ReadRequest(0x3FF0), ElementsAre(0x52, 0x3F, 0xF0, 0x10));
    EXPECT_THAT(frame::ReadRequest(0x0040), ElementsAre(0x52, 0x00, 0x40, 0x10));
}

TEST(LinkFrames, DataFrameCarriesTheBlockWithAChecksumOverAddressLengthAndData) {
    RadioImage image;
    for (std::size_t i = 0; i < 16; ++i) {
        image.set(0x1230 + i, static_cast<std::uint8_t>(0xF0 + i));
    }
    const Bytes f = frame::DataFrame(image, 0x1230);
    ASSERT_EQ(f.size(), 22U);
    EXPECT_EQ(f[0], 0x57);
    EXPECT_EQ(f[1], 0x12);
    EXPECT_EQ(f[2], 0x30);
    EXPECT_EQ(f[3], 0x10);
    EXPECT_EQ(f[4], 0xF0);
    EXPECT_EQ(f[19], 0xFF);
    // 0x12 + 0x30 + 0x10 + (0xF0 + ... + 0xFF) = 0x52 + 0xF78 = 0xFCA -> 0xCA; "W" not counted.
    EXPECT_EQ(f[20], 0xCA);
    EXPECT_EQ(f[21], 0x06);
    const auto data = frame::DataOfFrame(f, 0x1230);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ((*data)[15], 0xFF);
}

TEST(LinkFrames, DataOfFrameRefusesEveryFrameThatIsNotExactlyTheOneAskedFor) {
    const Bytes good = frame::DataFrame(0x0500, std::vector<std::uint8_t>(16, 0x33));
    struct Case {
        const char* name;
        std::function<void(Bytes&)> change;
        bool accepted;
    };
    const std::vector<Case> cases{
        {"unchanged", [](Bytes&) {}, true},
        {"first byte not examined", [](Bytes& f) { f[0] = 0x00; }, true},
        {"data byte", [](Bytes& f) { f[10] ^= 0x40; }, false},
        {"checksum", [](Bytes& f) { f[20] += 1; }, false},
        {"address low",
         [](Bytes& f) {
             f[2] = 0x10;
             f[20] = frame::Checksum(f);
         },
         false},
        {"address high",
         [](Bytes& f) {
             f[1] = 0x15;
             f[20] = frame::Checksum(f);
         },
         false},
        {"length",
         [](Bytes& f) {
             f[3] = 0x0F;
             f[20] = frame::Checksum(f);
         },
         false},
        {"closing byte", [](Bytes& f) { f[21] = 0x15; }, false},
        {"longer", [](Bytes& f) { f.push_back(0x06); }, false},
        {"shorter", [](Bytes& f) { f.erase(f.begin() + 4); }, false},
        {"empty", [](Bytes& f) { f.clear(); }, false},
    };
    for (const Case& c : cases) {
        Bytes f = good;
        c.change(f);
        EXPECT_EQ(frame::DataOfFrame(f, 0x0500).has_value(), c.accepted) << c.name;
    }
}

TEST(LinkFrames, IdentityReplyFieldsAreReadAsTheRadioSendsThem) {
    Bytes reply{0x49, 'V', 'Q', '-', '3', '5',  '1',  0xFF,
                0x31, 'V', '1', '0', '0', 0x00, 0x03, 0x06};
    auto radio = ParseIdentityReply(reply);
    ASSERT_TRUE(radio.has_value());
    EXPECT_EQ(radio->ModelText, "VQ-351");
    EXPECT_EQ(radio->BandCode, 49);
    EXPECT_EQ(radio->BandText, BandTextOfCode(49));
    EXPECT_EQ(radio->FirmwareVersion, "V100");
    EXPECT_TRUE(radio->RadioKilled);
    EXPECT_TRUE(radio->RadioStunned);

    // The model ends at the first 0x00; 0xFF and 0x00 inside the version are skipped.
    reply = {0x49, 'V',  'Q', 0x00, '3', 0xFF, 0xFF, 0xFF,
             0x3A, 0xFF, 'V', 0x00, '1', 0x00, 0x02, 0x06};
    radio = ParseIdentityReply(reply);
    ASSERT_TRUE(radio.has_value());
    EXPECT_EQ(radio->ModelText, "VQ");
    EXPECT_EQ(radio->FirmwareVersion, "V1");
    EXPECT_EQ(radio->BandCode, 48); // low nibble above 7
    EXPECT_FALSE(radio->RadioKilled);
    EXPECT_TRUE(radio->RadioStunned);

    for (std::uint8_t band : {std::uint8_t{0x38}, std::uint8_t{0xFF}, std::uint8_t{0x0F}}) {
        reply[8] = band;
        EXPECT_EQ(ParseIdentityReply(reply)->BandCode, 48) << int{band};
    }
    reply[8] = 0x07;
    EXPECT_EQ(ParseIdentityReply(reply)->BandCode, 7);
}

TEST(LinkFrames, IdentityReplyNeedsItsMarksAndLength) {
    const Bytes good = IdentityReply("VQ-351", 49, "V100", false, false);
    EXPECT_TRUE(ParseIdentityReply(good).has_value());
    Bytes noMark = good;
    noMark[0] = 0x48;
    Bytes noEnd = good;
    noEnd[15] = 0x00;
    const Bytes shorter(good.begin(), good.end() - 1);
    Bytes longer = good;
    longer.push_back(0x06);
    for (const Bytes& b : {noMark, noEnd, shorter, longer, Bytes{}}) {
        EXPECT_FALSE(ParseIdentityReply(b).has_value());
    }
}

TEST(LinkFrames, ProgressRoundsHalvesToEven) {
    struct Case {
        std::size_t current;
        std::size_t start;
        std::size_t end;
        int percent;
    };
    for (const Case& c :
         {Case{0x0000, 0x0010, 0x3FF0, 0}, Case{0x0010, 0x0010, 0x3FF0, 0},
          Case{0x3FF0, 0x0010, 0x3FF0, 100}, Case{0x4000, 0x0100, 0x3FF0, 100},
          Case{0x0010, 0x0000, 0x0270, 2},                                       // 2.5
          Case{0x0030, 0x0000, 0x0270, 8},                                       // 7.5
          Case{0x0010, 0x0000, 0x0070, 12},                                      // 12.5
          Case{0x0050, 0x0000, 0x0270, 12},                                      // 12.5
          Case{0x0020, 0x0000, 0x0070, 25}, Case{0x0060, 0x0010, 0x00F0, 33}}) { // 33.3
        EXPECT_EQ(ProgressPercent(c.current, c.start, c.end), c.percent)
            << c.current << " " << c.start << " " << c.end;
    }
}

TEST(RadioPassword, RunUpToTheFirstEndByteAtMostFourCharacters) {
    struct Case {
        std::array<std::uint8_t, 4> bytes;
        const char* entered;
        const char* password;
        bool matches;
    };
    const std::uint8_t F = 0xFF;
    for (const Case& c :
         {Case{{'A', 'B', F, F}, "AB", "AB", true}, Case{{'A', 'B', F, F}, "ABC", "AB", false},
          Case{{'A', 'B', F, F}, "", "AB", false}, Case{{'A', 'B', F, F}, "ab", "AB", false},
          Case{{'A', 'B', F, F}, "AB  ", "AB", true}, Case{{0x00, 'A', 'B', 'C'}, "", "", true},
          Case{{F, 'A', 'B', 'C'}, "", "", true}, Case{{'1', '2', '3', '4'}, "1234", "1234", true},
          Case{{'1', ' ', ' ', F}, "1", "1  ", true}, Case{{'1', 0x00, '3', F}, "1", "1", true}}) {
        std::array<std::uint8_t, 16> block{};
        std::copy(c.bytes.begin(), c.bytes.end(), block.begin() + 12);
        EXPECT_EQ(RadioPasswordOfBlock(block), c.password) << c.entered;
        EXPECT_EQ(CheckPassword(block, c.entered), c.matches) << c.entered;
    }
    // A block too short to hold the password reads as none.
    EXPECT_EQ(RadioPasswordOfBlock(std::vector<std::uint8_t>(13, 'A')), "A");
    EXPECT_EQ(RadioPasswordOfBlock({}), "");
}

TEST(ReceiveAccumulator, HandsEveryWaitingByteOverOnceTheThresholdIsReached) {
    ReceiveAccumulator acc;
    acc.setThreshold(10);
    const Bytes part1{1, 2, 3, 4, 5, 6};
    const Bytes part2{7, 8, 9, 10, 11, 12};
    EXPECT_FALSE(acc.add(part1).has_value());
    EXPECT_EQ(acc.waiting(), 6U);
    const auto all = acc.add(part2);
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->size(), 12U);
    EXPECT_EQ(acc.waiting(), 0U);

    EXPECT_FALSE(acc.add(part1).has_value());
    acc.clear();
    EXPECT_FALSE(acc.add(part2).has_value());

    acc.setThreshold(0); // taken as one byte
    EXPECT_EQ(acc.threshold(), 1U);
    EXPECT_TRUE(acc.add(Bytes{1}).has_value());
}

} // namespace
} // namespace kpt740
