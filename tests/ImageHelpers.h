#pragma once

#include "core/RadioImage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kpt740::test {

// An image with the blank fill every transfer starts from.
inline RadioImage Blank() {
    RadioImage image;
    BlankImage(image);
    return image;
}

inline std::vector<std::uint8_t> Bytes(const RadioImage& image, std::size_t first,
                                       std::size_t count) {
    const auto view = image.view(first, count);
    return {view.begin(), view.end()};
}

inline std::string Text(const RadioImage& image, std::size_t first, std::size_t count) {
    const auto view = image.view(first, count);
    return {view.begin(), view.end()};
}

} // namespace kpt740::test
