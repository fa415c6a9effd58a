#include "text/IniFile.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kpt740 {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
               };
               return lower(x) == lower(y);
           });
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() >= 2 && line.front() == '[') {
        const auto close = line.find(']');
        if (close != std::string_view::npos) {
            return Trim(line.substr(1, close - 1));
        }
    }
    return std::nullopt;
}

// The key of a "key=value" line (not a comment).
std::optional<std::string_view> KeyOf(std::string_view line) {
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(0, equals));
}

} // namespace

IniFile::IniFile(std::string text) {
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text.erase(0, 3); // a UTF-8 byte order mark is not part of the first line
    }
    m_crlf = text.find("\r\n") != std::string::npos;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        m_lines.push_back(line);
    }
}

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << file.rdbuf();
    return IniFile(content.str());
}

bool IniFile::Save(const std::filesystem::path& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) {
        return false;
    }
    file << text();
    file.flush();
    return file.good();
}

std::string IniFile::text() const {
    std::string out;
    for (const auto& line : m_lines) {
        out += line;
        out += m_crlf ? "\r\n" : "\n";
    }
    return out;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const auto& line : m_lines) {
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            if (auto k = KeyOf(line); k && SameName(*k, key)) {
                return std::string(Trim(std::string_view(line).substr(line.find('=') + 1)));
            }
        }
    }
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> sectionEnd;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (auto name = SectionOf(m_lines[i])) {
            if (inSection) {
                break;
            }
            inSection = SameName(*name, section);
            if (inSection) {
                sectionEnd = i + 1;
            }
        } else if (inSection) {
            if (auto k = KeyOf(m_lines[i]); k && SameName(*k, key)) {
                m_lines[i] = entry;
                return;
            }
            if (!Trim(m_lines[i]).empty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (sectionEnd) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
        return;
    }
    m_lines.push_back("[" + std::string(section) + "]");
    m_lines.push_back(entry);
}

void IniFile::removeKey(std::string_view section, std::string_view key) {
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (auto name = SectionOf(m_lines[i])) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            if (auto k = KeyOf(m_lines[i]); k && SameName(*k, key)) {
                m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
        }
    }
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    bool inSection = false;
    for (const auto& line : m_lines) {
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            if (auto k = KeyOf(line)) {
                out.emplace_back(*k);
            }
        }
    }
    return out;
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> out;
    for (const auto& line : m_lines) {
        if (auto name = SectionOf(line)) {
            out.emplace_back(*name);
        }
    }
    return out;
}

std::string ReadProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key) {
    const auto file = IniFile::Load(path);
    return file ? file->value(section, key).value_or(std::string{}) : std::string{};
}

bool WriteProfileString(const std::filesystem::path& path, std::string_view section,
                        std::string_view key, std::string_view value) {
    IniFile file = IniFile::Load(path).value_or(IniFile{});
    file.setValue(section, key, value);
    return file.Save(path);
}

} // namespace kpt740
