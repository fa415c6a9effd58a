#pragma once

#include "features/commbook/CommBook.h"

#include <cstddef>
#include <filesystem>

namespace kpt740 {

// The ".cb" book file: the 128 entries in stored form, 14 bytes each, no header.
inline constexpr std::size_t kBookFileSize = StoredSize<CommBook>();

// Reads the first 1,792 bytes of the file into `book`. A missing, unreadable or shorter file
// gives false and leaves `book` untouched; a missing file is never created.
bool ReadBookFile(const std::filesystem::path& path, CommBook& book);

// Writes the book over the first 1,792 bytes of the file, creating it when missing. Bytes of
// a longer existing file beyond those stay as they were. False on any failure.
bool WriteBookFile(const std::filesystem::path& path, const CommBook& book);

} // namespace kpt740
