#include "text/LanguageText.h"

#include <system_error>

namespace kpt740 {

namespace {
constexpr std::size_t kOtherLimit = 254;
constexpr std::size_t kMsgLimit = 511;
} // namespace

std::string LanguageFileName(int languageIndex) {
    switch (languageIndex) {
    case kSimplifiedChinese:
        return "chinese.ini";
    case kTraditionalChinese:
        return "tchinese.ini";
    default:
        return "english.ini";
    }
}

LanguageText::LanguageText(std::filesystem::path languageFolder, int languageIndex)
    : m_folder(std::move(languageFolder)), m_languageIndex(languageIndex) {}

void LanguageText::setLanguageIndex(int languageIndex) {
    m_languageIndex = languageIndex;
}

void LanguageText::setFolder(std::filesystem::path folder) {
    m_folder = std::move(folder);
}

const IniFile* LanguageText::file() const {
    const auto path = m_folder / LanguageFileName(m_languageIndex);
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        m_cache.reset();
        m_cachePath.clear();
        return nullptr;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (!m_cache || m_cachePath != path || time != m_cacheTime || size != m_cacheSize) {
        m_cache = IniFile::Load(path);
        m_cachePath = path;
        m_cacheTime = time;
        m_cacheSize = error ? 0 : size;
    }
    return m_cache ? &*m_cache : nullptr;
}

std::string LanguageText::read(std::string_view section, std::string_view key,
                               std::size_t limit) const {
    const IniFile* ini = file();
    if (ini == nullptr) {
        return {};
    }
    std::string value = ini->value(section, key).value_or(std::string{});
    if (value.size() > limit) {
        value.resize(limit);
        // Never leave half of a multi-byte character at the cut: find where the last character
        // starts and drop it only when its bytes do not all fit.
        std::size_t start = value.size();
        while (start > 0 && (static_cast<unsigned char>(value[start - 1]) & 0xC0) == 0x80) {
            --start;
        }
        if (start > 0) {
            const auto lead = static_cast<unsigned char>(value[start - 1]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (value.size() - (start - 1) < length) {
                value.resize(start - 1);
            }
        }
    }
    return value;
}

std::string LanguageText::other(int id) const {
    return read("OTHER", std::to_string(id), kOtherLimit);
}

std::string LanguageText::option(int id) const {
    return read("OPTION", std::to_string(id), kOtherLimit);
}

std::string LanguageText::msg(int id) const {
    return read("MSG", std::to_string(id), kMsgLimit);
}

std::string LanguageText::msg(std::string_view key) const {
    return read("MSG", key, kMsgLimit);
}

std::string LanguageText::lookup(const TextRef& ref) const {
    switch (ref.section) {
    case TextSection::Option:
        return option(ref.id);
    case TextSection::Msg:
        return msg(ref.id);
    default:
        return other(ref.id);
    }
}

std::string LanguageText::resolve(const Message& message) const {
    if (const auto* literal = std::get_if<std::string>(&message.text)) {
        return *literal;
    }
    if (const auto* builtIn = std::get_if<BuiltInText>(&message.text)) {
        return std::string(builtIn->forLanguage(m_languageIndex));
    }
    return lookup(std::get<TextRef>(message.text));
}

} // namespace kpt740
