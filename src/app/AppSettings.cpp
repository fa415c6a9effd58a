#include "app/AppSettings.h"

#include "core/Encodings.h"
#include "text/IniFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <limits>
#include <system_error>

namespace kpt740 {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

bool SettingAsBool(std::string_view text) {
    text = Trimmed(text);
    if (EqualsIgnoringCase(text, "True")) {
        return true;
    }
    if (EqualsIgnoringCase(text, "False") || !IsNumeric(text)) {
        return false;
    }
    return NumericValue(text) != 0.0;
}

int SettingAsInt16(std::string_view text) {
    text = Trimmed(text);
    if (!IsNumeric(text)) {
        return 0;
    }
    const std::int32_t value = NumberOrDefault(text, 0);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return value;
}

bool FileIsWritable(const std::filesystem::path& path) {
    if (!Exists(path)) {
        return false;
    }
    // Opening for reading and writing neither truncates nor changes the file.
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    return file.is_open();
}

SettingsStore::SettingsStore(std::filesystem::path programFolder, std::filesystem::path userFolder,
                             WritableCheck canWrite)
    : m_programFile(programFolder / "language" / kSettingsFileName),
      m_userFile(userFolder.empty() ? std::filesystem::path{}
                                    : userFolder / "language" / kSettingsFileName),
      m_canWrite(canWrite ? std::move(canWrite) : WritableCheck(FileIsWritable)) {}

bool SettingsStore::useUserCopy() const {
    return !m_userFile.empty() && Exists(m_userFile);
}

std::filesystem::path SettingsStore::fileInUse() const {
    return useUserCopy() ? m_userFile : m_programFile;
}

std::string SettingsStore::read(std::string_view section, std::string_view key) const {
    return std::string(Trimmed(ReadProfileString(fileInUse(), section, key)));
}

void SettingsStore::write(std::string_view section, std::string_view key, std::string_view text) {
    if (!useUserCopy() && m_canWrite(m_programFile) &&
        WriteProfileString(m_programFile, section, key, text)) {
        return;
    }
    if (m_userFile.empty()) {
        return;
    }
    if (!useUserCopy()) {
        // The first write of a user who cannot change the program folder: start from the
        // shipped file so its other keys (and the port map) carry over.
        std::error_code error;
        std::filesystem::create_directories(m_userFile.parent_path(), error);
        if (Exists(m_programFile)) {
            std::filesystem::copy_file(m_programFile, m_userFile,
                                       std::filesystem::copy_options::overwrite_existing, error);
        }
    }
    WriteProfileString(m_userFile, section, key, text);
}

AppSettings SettingsStore::readAppSettings() const {
    AppSettings settings;
    settings.IsFirstRun = SettingAsBool(read(kSettingsSection, "IsFirstRun"));
    settings.comPort = SettingAsInt16(read(kSettingsSection, "comPort"));
    settings.FactoryFres = SettingAsInt16(read(kSettingsSection, "FactoryFres"));
    return settings;
}

int ValidatedPort(int remembered, const std::vector<int>& listedPorts) {
    if (std::find(listedPorts.begin(), listedPorts.end(), remembered) != listedPorts.end()) {
        return remembered;
    }
    return listedPorts.empty() ? 0 : listedPorts.front();
}

} // namespace kpt740
