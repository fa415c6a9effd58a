#include "core/RadioImage.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kpt740 {

void RadioImage::check(std::size_t address, std::size_t length) {
    if (address > kSize || length > kSize - address) {
        throw std::out_of_range("radio image access at " + std::to_string(address) + " (+" +
                                std::to_string(length) + ")");
    }
}

std::uint8_t RadioImage::at(std::size_t address) const {
    check(address, 1);
    return m_bytes[address];
}

void RadioImage::set(std::size_t address, std::uint8_t value) {
    check(address, 1);
    m_bytes[address] = value;
}

void RadioImage::fill(std::size_t first, std::size_t last, std::uint8_t value) {
    if (last < first) {
        return;
    }
    check(first, last - first + 1);
    std::fill(m_bytes.begin() + static_cast<std::ptrdiff_t>(first),
              m_bytes.begin() + static_cast<std::ptrdiff_t>(last) + 1, value);
}

std::span<const std::uint8_t> RadioImage::view(std::size_t address, std::size_t length) const {
    check(address, length);
    return std::span<const std::uint8_t>(m_bytes).subspan(address, length);
}

void RadioImage::write(std::size_t address, std::span<const std::uint8_t> bytes) {
    check(address, bytes.size());
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(address));
}

void BlankImage(RadioImage& image) {
    // The order matters: 1008-1023 is set after the zero fill of 928-16383.
    image.fill(0x010, 0x0FF, 0x00);
    image.fill(0x100, 0x1FF, 0xFF);
    image.fill(0x200, 0x37F, 0x00);
    image.fill(0x380, 0x39F, 0xFF);
    image.fill(0x3A0, 0x3FFF, 0x00);
    image.fill(0x3F0, 0x3FF, 0xFF);
}

} // namespace kpt740
