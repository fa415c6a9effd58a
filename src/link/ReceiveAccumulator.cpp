#include "link/ReceiveAccumulator.h"

namespace kpt740 {

std::optional<std::vector<std::uint8_t>>
ReceiveAccumulator::add(std::span<const std::uint8_t> bytes) {
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    if (m_buffer.size() < m_threshold) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> all;
    all.swap(m_buffer);
    return all;
}

} // namespace kpt740
