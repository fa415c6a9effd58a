#include "files/DataFile.h"

#include "TempDir.h"
#include "core/Identity.h"

#include <fstream>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

using DataFile = test::TempDirTest;

Configuration WithChannels(int count) {
    const Identity identity;
    Configuration c = DefaultConfiguration(identity.BandCode, identity.Limits);
    for (int p = 1; p <= count; ++p) {
        ChannelRecord r = BlankChannel(p);
        r.InUse = 1;
        r.RxFrequency = "044000000";
        r.Name = "N" + std::to_string(p);
        c.Channels.append(r);
    }
    return c;
}

void WriteBytes(const std::filesystem::path& path, std::size_t size, char fill = 0) {
    std::ofstream(path, std::ios::binary)
        .write(std::string(size, fill).data(), static_cast<std::streamsize>(size));
}

TEST(ChannelFileName, LosesExactlyThreeCharacters) {
    EXPECT_EQ(ChannelFilePath("site1.dat"), std::filesystem::path("site1.fre"));
    EXPECT_EQ(ChannelFilePath("a.cfg1"), std::filesystem::path("a.cfre"));
    EXPECT_EQ(ChannelFilePath("/x/y/z.DAT"), std::filesystem::path("/x/y/z.fre"));
}

TEST_F(DataFile, WriteThenReadGivesTheSameConfiguration) {
    const Configuration c = WithChannels(10);
    ASSERT_TRUE(WriteConfigurationFiles(dir() / "a.dat", c));
    EXPECT_EQ(std::filesystem::file_size(dir() / "a.dat"), 8586u);
    EXPECT_EQ(std::filesystem::file_size(dir() / "a.fre"), 11u * 108u);
    const auto back = ReadConfigurationFiles(dir() / "a.dat");
    ASSERT_TRUE(back);
    EXPECT_EQ(ToStoredBytes(*back), ToStoredBytes(c));
    for (int slot = 0; slot < c.Channels.Count; ++slot) {
        EXPECT_EQ(ToStoredBytes(back->Channels.Slots[static_cast<std::size_t>(slot)]),
                  ToStoredBytes(c.Channels.Slots[static_cast<std::size_t>(slot)]));
    }
}

TEST_F(DataFile, ShorterContentLeavesTheOldTailAndReadsOnlyTheCount) {
    ASSERT_TRUE(WriteConfigurationFiles(dir() / "a.dat", WithChannels(10)));
    ASSERT_TRUE(WriteConfigurationFiles(dir() / "a.dat", WithChannels(3)));
    EXPECT_EQ(std::filesystem::file_size(dir() / "a.fre"), 11u * 108u);
    const auto back = ReadConfigurationFiles(dir() / "a.dat");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Channels.Count, 4);
    EXPECT_EQ(back->Channels.Slots[3].Name.value(), "N3");
}

TEST_F(DataFile, UnusableFilesAreRefusedWithoutCreatingAnything) {
    struct Case {
        const char* what;
        void (*make)(const std::filesystem::path& dir);
    };
    const Case cases[] = {
        {"missing data file", [](const std::filesystem::path&) {}},
        {"data file one byte short",
         [](const std::filesystem::path& d) {
             WriteConfigurationFiles(d / "a.dat", WithChannels(2));
             std::filesystem::resize_file(d / "a.dat", 8585);
         }},
        {"channel file missing",
         [](const std::filesystem::path& d) {
             WriteConfigurationFiles(d / "a.dat", WithChannels(2));
             std::filesystem::remove(d / "a.fre");
         }},
        {"fewer channel records than the count",
         [](const std::filesystem::path& d) {
             WriteConfigurationFiles(d / "a.dat", WithChannels(2));
             std::filesystem::resize_file(d / "a.fre", 2 * 108 + 107);
         }},
        {"channel count beyond the table",
         [](const std::filesystem::path& d) {
             WriteBytes(d / "a.dat", 8586, '\x7F');
             WriteBytes(d / "a.fre", 300 * 108);
         }},
        {"negative channel count",
         [](const std::filesystem::path& d) {
             WriteBytes(d / "a.dat", 8586, '\xFF');
             WriteBytes(d / "a.fre", 10);
         }},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir());
        std::filesystem::create_directories(dir());
        c.make(dir());
        const bool hadDataFile = std::filesystem::exists(dir() / "a.dat");
        const bool hadChannelFile = std::filesystem::exists(dir() / "a.fre");
        EXPECT_FALSE(ReadConfigurationFiles(dir() / "a.dat")) << c.what;
        EXPECT_EQ(std::filesystem::exists(dir() / "a.dat"), hadDataFile) << c.what;
        EXPECT_EQ(std::filesystem::exists(dir() / "a.fre"), hadChannelFile) << c.what;
    }
}

TEST_F(DataFile, ALongerDataFileIsReadFromItsFirstRecord) {
    const Configuration c = WithChannels(1);
    ASSERT_TRUE(WriteConfigurationFiles(dir() / "a.dat", c));
    std::ofstream(dir() / "a.dat", std::ios::binary | std::ios::app) << "trailing junk";
    EXPECT_TRUE(ReadConfigurationFiles(dir() / "a.dat"));
}

TEST_F(DataFile, WriteFailsWhereNoFileCanBeMade) {
    EXPECT_FALSE(WriteConfigurationFiles(dir() / "no-such-folder" / "a.dat", WithChannels(1)));
    std::filesystem::create_directories(dir() / "b.fre"); // the channel file cannot be written
    EXPECT_FALSE(WriteConfigurationFiles(dir() / "b.dat", WithChannels(1)));
}

} // namespace
} // namespace kpt740
