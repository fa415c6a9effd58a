#pragma once

#include "core/Messages.h"
#include "text/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kpt740 {

inline constexpr int kEnglish = 1;
inline constexpr int kSimplifiedChinese = 2;
inline constexpr int kTraditionalChinese = 3;

// "english.ini", "chinese.ini" or "tchinese.ini"; English for any other index.
std::string LanguageFileName(int languageIndex);

// The texts of the current language, looked up by id in the language files of one folder.
// A file is parsed once and parsed again when it changes on disk, so lookups stay cheap and an
// edited file takes effect at the next lookup. A missing file or key gives an empty text.
class LanguageText {
public:
    explicit LanguageText(std::filesystem::path languageFolder = {}, int languageIndex = kEnglish);

    int languageIndex() const { return m_languageIndex; }
    void setLanguageIndex(int languageIndex);
    const std::filesystem::path& folder() const { return m_folder; }
    void setFolder(std::filesystem::path folder);

    // Values trimmed at both ends and cut to the lookup buffers (254 / 511 characters).
    std::string other(int id) const;
    std::string option(int id) const;
    std::string msg(int id) const;
    std::string msg(std::string_view key) const; // keys that are not decimal, such as "900C"
    std::string lookup(const TextRef& ref) const;
    // The text a message shows in the current language.
    std::string resolve(const Message& message) const;

private:
    std::string read(std::string_view section, std::string_view key, std::size_t limit) const;
    const IniFile* file() const;

    std::filesystem::path m_folder;
    int m_languageIndex = kEnglish;
    mutable std::optional<IniFile> m_cache;
    mutable std::filesystem::path m_cachePath;
    mutable std::filesystem::file_time_type m_cacheTime{};
    mutable std::uintmax_t m_cacheSize = 0;
};

} // namespace kpt740
