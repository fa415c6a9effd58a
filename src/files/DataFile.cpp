#include "files/DataFile.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace kpt740 {

static_assert(StoredSize<Configuration>() == kDataFileRecordSize);
static_assert(StoredSize<ChannelRecord>() == kChannelFileRecordSize);

namespace {

// Opens for writing without truncating an existing file.
bool WriteInPlace(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file.is_open()) {
        file.open(path, std::ios::out | std::ios::binary);
    }
    if (!file.is_open()) {
        return false;
    }
    file.seekp(0);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.flush();
    return file.good();
}

// At most `limit` bytes from the start of the file; no value when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadPrefix(const std::filesystem::path& path,
                                                    std::size_t limit) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(limit);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

} // namespace

std::filesystem::path ChannelFilePath(const std::filesystem::path& dataFile) {
    auto text = dataFile.native();
    text.resize(text.size() >= 3 ? text.size() - 3 : 0);
    return std::filesystem::path(text + std::filesystem::path("fre").native());
}

bool WriteConfigurationFiles(const std::filesystem::path& dataFile,
                             const Configuration& configuration) {
    if (!WriteInPlace(dataFile, ToStoredBytes(configuration))) {
        return false;
    }
    std::vector<std::uint8_t> channels;
    channels.reserve(kChannelFileRecordSize * configuration.Channels.used().size());
    for (const auto& record : configuration.Channels.used()) {
        AppendStored(record, channels);
    }
    return WriteInPlace(ChannelFilePath(dataFile), channels);
}

std::optional<Configuration> ReadConfigurationFiles(const std::filesystem::path& dataFile) {
    const auto data = ReadPrefix(dataFile, kDataFileRecordSize);
    if (!data || data->size() < kDataFileRecordSize) {
        return std::nullopt;
    }
    auto configuration = std::make_optional<Configuration>();
    std::span<const std::uint8_t> in(*data);
    if (!ReadStored(in, *configuration)) {
        return std::nullopt;
    }
    const int count = configuration->Channels.Count;
    if (count < 0 || count > kChannelSlots) {
        return std::nullopt;
    }
    const std::size_t wanted = kChannelFileRecordSize * static_cast<std::size_t>(count);
    const auto channels = ReadPrefix(ChannelFilePath(dataFile), wanted);
    if (!channels || channels->size() < wanted) {
        return std::nullopt;
    }
    std::span<const std::uint8_t> records(*channels);
    for (auto& record : configuration->Channels.used()) {
        ReadStored(records, record);
    }
    return configuration;
}

} // namespace kpt740
