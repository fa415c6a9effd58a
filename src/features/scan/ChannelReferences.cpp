#include "features/scan/ChannelReferences.h"

#include <algorithm>
#include <string>

namespace kpt740 {

std::vector<int> MemoryChannelNumbers(const ChannelTable& table) {
    std::vector<int> numbers;
    for (const auto& record : table.used()) {
        if (record.Position >= kFirstMemoryPosition && record.Position <= kLastMemoryPosition) {
            numbers.push_back(record.Position - 1);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

TextList MemoryChannelItems(const ChannelTable& table) {
    TextList items;
    for (int number : MemoryChannelNumbers(table)) {
        items.push_back(std::to_string(number));
    }
    return items;
}

std::optional<int> ShownChannelNumber(const ChannelTable& table, int reference) {
    const auto numbers = MemoryChannelNumbers(table);
    if (numbers.empty()) {
        return std::nullopt;
    }
    if (std::binary_search(numbers.begin(), numbers.end(), reference - 1)) {
        return reference - 1;
    }
    return numbers.front();
}

std::uint8_t ChannelReferenceOf(std::optional<int> shown) {
    return ClampToByte(shown.value_or(-1) + 1);
}

std::uint8_t ResolveChannelReference(const ChannelTable& table, std::uint8_t reference) {
    if (reference == 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(table.ResolveChannelNumber(reference));
}

} // namespace kpt740
