// Data, channel and book files of any content are read or refused without fault, and what is
// read writes back. The input is a list of byte patches over valid files, so that the fuzzer
// reaches the channel count and every record quickly, plus flags that cut the files short.
#include "config/Configuration.h"
#include "core/Identity.h"
#include "features/commbook/BookFile.h"
#include "files/DataFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kpt740;
    static const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kpt740-fuzz-" + std::to_string(getpid()));
    static const Identity identity;
    static const Configuration base = DefaultConfiguration(identity.BandCode, identity.Limits);
    if (size < 1) {
        return 0;
    }
    std::filesystem::create_directories(dir);
    const std::uint8_t flags = data[0];

    std::vector<std::uint8_t> dataFile = ToStoredBytes(base);
    std::vector<std::uint8_t> channelFile;
    for (int i = 0; i < kChannelSlots; ++i) {
        AppendStored(base.Channels.Slots[0], channelFile);
    }
    std::vector<std::uint8_t> bookFile = ToStoredBytes(base.Book);
    std::size_t lastOffset = 0;
    for (std::size_t i = 1; i + 3 < size; i += 4) {
        const std::size_t offset = static_cast<std::size_t>(data[i + 1]) << 8 | data[i + 2];
        auto& target = (data[i] % 3 == 0) ? dataFile : (data[i] % 3 == 1) ? channelFile : bookFile;
        lastOffset = offset % target.size();
        target[lastOffset] = data[i + 3];
    }
    if ((flags & 1) != 0) {
        dataFile.resize(lastOffset % dataFile.size());
    }
    if ((flags & 2) != 0) {
        channelFile.resize(lastOffset % channelFile.size());
    }
    if ((flags & 4) != 0) {
        bookFile.resize(lastOffset % bookFile.size());
    }
    WriteFile(dir / "f.dat", dataFile);
    WriteFile(dir / "f.fre", channelFile);
    WriteFile(dir / "f.cb", bookFile);

    if (auto configuration = ReadConfigurationFiles(dir / "f.dat")) {
        WriteConfigurationFiles(dir / "g.dat", *configuration);
    }
    CommBook book = DefaultCommBook();
    if (ReadBookFile(dir / "f.cb", book)) {
        WriteBookFile(dir / "g.cb", book);
    }
    return 0;
}
