#include "text/IniFile.h"
#include "text/LanguageText.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {
namespace {

const std::filesystem::path kResources(KPT740_RESOURCES_DIR);
const std::filesystem::path kLanguageFolder = kResources / "language";

// Every text id the program looks up, by section. A file that lacks one shows an empty caption
// or message somewhere in the program.
constexpr int kOtherIds[] = {
    20,   21,   101,  102,  1000, 1001, 1002, 1003, 1004, 1005, 1006, 1010, 1011, 1020, 1021, 1022,
    1023, 1024, 1025, 1026, 1027, 1028, 1030, 1031, 1032, 1033, 1040, 1041, 1042, 1043, 1050, 1051,
    1052, 1060, 1061, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113,
    1114, 1116, 1140, 1202, 1203, 1204, 1205, 1206, 1207, 1210, 1211, 1212, 1214, 1215, 1216, 1217,
    1218, 1219, 1220, 1221, 1300, 1301, 1401, 1402, 1501, 1502, 1503, 1504, 1602, 1603, 1604, 1605,
    1606, 1607, 1608, 1609, 1610, 1611, 1612, 1650, 1651, 1653, 1701, 1702, 1703, 1704, 1705, 1706,
    1707, 1708, 1709, 1710, 1711, 1712, 1713, 1714, 1715, 1716, 1717, 1718, 1719, 1730, 1731, 1732,
    1733, 1737, 1738, 1739, 1740, 1741, 1742, 1743, 1744, 1745, 1746, 1747, 1748, 1749, 1750, 1751,
    1752, 1753, 1754, 1755, 1756, 1761, 1762, 1765, 1766, 1767, 1768, 1769, 1770, 1780, 1782, 1784,
    1785, 1786, 1787, 1788, 1790, 1791, 1792, 1794, 1795, 1796, 1797, 1798, 1799, 1800, 1801, 1802,
    1803, 1804, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2012, 2100, 2101, 2200, 2300, 2301,
    2302, 2400, 2401, 2402, 2403, 2404, 2405, 2406, 2407, 2408, 2409, 2410, 2411, 2412, 2413, 2430,
    2431, 2432, 2433, 2434, 2435, 2436, 2437, 2438, 2439, 2600, 2601, 2602, 2603, 2604, 2605, 2606,
    2607, 2608, 2609, 2610, 2611, 2612, 2613, 2614, 2615, 2630, 2631, 2632, 2633, 2634, 2635, 2636,
    3001, 3002, 3003, 3004, 3005, 3006, 3007, 3009, 3010, 3011, 3100, 3101, 5021, 5023, 5024, 5025,
    5028, 5804,
};

constexpr int kOptionIds[] = {
    60024, 60025, 60043, 60044, 60045, 60046, 60047, 60048, 60049, 60050, 60051, 60052, 60053,
    60054, 60055, 60056, 60057, 60058, 60059, 60061, 60062, 60063, 60064, 60069, 60070, 60071,
    60072, 60073, 60074, 60075, 60076, 60077, 60079, 60080, 60081, 60082, 60084, 60085, 60086,
    60087, 60088, 60093, 60095, 60096, 60097, 60098, 60099, 60300, 60301, 60302, 60303, 60304,
    60305, 60306, 60307, 60308, 60309, 60310, 60311, 60312, 60313, 60314, 60315, 60318,
};

// "900C" is looked up by its text, not built from a number.
const char* const kMsgKeys[] = {"9001", "900C"};

// The lookup keeps at most this many bytes of a value.
constexpr std::size_t kOtherOptionLimit = 254;
constexpr std::size_t kMsgLimit = 511;

struct InventorySection {
    std::string name;
    std::vector<std::string> keys;
    std::size_t limit;
};

std::vector<InventorySection> Inventory() {
    std::vector<InventorySection> sections{{"OTHER", {}, kOtherOptionLimit},
                                           {"OPTION", {}, kOtherOptionLimit},
                                           {"MSG", {}, kMsgLimit}};
    for (int id : kOtherIds) {
        sections[0].keys.push_back(std::to_string(id));
    }
    for (int id : kOptionIds) {
        sections[1].keys.push_back(std::to_string(id));
    }
    sections[2].keys.assign(std::begin(kMsgKeys), std::end(kMsgKeys));
    return sections;
}

struct LanguageFile {
    int languageIndex;
    const char* name;
};

constexpr LanguageFile kFiles[] = {{kEnglish, "english.ini"},
                                   {kSimplifiedChinese, "chinese.ini"},
                                   {kTraditionalChinese, "tchinese.ini"}};

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

IniFile LoadOrFail(const std::filesystem::path& path) {
    auto file = IniFile::Load(path);
    EXPECT_TRUE(file.has_value()) << path;
    return file.value_or(IniFile{});
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool HoldsCjk(std::string_view text) {
    // The common CJK ideographs, U+4E00-U+9FFF, are three-byte sequences led by E4-E9.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xE4 && byte <= 0xE9;
    });
}

TEST(Utf8Check, AcceptsWellFormedTextAndRejectsMalformedSequences) {
    struct Case {
        std::string_view bytes;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"OK", true},
        {"\xE7\xA1\xAE\xE5\xAE\x9A", true}, // 确定
        {"120\xC2\xB0", true},              // 120°
        {"\xF0\x9F\x93\xBB", true},         // a four-byte character
        {"\xEF\xBB\xBF", true},             // a byte order mark is valid text, checked apart
        {"\xB0", false},                    // continuation byte without a lead
        {"\xE7\xA1", false},                // cut sequence
        {"\xC0\xAF", false},                // overlong "/"
        {"\xE0\x80\xAF", false},            // overlong "/"
        {"\xED\xA0\x80", false},            // surrogate
        {"\xF4\x90\x80\x80", false},        // above U+10FFFF
        {"\xB0\xA1\xCB\xFE", false},        // GBK bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << testing::PrintToString(std::string(c.bytes));
    }
}

TEST(LanguageFiles, AreUtf8WithoutByteOrderMark) {
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        const std::string bytes = ReadBytes(kLanguageFolder / file.name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_TRUE(IsValidUtf8(bytes));
    }
}

TEST(LanguageFiles, HoldExactlyTheSameKeysInEachSection) {
    const IniFile english = LoadOrFail(kLanguageFolder / "english.ini");
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        const IniFile ini = LoadOrFail(kLanguageFolder / file.name);
        EXPECT_EQ(ini.sections(), (std::vector<std::string>{"OTHER", "OPTION", "MSG"}));
        for (const auto& section : Inventory()) {
            SCOPED_TRACE(section.name);
            auto keys = ini.keys(section.name);
            auto englishKeys = english.keys(section.name);
            std::sort(keys.begin(), keys.end());
            std::sort(englishKeys.begin(), englishKeys.end());
            // A key written twice hides its second text, as the lookup takes the first.
            EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
            EXPECT_EQ(keys, englishKeys);
        }
    }
}

TEST(LanguageFiles, HoldEveryIdWithATextTheLookupKeepsWhole) {
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        const IniFile ini = LoadOrFail(kLanguageFolder / file.name);
        for (const auto& section : Inventory()) {
            const auto present = ini.keys(section.name);
            const std::set<std::string> written(present.begin(), present.end());
            for (const auto& key : section.keys) {
                SCOPED_TRACE(section.name + " " + key);
                // Compared as written: the key "900C" must not turn into "900c" or 36876.
                EXPECT_EQ(written.count(key), 1u);
                const std::string text = ini.value(section.name, key).value_or("");
                EXPECT_FALSE(text.empty());
                EXPECT_LE(text.size(), section.limit);
            }
        }
    }
}

TEST(LanguageFiles, EveryTextReadsBackUnchangedThroughTheLookup) {
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        const IniFile ini = LoadOrFail(kLanguageFolder / file.name);
        const LanguageText text(kLanguageFolder, file.languageIndex);
        for (int id : kOtherIds) {
            EXPECT_EQ(text.other(id), ini.value("OTHER", std::to_string(id))) << id;
        }
        for (int id : kOptionIds) {
            EXPECT_EQ(text.option(id), ini.value("OPTION", std::to_string(id))) << id;
        }
        for (const char* key : kMsgKeys) {
            EXPECT_EQ(text.msg(key), ini.value("MSG", key)) << key;
        }
    }
}

TEST(LanguageFiles, NameAFontAndAnIntegerPointSize) {
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        const LanguageText text(kLanguageFolder, file.languageIndex);
        const std::string font = text.other(20);
        EXPECT_FALSE(font.empty());
        EXPECT_FALSE(
            std::all_of(font.begin(), font.end(), [](char c) { return c >= '0' && c <= '9'; }));

        const std::string size = text.other(21);
        int points = 0;
        const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), points);
        EXPECT_EQ(error, std::errc{}) << size;
        EXPECT_EQ(end, size.data() + size.size()) << size;
        EXPECT_GE(points, 6);
        EXPECT_LE(points, 24);
    }
}

TEST(LanguageFiles, ChineseFilesAreWrittenInChinese) {
    // Catches an English file copied in place of a translation.
    for (const auto& file : kFiles) {
        if (file.languageIndex == kEnglish) {
            continue;
        }
        SCOPED_TRACE(file.name);
        const LanguageText text(kLanguageFolder, file.languageIndex);
        std::size_t chinese = 0;
        for (int id : kOtherIds) {
            chinese += HoldsCjk(text.other(id)) ? 1 : 0;
        }
        EXPECT_GT(chinese * 4, std::size(kOtherIds) * 3);
        EXPECT_TRUE(HoldsCjk(text.other(101)));
        EXPECT_TRUE(HoldsCjk(text.msg(9001)));
        EXPECT_TRUE(HoldsCjk(text.msg("900C")));
    }
}

TEST(SettingsFile, IsInstalledAsAFirstRunOnPortOneWithoutFactoryChannels) {
    const IniFile settings = LoadOrFail(kLanguageFolder / "mysetup.ini");
    EXPECT_EQ(settings.value("language", "IsFirstRun"), "1");
    EXPECT_EQ(settings.value("language", "comPort"), "1");
    EXPECT_EQ(settings.value("language", "FactoryFres"), "0");
    EXPECT_EQ(settings.sections(), (std::vector<std::string>{"language", "ports"}));
    EXPECT_TRUE(settings.keys("ports").empty());
    EXPECT_TRUE(IsValidUtf8(ReadBytes(kLanguageFolder / "mysetup.ini")));
}

} // namespace
} // namespace kpt740
