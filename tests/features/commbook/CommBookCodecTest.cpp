#include "features/commbook/CommBookCodec.h"

#include "ImageHelpers.h"
#include "core/Messages.h"
#include "core/RadioImage.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

using test::Bytes;

using ::testing::ElementsAreArray;

constexpr std::size_t kCallIds = 6528;
constexpr std::size_t kNames = 7168;
constexpr std::uint8_t kSentinel = 0xAA;

std::string Nul(const char* text) {
    return std::string(text) + '\0';
}

class CommBookEncodeTest : public ::testing::Test {
protected:
    CommBookEncodeTest() { image.fill(0, RadioImage::kSize - 1, kSentinel); }

    RadioImage image;
    RecordingMessageSink sink;
    EncodeContext context{sink};
};

TEST_F(CommBookEncodeTest, DefaultsEncodeAsNulBytesAndLeaveTheEighthNameByteAlone) {
    SetCommDataByDTMFCommuBook(DefaultCommBook(), image, context);
    EXPECT_TRUE(context.ok());
    EXPECT_THAT(Bytes(image, kCallIds, 640), ::testing::Each(0x00));
    for (std::size_t n = 0; n < kCommBookEntries; ++n) {
        SCOPED_TRACE(n);
        EXPECT_THAT(Bytes(image, kNames + 8 * n, 7), ::testing::Each(0x00));
        EXPECT_EQ(image.at(kNames + 8 * n + 7), kSentinel);
    }
    EXPECT_EQ(image.at(kCallIds - 1), kSentinel);
    EXPECT_EQ(image.at(kNames + 1024), kSentinel);
}

TEST_F(CommBookEncodeTest, EntriesAreWrittenAsCharacterCodesPaddedWithNul) {
    struct Case {
        std::string callId;
        std::string name;
        std::vector<std::uint8_t> callIdBytes;
        std::vector<std::uint8_t> nameBytes;
    };
    const std::vector<Case> cases = {
        {Nul("12"), Nul("AB"), {0x31, 0x32, 0, 0, 0}, {0x41, 0x42, 0, 0, 0, 0, 0}},
        {"12345",
         "ABCDEFG",
         {0x31, 0x32, 0x33, 0x34, 0x35},
         {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47}},
        {"12A", "A B", {0, 0, 0, 0, 0}, {0x41, 0x20, 0x42, 0, 0, 0, 0}},
        {"12   ", "AB     ", {0x31, 0x32, 0, 0, 0}, {0x41, 0x42, 0, 0, 0, 0, 0}},
        {"", "", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}},
        {std::string(5, '\xFF'), "\xFF", {0, 0, 0, 0, 0}, {0xFF, 0, 0, 0, 0, 0, 0}},
    };
    CommBook book = DefaultCommBook();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        // Spread over the book so that the last entry's addresses are covered too.
        const std::size_t n = i * 25 + 2;
        book.at(n).callId = cases[i].callId;
        book.at(n).name = cases[i].name;
    }
    SetCommDataByDTMFCommuBook(book, image, context);
    ASSERT_TRUE(context.ok());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::size_t n = i * 25 + 2;
        SCOPED_TRACE(n);
        EXPECT_THAT(Bytes(image, kCallIds + 5 * n, 5), ElementsAreArray(cases[i].callIdBytes));
        EXPECT_THAT(Bytes(image, kNames + 8 * n, 7), ElementsAreArray(cases[i].nameBytes));
    }
}

TEST(CommBookDecodeTest, EntriesAreReadWithTheirNumberAndNameEndings) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> callIdBytes;
        std::vector<std::uint8_t> nameBytes; // all eight bytes of the slot
        std::string callIdRaw;
        std::string nameValue;
    };
    const std::vector<Case> cases = {
        {"never written",
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         std::vector<std::uint8_t>(8, 0xFF),
         std::string(5, '\xFF'),
         ""},
        {"written",
         {0x31, 0x32, 0, 0, 0},
         {0x41, 0x42, 0, 0, 0, 0, 0, 0},
         std::string("12\0\0\0", 5),
         "AB"},
        {"name ended by 0xFF",
         {0, 0, 0, 0, 0},
         {0x41, 0xFF, 0x42, 0, 0, 0, 0, 0},
         std::string(5, '\0'),
         "A"},
        {"name running into byte 8",
         {0, 0, 0, 0, 0},
         {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48},
         std::string(5, '\0'),
         "ABCDEFG"},
        {"seven characters",
         {0, 0, 0, 0, 0},
         {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0},
         std::string(5, '\0'),
         "ABCDEFG"},
        // Blanks are trimmed before the cut at the first NUL, so blanks before a NUL stay.
        {"blanks before the end",
         {0, 0, 0, 0, 0},
         {0x41, 0x20, 0x20, 0, 0, 0, 0, 0xFF},
         std::string(5, '\0'),
         "A  "},
        {"trailing blanks",
         {0, 0, 0, 0, 0},
         {0x41, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20},
         std::string(5, '\0'),
         "A"},
    };
    RadioImage image;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::size_t n = i * 20 + 7;
        image.write(kCallIds + 5 * n, cases[i].callIdBytes);
        image.write(kNames + 8 * n, cases[i].nameBytes);
    }
    CommBook book = DefaultCommBook();
    for (auto& entry : book) {
        entry.index = -7;
    }
    GetCommDataByDTMFCommuBook(image, book);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::size_t n = i * 20 + 7;
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(book.at(n).callId.raw(), cases[i].callIdRaw);
        EXPECT_EQ(book.at(n).name.value(), cases[i].nameValue);
    }
    for (std::size_t n = 0; n < kCommBookEntries; ++n) {
        EXPECT_EQ(book.at(n).index, static_cast<std::int16_t>(n));
    }
    // A name shorter than its field keeps an end mark, as the grid's commit rule leaves it.
    EXPECT_EQ(book.at(27).name.raw(), std::string("AB\0    ", 7));
}

CommBook RichBook() {
    CommBook book = DefaultCommBook();
    for (std::size_t n = 0; n < book.size(); n += 3) {
        std::string id = std::to_string(n * 797 % 100000);
        book[n].callId = id.size() < kCallIdSize ? id + '\0' : id;
        std::string name = "N" + std::to_string(n);
        if (n % 2 == 0) {
            name += " X";
        }
        book[n].name = name.size() < kBookNameSize ? name + '\0' : name;
    }
    book[127].callId = "99999";
    book[127].name = "LASTONE";
    return book;
}

TEST(CommBookRoundTripTest, EncodeDecodeEncodeGivesIdenticalBytes) {
    NullMessageSink sink;
    EncodeContext context(sink);
    const CommBook rich = RichBook();
    RadioImage first;
    BlankImage(first);
    SetCommDataByDTMFCommuBook(rich, first, context);

    CommBook decoded = DefaultCommBook();
    GetCommDataByDTMFCommuBook(first, decoded);
    EXPECT_TRUE(SameCommBook(decoded, rich));

    RadioImage second;
    BlankImage(second);
    SetCommDataByDTMFCommuBook(decoded, second, context);
    ASSERT_TRUE(context.ok());
    EXPECT_EQ(first, second);
}

TEST(CommBookDecodeTest, AnyImageDecodes) {
    std::mt19937 random(128);
    std::uniform_int_distribution<int> byte(0, 255);
    RadioImage image;
    for (int round = 0; round < 20; ++round) {
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            image.set(a, static_cast<std::uint8_t>(byte(random)));
        }
        CommBook book = DefaultCommBook();
        ASSERT_NO_THROW(GetCommDataByDTMFCommuBook(image, book));
        for (const auto& entry : book) {
            EXPECT_LE(entry.name.value().size(), kBookNameSize);
        }
    }
}

TEST(CommBookTest, SameComparesTrimmedTextsAndEveryMember) {
    const CommBook base = DefaultCommBook();
    CommBook other = base;
    other[5].callId = "";
    other[5].name = "       ";
    EXPECT_TRUE(SameCommBook(base, other));
    other[5].name = "A";
    EXPECT_FALSE(SameCommBook(base, other));
    other = base;
    other[127].index = 0;
    EXPECT_FALSE(SameCommBook(base, other));
}

} // namespace
} // namespace kpt740
