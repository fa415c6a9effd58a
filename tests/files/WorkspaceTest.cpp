#include "files/Workspace.h"

#include "TempDir.h"
#include "config/ConfigurationCodec.h"
#include "files/DataFile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

using WorkspaceFiles = test::TempDirTest;

ChannelRecord Channel(int position, const char* rx, const char* name) {
    ChannelRecord r = BlankChannel(position);
    r.InUse = 1;
    r.RxFrequency = rx;
    r.Name = name;
    return r;
}

// An initial file as a dealer would prepare it: channels 1-10, a VFO, and a recognisable
// decode time and band code.
void WriteInitFile(const std::filesystem::path& path, int bandCode) {
    const Identity identity;
    Configuration c = DefaultConfiguration(static_cast<std::int16_t>(bandCode), identity.Limits);
    c.Channels.Count = 0;
    for (int p = 1; p <= 10; ++p) {
        c.Channels.append(Channel(p, "043000000", "INIT"));
    }
    c.Channels.append(Channel(kPositionVfo, "043300000", "VFOI"));
    c.decodeTime = 33;
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(WriteConfigurationFiles(path, c));
}

TEST_F(WorkspaceFiles, NewConfigurationWithoutInitFolder) {
    Workspace w({dir(), 0});
    w.working.decodeTime = 99;
    w.ConfigFileName = "x.dat";
    w.IsUntitled = false;
    w.NewConfiguration();
    EXPECT_EQ(w.working.Channels.Count, 1);
    EXPECT_EQ(w.working.Channels.Slots[0].RxFrequency.value(), "044500000");
    EXPECT_EQ(w.ConfigFileName, "new.dat");
    EXPECT_EQ(w.BookFileName, "new.cb");
    EXPECT_TRUE(w.IsUntitled);
    EXPECT_FALSE(w.IsModified());
}

TEST_F(WorkspaceFiles, InitFileSuppliesRecordsAndTheVfoOrTheWholeTable) {
    WriteInitFile(dir() / "Init" / "VQ-351_49.dat", 3);
    struct Case {
        int factoryFres;
        bool initializing;
        int expectedCount;
    };
    for (const auto& c : {Case{0, false, 1}, Case{1, false, 11}, Case{0, true, 11}}) {
        Workspace w({dir(), c.factoryFres});
        w.NewConfiguration(c.initializing);
        EXPECT_EQ(w.working.Channels.Count, c.expectedCount) << c.factoryFres << c.initializing;
        EXPECT_EQ(w.working.decodeTime, 33);
        EXPECT_EQ(w.working.BandCode, 49); // the band never changes here
        EXPECT_EQ(w.identity.BandCode, 49);
        EXPECT_TRUE(w.working.Channels.ChannelExists(kPositionVfo));
        EXPECT_FALSE(w.IsModified());
    }
    Workspace w({dir(), 0});
    w.NewConfiguration();
    EXPECT_EQ(w.working.Channels.Slots[0].Name.value(), "VFOI");
}

TEST_F(WorkspaceFiles, FallbackFileGivesItsRecordsButTheDefaultVfo) {
    WriteInitFile(dir() / "Init" / "VQ-351_3.dat", 3);
    Workspace w({dir(), 1});
    SetBandFromFile(w.identity, 2);
    w.NewConfiguration();
    EXPECT_EQ(w.working.decodeTime, 33);
    ASSERT_EQ(w.working.Channels.Count, 1);
    EXPECT_EQ(w.working.Channels.Slots[0].RxFrequency.value(), "015500000");
    EXPECT_EQ(w.identity.BandCode, 2);
    EXPECT_FALSE(w.IsModified());
}

TEST_F(WorkspaceFiles, UnreadableInitFileLeavesTheDefaults) {
    std::filesystem::create_directories(dir() / "Init");
    std::ofstream(dir() / "Init" / "VQ-351_49.dat") << "short";
    Workspace w({dir(), 1});
    w.NewConfiguration();
    EXPECT_EQ(w.working.Channels.Count, 1);
    EXPECT_EQ(w.working.Channels.Slots[0].RxFrequency.value(), "044500000");
    EXPECT_FALSE(w.IsModified());
}

TEST_F(WorkspaceFiles, SaveThenOpenIsUnchanged) {
    Workspace w({dir(), 0});
    w.working.Channels.append(Channel(5, "044012500", "FIVE"));
    EXPECT_TRUE(w.IsModified());
    w.ConfigFileName = (dir() / "site1.dat").string();
    ASSERT_TRUE(w.SaveDataFile());
    EXPECT_FALSE(w.IsUntitled);
    EXPECT_FALSE(w.IsModified());

    Workspace other({dir(), 0});
    SetBandFromFile(other.identity, 2);
    other.ConfigFileName = w.ConfigFileName;
    ASSERT_TRUE(other.LoadDataFile());
    EXPECT_EQ(other.identity.BandCode, 49); // the file's band
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.working.Channels.find(5)->Name.value(), "FIVE");
}

TEST_F(WorkspaceFiles, FailedSaveKeepsTheConfigurationModified) {
    Workspace w({dir(), 0});
    w.working.Channels.append(Channel(5, "044012500", "FIVE"));
    w.ConfigFileName = (dir() / "missing" / "site1.dat").string();
    EXPECT_FALSE(w.SaveDataFile());
    EXPECT_TRUE(w.IsModified());
    EXPECT_TRUE(w.IsUntitled);
}

TEST_F(WorkspaceFiles, FailedOpenLeavesEverythingAsItWas) {
    Workspace w({dir(), 0});
    w.working.Channels.append(Channel(5, "044012500", "FIVE"));
    const auto before = ToStoredBytes(w.working);
    std::ofstream(dir() / "bad.dat") << "too short";
    w.ConfigFileName = (dir() / "bad.dat").string();
    EXPECT_FALSE(w.LoadDataFile());
    EXPECT_EQ(ToStoredBytes(w.working), before);
    EXPECT_TRUE(w.working.Channels.ChannelExists(5));
    EXPECT_TRUE(w.IsModified());
    EXPECT_FALSE(std::filesystem::exists(dir() / "bad.fre"));
}

TEST_F(WorkspaceFiles, AReadFromTheRadioIsUntitledAndUnchanged) {
    Workspace source({dir(), 0});
    SetBandFromFile(source.identity, 2);
    source.NewConfiguration();
    source.working.Channels.append(Channel(1, "014512500", "RPT"));
    RadioImage image;
    BlankImage(image);
    NullMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(source.working, image, context);
    ASSERT_TRUE(context.ok());

    Workspace w({dir(), 0});
    w.ConfigFileName = "old.dat";
    w.IsUntitled = false;
    w.TakeFromRadio(image, 2, BandTextOfCode(2));
    EXPECT_EQ(w.identity.BandCode, 2);
    EXPECT_EQ(w.ConfigFileName, "new.dat");
    EXPECT_TRUE(w.IsUntitled);
    EXPECT_FALSE(w.IsModified());
    ASSERT_EQ(w.working.Channels.Count, 2);
    EXPECT_EQ(w.working.Channels.Slots[0].Name.value(), "RPT");
    EXPECT_EQ(w.working.Channels.Slots[1].Position, kPositionVfo);
}

} // namespace
} // namespace kpt740
