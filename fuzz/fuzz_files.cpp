// Data, channel and book files of any content are read or refused without fault.
#include "features/commbook/BookFile.h"
#include "files/DataFile.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kpt740;
    static const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kpt740-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    // The first half is the data file, the rest the channel file; the whole is also a book.
    const std::size_t split = size / 2;
    {
        std::ofstream(dir / "f.dat", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(split));
        std::ofstream(dir / "f.fre", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data + split),
                   static_cast<std::streamsize>(size - split));
        std::ofstream(dir / "f.cb", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    if (auto configuration = ReadConfigurationFiles(dir / "f.dat")) {
        WriteConfigurationFiles(dir / "g.dat", *configuration);
    }
    CommBook book = DefaultCommBook();
    ReadBookFile(dir / "f.cb", book);
    return 0;
}
