#include "link/SerialPorts.h"

#include "core/FixedText.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <system_error>

namespace kpt740 {
namespace {

constexpr std::size_t kItemPrefixLength = 3; // "COM"
constexpr std::size_t kComNumberDigits = 3;

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A whole decimal number, nothing else.
std::optional<int> DecimalNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// The map's entries by number; keys that are not a port number are not the map's.
std::map<int, std::string> ReadPortMap(const IniFile& settings) {
    std::map<int, std::string> map;
    for (const auto& key : settings.keys(kPortMapSection)) {
        const auto number = DecimalNumber(key);
        const auto path = settings.value(kPortMapSection, key);
        if (number && *number >= 1 && *number <= kMaxPortNumber && path && !path->empty()) {
            map.emplace(*number, *path);
        }
    }
    return map;
}

std::optional<int> NumberOfPath(const std::map<int, std::string>& map, const std::string& path) {
    for (const auto& [number, mapped] : map) {
        if (mapped == path) {
            return number;
        }
    }
    return std::nullopt;
}

} // namespace

bool DevicePathExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string PortItemText(int number) {
    return "COM" + std::to_string(number);
}

int PortNumberOfItem(std::string_view itemText) {
    if (itemText.size() <= kItemPrefixLength) {
        return 0;
    }
    return DecimalNumber(itemText.substr(kItemPrefixLength)).value_or(0);
}

std::vector<std::string> FixedPortList() {
    std::vector<std::string> list;
    list.reserve(kMaxPortNumber);
    for (int n = 1; n <= kMaxPortNumber; ++n) {
        list.push_back(PortItemText(n));
    }
    return list;
}

int ComNumberOfPortName(std::string_view portName) {
    if (portName.size() <= kItemPrefixLength) {
        return 0;
    }
    return DecimalNumber(portName.substr(kItemPrefixLength, kComNumberDigits)).value_or(0);
}

int ListPorts(const std::vector<SerialPortEntry>& ports, std::vector<std::string>& list) {
    list.clear();
    for (const auto& port : ports) {
        list.push_back(PortItemText(port.number));
    }
    return FirstPort(ports);
}

bool PortExists(const std::vector<SerialPortEntry>& ports, int number) {
    return std::any_of(ports.begin(), ports.end(),
                       [number](const SerialPortEntry& p) { return p.number == number; });
}

int FirstPort(const std::vector<SerialPortEntry>& ports) {
    return ports.empty() ? 0 : ports.front().number;
}

int ValidateRememberedPort(int remembered, bool fixedPortList,
                           const std::vector<SerialPortEntry>& ports) {
    if (fixedPortList || PortExists(ports, remembered)) {
        return remembered;
    }
    return FirstPort(ports);
}

int SelectPortItem(const std::vector<std::string>& items, int portNumber) {
    if (items.empty()) {
        return -1;
    }
    const auto found = std::find(items.begin(), items.end(), PortItemText(portNumber));
    return found == items.end() ? 0 : static_cast<int>(found - items.begin());
}

bool AssignPortNumbers(IniFile& settings, const std::vector<std::string>& devicePaths) {
    auto map = ReadPortMap(settings);
    bool changed = false;
    for (const auto& path : devicePaths) {
        if (path.empty() || NumberOfPath(map, path)) {
            continue;
        }
        int number = 1;
        while (number <= kMaxPortNumber && map.contains(number)) {
            ++number;
        }
        if (number > kMaxPortNumber) {
            break; // every number is taken: the device stays unlisted
        }
        map.emplace(number, path);
        settings.setValue(kPortMapSection, std::to_string(number), path);
        changed = true;
    }
    return changed;
}

std::vector<SerialPortEntry> MappedPorts(const IniFile& settings,
                                         const std::vector<std::string>& devicePaths,
                                         const PathExists& pathExists) {
    const auto map = ReadPortMap(settings);
    std::vector<SerialPortEntry> ports;
    std::set<std::string> listed;
    for (const auto& path : devicePaths) {
        const auto number = NumberOfPath(map, path);
        if (number && listed.insert(path).second) {
            ports.push_back({*number, path, {}});
        }
    }
    for (const auto& [number, path] : map) {
        if (!listed.contains(path) && pathExists(path)) {
            listed.insert(path);
            ports.push_back({number, path, {}});
        }
    }
    return ports;
}

std::optional<std::string> MappedDevicePath(const IniFile& settings, int number) {
    const auto map = ReadPortMap(settings);
    const auto found = map.find(number);
    if (found == map.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<SerialPortEntry> DiscoverMappedPorts(const std::filesystem::path& settingsFile,
                                                 const std::vector<std::string>& devicePaths,
                                                 const PathExists& pathExists) {
    IniFile settings = IniFile::Load(settingsFile).value_or(IniFile{});
    if (AssignPortNumbers(settings, devicePaths)) {
        // A settings file that cannot be written still gives this run's numbers.
        settings.Save(settingsFile);
    }
    return MappedPorts(settings, devicePaths, pathExists);
}

std::optional<std::string> MappedDevicePath(const std::filesystem::path& settingsFile, int number) {
    const auto settings = IniFile::Load(settingsFile);
    if (!settings) {
        return std::nullopt;
    }
    return MappedDevicePath(*settings, number);
}

} // namespace kpt740
