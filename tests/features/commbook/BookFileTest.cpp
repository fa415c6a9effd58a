#include "features/commbook/BookFile.h"

#include "core/StoredRecord.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class BookFileTest : public ::testing::Test {
protected:
    BookFileTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::path(::testing::TempDir()) /
                (std::string("kpt740_book_") + info->test_suite_name() + "_" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    ~BookFileTest() override { fs::remove_all(m_dir); }

    fs::path file(const char* name) const { return m_dir / name; }

    static void WriteBytes(const fs::path& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    static Bytes ReadBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // A book whose every stored byte differs from the defaults, to see it left untouched.
    static CommBook MarkedBook() {
        CommBook book = DefaultCommBook();
        for (auto& entry : book) {
            entry.index = 4242;
            entry.callId = "54321";
            entry.name = "MARKED!";
        }
        return book;
    }

private:
    fs::path m_dir;
};

TEST_F(BookFileTest, DefaultBookFileHoldsTheGoldenBytes) {
    ASSERT_TRUE(WriteBookFile(file("new.cb"), DefaultCommBook()));
    const Bytes bytes = ReadBytes(file("new.cb"));
    ASSERT_EQ(bytes.size(), 1792u);
    for (std::size_t n = 0; n < 128; ++n) {
        SCOPED_TRACE(n);
        const Bytes expected = {static_cast<std::uint8_t>(n),
                                0x00,
                                0x00,
                                0x20,
                                0x20,
                                0x20,
                                0x20,
                                0x00,
                                0x20,
                                0x20,
                                0x20,
                                0x20,
                                0x20,
                                0x20};
        EXPECT_EQ(Bytes(bytes.begin() + 14 * n, bytes.begin() + 14 * n + 14), expected);
    }
}

TEST_F(BookFileTest, BookReadsBackExactlyAsWritten) {
    CommBook book = DefaultCommBook();
    book[0] = {-2, "12345", "ALPHA"};
    book[127] = {300, std::string("7\0", 2), "ZULU\xFF"};
    ASSERT_TRUE(WriteBookFile(file("a.cb"), book));
    CommBook read = MarkedBook();
    ASSERT_TRUE(ReadBookFile(file("a.cb"), read));
    EXPECT_EQ(ToStoredBytes(read), ToStoredBytes(book));
    EXPECT_EQ(read[127].index, 300);
}

TEST_F(BookFileTest, AnyBytesAreStoredAsRead) {
    Bytes bytes(1792);
    std::mt19937 random(1792);
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(byte(random));
    }
    WriteBytes(file("noise.cb"), bytes);
    CommBook book = DefaultCommBook();
    ASSERT_TRUE(ReadBookFile(file("noise.cb"), book));
    EXPECT_EQ(ToStoredBytes(book), bytes);
}

TEST_F(BookFileTest, WritingOverALongerFileKeepsItsTail) {
    WriteBytes(file("long.cb"), Bytes(2000, 0xAB));
    ASSERT_TRUE(WriteBookFile(file("long.cb"), DefaultCommBook()));
    const Bytes bytes = ReadBytes(file("long.cb"));
    ASSERT_EQ(bytes.size(), 2000u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 1792), ToStoredBytes(DefaultCommBook()));
    EXPECT_THAT(Bytes(bytes.begin() + 1792, bytes.end()), ::testing::Each(0xAB));

    // Reading such a file uses its first 1,792 bytes only.
    CommBook read = MarkedBook();
    ASSERT_TRUE(ReadBookFile(file("long.cb"), read));
    EXPECT_TRUE(SameCommBook(read, DefaultCommBook()));
}

TEST_F(BookFileTest, WritingOverAShorterFileGivesTheWholeBook) {
    WriteBytes(file("short.cb"), Bytes(100, 0xAB));
    ASSERT_TRUE(WriteBookFile(file("short.cb"), DefaultCommBook()));
    EXPECT_EQ(ReadBytes(file("short.cb")), ToStoredBytes(DefaultCommBook()));
}

TEST_F(BookFileTest, FailedReadsLeaveTheBookAsItWas) {
    WriteBytes(file("short.cb"), Bytes(1791, 0x00));
    WriteBytes(file("empty.cb"), {});
    fs::create_directory(file("folder.cb"));
    const std::vector<fs::path> paths = {file("missing.cb"), file("short.cb"), file("empty.cb"),
                                         file("folder.cb"), file("no-such-dir") / "a.cb"};
    for (const auto& path : paths) {
        SCOPED_TRACE(path.string());
        CommBook book = MarkedBook();
        EXPECT_FALSE(ReadBookFile(path, book));
        EXPECT_EQ(ToStoredBytes(book), ToStoredBytes(MarkedBook()));
    }
    EXPECT_FALSE(fs::exists(file("missing.cb")));
    EXPECT_FALSE(fs::exists(file("no-such-dir")));
}

TEST_F(BookFileTest, FailedWritesAreReported) {
    fs::create_directory(file("folder.cb"));
    EXPECT_FALSE(WriteBookFile(file("folder.cb"), DefaultCommBook()));
    EXPECT_FALSE(WriteBookFile(file("no-such-dir") / "a.cb", DefaultCommBook()));
}

} // namespace
} // namespace kpt740
