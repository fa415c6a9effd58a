#pragma once

#include "link/SerialPorts.h"

#include <filesystem>
#include <vector>

namespace kpt740 {

// The serial ports of this machine with their program numbers: on Windows the COM numbers;
// elsewhere the numbers of the port map in the settings file, which is updated with every
// device seen for the first time. Hand-made map entries are listed while their device exists.
std::vector<SerialPortEntry> EnumerateSerialPorts(const std::filesystem::path& settingsFile);

} // namespace kpt740
