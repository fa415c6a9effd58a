#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kpt740 {

// The radio's whole 16,384-byte memory. Every access is bounds-checked: an address outside
// the image throws std::out_of_range (an internal error of the caller); the image never grows.
class RadioImage {
public:
    static constexpr std::size_t kSize = 16384;

    std::uint8_t at(std::size_t address) const;
    void set(std::size_t address, std::uint8_t value);
    // Fills addresses first..last inclusive.
    void fill(std::size_t first, std::size_t last, std::uint8_t value);
    // A checked view of `length` bytes from `address`.
    std::span<const std::uint8_t> view(std::size_t address, std::size_t length) const;
    void write(std::size_t address, std::span<const std::uint8_t> bytes);

    std::span<const std::uint8_t> bytes() const { return m_bytes; }
    bool operator==(const RadioImage&) const = default;

private:
    static void check(std::size_t address, std::size_t length);
    std::array<std::uint8_t, kSize> m_bytes{};
};

// The pattern every read, write and embedded-information read starts from; bytes 0-15 keep
// their contents.
void BlankImage(RadioImage& image);

} // namespace kpt740
