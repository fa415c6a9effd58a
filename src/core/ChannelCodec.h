#pragma once

#include "core/ChannelTable.h"
#include "core/Messages.h"
#include "core/RadioImage.h"

#include <cstddef>
#include <optional>
#include <string>

namespace kpt740 {

// Image address of a channel's 31-byte record; none for a position outside 1-203.
std::optional<std::size_t> ChannelAddress(int position);

// Encodes the whole table into the blank image: bitmaps, channel records and PTT ID codes.
// Sets each record's two DCS high-bit members on the way, as the radio's layout needs them.
void SetCommDataByFrequency(ChannelTable& table, RadioImage& image, EncodeContext& context);

// Rebuilds the table from the image into `table`, starting each decoded channel from the
// record already in the slot it fills (the caller resets the configuration first).
void DecodeChannels(const RadioImage& image, ChannelTable& table);

inline Message NameTooLongMessage() {
    return Message::Literal("Name is too long!");
}

} // namespace kpt740
