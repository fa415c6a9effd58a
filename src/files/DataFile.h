#pragma once

#include "config/Configuration.h"

#include <filesystem>
#include <optional>

namespace kpt740 {

inline constexpr std::size_t kChannelFileRecordSize = 108;

// The channel file beside a data file: the data file's name with its last three characters
// replaced by "fre" (site1.dat -> site1.fre, a.cfg1 -> a.cfre).
std::filesystem::path ChannelFilePath(const std::filesystem::path& dataFile);

// Writes the data file (one 8,586-byte record at offset 0) and the channel file (one 108-byte
// record per used slot). Existing files are overwritten in place, never truncated: a longer old
// file keeps its tail, as the radio's programs always kept it. False on any failure.
bool WriteConfigurationFiles(const std::filesystem::path& dataFile,
                             const Configuration& configuration);

// Reads a data file and its channel file. No value when either cannot be used: missing, a data
// file shorter than one record, a channel count outside 0-203, or a channel file with fewer
// records than the count says. Nothing is created on the way.
std::optional<Configuration> ReadConfigurationFiles(const std::filesystem::path& dataFile);

} // namespace kpt740
