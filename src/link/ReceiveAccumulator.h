#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kpt740 {

// Collects received bytes until the threshold is waiting and then gives all of them at once,
// the way the link expects its receive event.
class ReceiveAccumulator {
public:
    void setThreshold(std::size_t bytes) { m_threshold = bytes == 0 ? 1 : bytes; }
    std::size_t threshold() const { return m_threshold; }
    std::size_t waiting() const { return m_buffer.size(); }
    void clear() { m_buffer.clear(); }

    // Adds the bytes; when the threshold is reached, returns every waiting byte and empties.
    std::optional<std::vector<std::uint8_t>> add(std::span<const std::uint8_t> bytes);

private:
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_threshold = 1;
};

} // namespace kpt740
