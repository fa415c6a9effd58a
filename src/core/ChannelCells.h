#pragma once

#include "core/ChannelRecord.h"
#include "core/Messages.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kpt740 {

// Looks up a text of the language files' OTHER section by id.
using OtherTextLookup = std::function<std::string(int otherId)>;

// The ten cells (receive, transmit, name, step, bandwidth, signalling relation, power, decode
// tone, encode tone, optional signalling) a channel shows in the grid and in the report.
// Out-of-range values are clamped for display only; the record is never changed.
using ChannelCells = std::array<std::string, 10>;

ChannelCells ChannelRowCells(const ChannelRecord& record, const std::vector<std::string>& steps,
                             double rxLower, const OtherTextLookup& text, MessageSink& sink);

// "0" ... "199", "PA", "PB", "VFO".
std::string ChannelLabel(int position);

} // namespace kpt740
