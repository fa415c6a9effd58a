#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

// An initialisation file with the usual profile semantics: "[section]" lines and "key=value"
// lines, section and key names compared without regard to case, values taken as they stand
// (commas, semicolons and backslashes are ordinary characters). Writing a key changes that one
// line in place (or adds it at the end of its section, or adds the section at the end) and keeps
// every other line exactly as it was.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string text);

    // No value when the file cannot be read.
    static std::optional<IniFile> Load(const std::filesystem::path& path);
    bool Save(const std::filesystem::path& path) const;

    // The raw value (blanks around it removed); no value when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void removeKey(std::string_view section, std::string_view key);
    // The keys of a section in file order.
    std::vector<std::string> keys(std::string_view section) const;
    std::vector<std::string> sections() const;

    std::string text() const;

private:
    std::vector<std::string> m_lines;
    bool m_crlf = false;
};

// Reads one key from a file; an empty text when the file or the key is missing.
std::string ReadProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key);
// Writes one key in place, creating the file when needed. False when it cannot be written.
bool WriteProfileString(const std::filesystem::path& path, std::string_view section,
                        std::string_view key, std::string_view value);

} // namespace kpt740
