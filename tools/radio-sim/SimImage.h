#pragma once

#include "core/RadioImage.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace kpt740::sim {

// The memory of a radio fresh from the factory: the blank fill, the default configuration of
// the band encoded as a write would send it, and production data in bytes 16-255.
RadioImage DefaultSimImage(std::uint8_t bandCode);

// The programming password at bytes 76-79: the characters, then 0xFF up to the fourth byte
// (an empty text means no password). Throws std::invalid_argument for more than 4 characters.
void SetProgrammingPassword(RadioImage& image, std::string_view password);

// A file of exactly 16,384 bytes. Throws std::runtime_error with a message for the user.
RadioImage LoadImageFile(const std::filesystem::path& path);
// Writes through a temporary file renamed into place, so that a reader never sees half an
// image. Throws std::runtime_error with a message for the user.
void SaveImageFile(const std::filesystem::path& path, const RadioImage& image);

} // namespace kpt740::sim
