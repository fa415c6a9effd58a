#pragma once

#include "config/Configuration.h"
#include "core/EmbeddedInfo.h"
#include "core/Identity.h"
#include "core/RadioImage.h"

#include <array>
#include <filesystem>
#include <string>

namespace kpt740 {

inline constexpr const char* kUntitledDataFile = "new.dat";
inline constexpr const char* kUntitledBookFile = "new.cb";
inline constexpr const char* kFallbackInitFile = "VQ-351_3.dat";

// What steers the initial configuration: the program folder (its "Init" folder holds the
// prepared files) and the factory-frequencies setting.
struct WorkspaceOptions {
    std::filesystem::path programFolder;
    int factoryFres = 0;
};

// The program's one working configuration with everything that belongs to it: the current
// radio identity, the copy of the last save / open / read against which changes are judged,
// the file names, and the radio's embedded information.
class Workspace {
public:
    explicit Workspace(WorkspaceOptions options = {});

    Identity identity;
    Configuration working;
    Configuration saved;
    EmbeddedInfo embedded;
    std::string ConfigFileName = kUntitledDataFile;
    std::string BookFileName = kUntitledBookFile;
    bool IsUntitled = true;
    // Grid clipboards filled (memory channels, PA/PB, VFO) and the radio's reported state.
    std::array<bool, 3> clipboardFilled{};
    bool radioKilled = false;
    bool radioStunned = false;

    const WorkspaceOptions& options() const { return m_options; }
    void setOptions(WorkspaceOptions options) { m_options = std::move(options); }

    void TakeSavedCopy();
    void RestoreSavedCopy();
    bool IsModified() const;

    // Saves to ConfigFileName. On failure nothing counts as saved: the previous saved state is
    // kept and false is returned (the caller shows "file error.").
    bool SaveDataFile();
    // Opens ConfigFileName. On failure the configuration in memory is left exactly as it was.
    bool LoadDataFile();

    // Builds a new configuration for the current model and band; `initializing` is true only
    // while the Initialize command runs (then an initial file's whole channel table is taken).
    void NewConfiguration(bool initializing = false);
    std::filesystem::path InitFilePath() const;
    std::filesystem::path FallbackInitFilePath() const;

    // After a successful read: the band identified from the radio, then every decoder on a new
    // configuration; the result is untitled and counts as unchanged.
    void TakeFromRadio(const RadioImage& image, int bandCode, const std::string& bandText);

private:
    bool LoadDefaultFile(const std::filesystem::path& path, bool initializing);
    bool LoadFallbackDefaultFile(const std::filesystem::path& path);

    WorkspaceOptions m_options;
};

} // namespace kpt740
