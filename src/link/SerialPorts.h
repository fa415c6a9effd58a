#pragma once

#include "text/IniFile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

inline constexpr int kMaxPortNumber = 255;
// Section of the settings file that gives each port number its device (other than on Windows).
inline constexpr std::string_view kPortMapSection = "ports";

// A serial port as the program lists it: its number and the device it opens.
struct SerialPortEntry {
    int number = 0;
    std::string devicePath;
    std::string description; // as the platform describes the device; empty for map entries
    bool operator==(const SerialPortEntry&) const = default;
};

using PathExists = std::function<bool(const std::string& path)>;
// Asks the file system.
bool DevicePathExists(const std::string& path);

// ---- Port list rules --------------------------------------------------------------------

// "COM" followed by the number.
std::string PortItemText(int number);
// The number of a list item: its text without the first three characters; 0 when not a number.
int PortNumberOfItem(std::string_view itemText);
// The fixed list used instead of enumeration: "COM1" .. "COM255".
std::vector<std::string> FixedPortList();
// The number in a Windows port name such as "COM3": characters 4-6, blanks removed; 0 if none.
int ComNumberOfPortName(std::string_view portName);

// Clears `list` and adds one item per port; returns the first port's number, 0 when none.
int ListPorts(const std::vector<SerialPortEntry>& ports, std::vector<std::string>& list);
bool PortExists(const std::vector<SerialPortEntry>& ports, int number);
int FirstPort(const std::vector<SerialPortEntry>& ports);
// Start-up: unless the list is fixed, a remembered port that is not present becomes the first.
int ValidateRememberedPort(int remembered, bool fixedPortList,
                           const std::vector<SerialPortEntry>& ports);
// The item the port dialog selects: the one for `portNumber`, else the first; -1 when empty.
int SelectPortItem(const std::vector<std::string>& items, int portNumber);

// ---- Port map ---------------------------------------------------------------------------

// Every device found that has no number yet gets the lowest free one (1-255), in the order
// found; numbers once given are kept. True when the map changed.
bool AssignPortNumbers(IniFile& settings, const std::vector<std::string>& devicePaths);
// The ports to list: the devices found, in the order found, then the other map entries (added
// by hand, such as a pseudo-terminal) in number order while their path exists.
std::vector<SerialPortEntry> MappedPorts(const IniFile& settings,
                                         const std::vector<std::string>& devicePaths,
                                         const PathExists& pathExists = DevicePathExists);
// The device of a port number, if the map has one.
std::optional<std::string> MappedDevicePath(const IniFile& settings, int number);

// Loads the settings file (a missing file is an empty one), assigns numbers, saves it when the
// map changed, and returns the ports to list.
std::vector<SerialPortEntry> DiscoverMappedPorts(const std::filesystem::path& settingsFile,
                                                 const std::vector<std::string>& devicePaths,
                                                 const PathExists& pathExists = DevicePathExists);
std::optional<std::string> MappedDevicePath(const std::filesystem::path& settingsFile, int number);

} // namespace kpt740
