#include "files/Workspace.h"

#include "config/ConfigurationCodec.h"
#include "files/DataFile.h"

#include <system_error>

namespace kpt740 {

Workspace::Workspace(WorkspaceOptions options) : m_options(std::move(options)) {
    working = DefaultConfiguration(identity.BandCode, identity.Limits);
    TakeSavedCopy();
}

void Workspace::TakeSavedCopy() {
    working.BandCode = identity.BandCode;
    saved = working;
}

void Workspace::RestoreSavedCopy() {
    // Only the used slots travel; the working slots beyond the count keep what they held.
    const ChannelTable previous = working.Channels;
    working = saved;
    for (std::size_t i = working.Channels.used().size(); i < previous.Slots.size(); ++i) {
        working.Channels.Slots[i] = previous.Slots[i];
    }
    SetBandFromFile(identity, saved.BandCode);
}

bool Workspace::IsModified() const {
    return kpt740::IsModified(working, saved, identity.BandCode);
}

bool Workspace::SaveDataFile() {
    const Configuration previous = saved;
    TakeSavedCopy();
    if (!WriteConfigurationFiles(ConfigFileName, saved)) {
        saved = previous;
        return false;
    }
    IsUntitled = false;
    return true;
}

bool Workspace::LoadDataFile() {
    auto loaded = ReadConfigurationFiles(ConfigFileName);
    if (!loaded) {
        return false;
    }
    saved = std::move(*loaded);
    RestoreSavedCopy();
    IsUntitled = false;
    return true;
}

std::filesystem::path Workspace::InitFilePath() const {
    return m_options.programFolder / "Init" /
           (identity.ModelText + "_" + std::to_string(identity.BandCode) + ".dat");
}

std::filesystem::path Workspace::FallbackInitFilePath() const {
    return m_options.programFolder / "Init" / kFallbackInitFile;
}

void Workspace::NewConfiguration(bool initializing) {
    clipboardFilled = {};
    radioKilled = false;
    radioStunned = false;
    ConfigFileName = kUntitledDataFile;
    BookFileName = kUntitledBookFile;
    IsUntitled = true;
    working = DefaultConfiguration(identity.BandCode, identity.Limits);

    std::error_code error;
    if (std::filesystem::exists(InitFilePath(), error)) {
        LoadDefaultFile(InitFilePath(), initializing);
    } else if (std::filesystem::exists(FallbackInitFilePath(), error)) {
        LoadFallbackDefaultFile(FallbackInitFilePath());
    }
    TakeSavedCopy();
}

bool Workspace::LoadDefaultFile(const std::filesystem::path& path, bool initializing) {
    auto loaded = ReadConfigurationFiles(path);
    if (!loaded) {
        return false;
    }
    loaded->BandCode = identity.BandCode;
    if (m_options.factoryFres == 0 && !initializing) {
        ChannelTable& table = loaded->Channels;
        if (const ChannelRecord* vfo = table.find(kPositionVfo)) {
            table.Slots[0] = *vfo;
            table.Count = 1;
        } else {
            table.Count = 0;
        }
    }
    saved = std::move(*loaded);
    RestoreSavedCopy();
    return true;
}

bool Workspace::LoadFallbackDefaultFile(const std::filesystem::path& path) {
    auto loaded = ReadConfigurationFiles(path);
    if (!loaded) {
        return false;
    }
    loaded->BandCode = identity.BandCode;
    saved = std::move(*loaded);
    RestoreSavedCopy();
    working.Channels.Count = 1;
    working.Channels.Slots[0] = DefaultVfoRecord(identity.Limits);
    return true;
}

void Workspace::TakeFromRadio(const RadioImage& image, int bandCode, const std::string& bandText) {
    SetBandFromRadio(identity, bandCode, bandText);
    NewConfiguration();
    working.Channels.Count = 0;
    DecodeAll(image, working, embedded);
    ConfigFileName = kUntitledDataFile;
    IsUntitled = true;
    TakeSavedCopy();
}

} // namespace kpt740
