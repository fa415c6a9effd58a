#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

inline constexpr const char* kSettingsSection = "language";
inline constexpr const char* kSettingsFileName = "mysetup.ini";

// The three values the settings file holds for the program.
struct AppSettings {
    bool IsFirstRun = false;
    int comPort = 0;
    int FactoryFres = 0;
    bool operator==(const AppSettings&) const = default;
};

// A setting read as a boolean: "1"/"True" (any case) or another non-zero number is true;
// "0"/"False", a missing value or any other text is false.
bool SettingAsBool(std::string_view text);
// A setting read as a 16-bit integer; a missing, non-numeric or out-of-range value reads as 0.
int SettingAsInt16(std::string_view text);

// The settings file "language/mysetup.ini" of the program folder. When the program folder cannot
// be written (an installed program), every write goes to a per-user copy of the file, and from
// then on the per-user copy is the one read.
class SettingsStore {
public:
    using WritableCheck = std::function<bool(const std::filesystem::path&)>;

    SettingsStore(std::filesystem::path programFolder, std::filesystem::path userFolder,
                  WritableCheck canWrite = {});

    // The value text (blanks around it removed), or an empty text when the key is absent.
    std::string read(std::string_view section, std::string_view key) const;
    // Writes one key, keeping every other line of the file. A failed write is silently lost.
    void write(std::string_view section, std::string_view key, std::string_view text);

    AppSettings readAppSettings() const;

    const std::filesystem::path& programFile() const { return m_programFile; }
    const std::filesystem::path& userFile() const { return m_userFile; }
    // The file reads come from now.
    std::filesystem::path fileInUse() const;

private:
    bool useUserCopy() const;

    std::filesystem::path m_programFile;
    std::filesystem::path m_userFile;
    WritableCheck m_canWrite;
};

// True when an existing file can be opened for writing without changing it.
bool FileIsWritable(const std::filesystem::path& path);

// The remembered port when discovery lists it, else the first port listed, else 0.
int ValidatedPort(int remembered, const std::vector<int>& listedPorts);

} // namespace kpt740
