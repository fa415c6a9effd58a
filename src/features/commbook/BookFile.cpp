#include "features/commbook/BookFile.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

namespace kpt740 {

bool ReadBookFile(const std::filesystem::path& path, CommBook& book) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return false;
    }
    std::array<std::uint8_t, kBookFileSize> buffer{};
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    if (in.gcount() != static_cast<std::streamsize>(buffer.size())) {
        return false;
    }
    // Read into a copy so that a failure cannot leave the caller's book half replaced.
    CommBook read = book;
    std::span<const std::uint8_t> bytes(buffer);
    if (!ReadStored(bytes, read)) {
        return false;
    }
    book = read;
    return true;
}

bool WriteBookFile(const std::filesystem::path& path, const CommBook& book) {
    const std::vector<std::uint8_t> bytes = ToStoredBytes(book);

    // Opened for update so that a longer existing file keeps its tail; only a file that does
    // not exist yet is created, never an existing one truncated.
    std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!out.is_open()) {
        std::error_code error;
        if (std::filesystem::exists(path, error) || error) {
            return false;
        }
        out.open(path, std::ios::out | std::ios::binary);
        if (!out.is_open()) {
            return false;
        }
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = out.good();
    out.close();
    return written && !out.fail();
}

} // namespace kpt740
