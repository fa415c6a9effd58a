#pragma once

#include "core/ChannelTable.h"
#include "core/Encodings.h"

#include <cstdint>
#include <optional>
#include <vector>

// References from the scan and alert settings to memory channels. A reference holds the
// channel's Position (1-200), 0 meaning none; a channel list shows the channel number
// Position - 1.
namespace kpt740 {

// The channel numbers of the table's memory channels, each once, ascending.
std::vector<int> MemoryChannelNumbers(const ChannelTable& table);
// The same numbers as the items of a channel pick list.
TextList MemoryChannelItems(const ChannelTable& table);

// The number a channel list selects for a stored reference: the referenced channel when the
// table holds it, else the lowest channel number, else none (the list is empty).
std::optional<int> ShownChannelNumber(const ChannelTable& table, int reference);
// The reference stored when the list shows `shown`: the number plus 1, or 0 for no selection.
std::uint8_t ChannelReferenceOf(std::optional<int> shown);

// Repairs a reference to a deleted channel: a memory channel the table holds is kept; any other
// reference becomes the last memory channel in slot order, or 0 when there is none. "None"
// (0) is not a reference and stays 0.
std::uint8_t ResolveChannelReference(const ChannelTable& table, std::uint8_t reference);

} // namespace kpt740
