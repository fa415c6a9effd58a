#include "core/ChannelTable.h"

#include "core/Encodings.h"
#include "core/Identity.h"

#include <algorithm>
#include <cmath>

namespace kpt740 {

ChannelRecord BlankChannel(int position) {
    ChannelRecord record;
    record.Position = static_cast<std::int16_t>(position);
    record.InUse = 0;
    record.RxFrequency = "FFFFFFFFF";
    record.Offset = "000000000";
    record.Name = "";
    record.PttIdCode = "00000";
    return record;
}

ChannelRecord DefaultVfoRecord(const BandLimits& limits) {
    ChannelRecord record = BlankChannel(kPositionVfo);
    record.InUse = 1;
    record.ScanSkip = 1;
    const double middle = (std::nearbyint(limits.RxUpper) + limits.RxLower) / 2.0;
    record.RxFrequency = EntryToFrequencyText(FormatFixed(middle, 3, 4));
    record.Name = std::string(1, '\0');
    record.DecodeToneCtcss = 20;
    record.EncodeToneCtcss = 20;
    return record;
}

std::span<ChannelRecord> ChannelTable::used() {
    auto n = static_cast<std::size_t>(std::clamp<int>(Count, 0, kChannelSlots));
    return std::span<ChannelRecord>(Slots).first(n);
}

std::span<const ChannelRecord> ChannelTable::used() const {
    auto n = static_cast<std::size_t>(std::clamp<int>(Count, 0, kChannelSlots));
    return std::span<const ChannelRecord>(Slots).first(n);
}

std::optional<int> ChannelTable::FindChannel(int position) const {
    auto records = used();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Position == position) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

bool ChannelTable::ChannelExists(int position) const {
    return FindChannel(position).has_value();
}

bool ChannelTable::ChannelInUse(int position) const {
    const auto* record = find(position);
    return record != nullptr && record->InUse == 1;
}

const ChannelRecord* ChannelTable::find(int position) const {
    auto slot = FindChannel(position);
    return slot ? &Slots[static_cast<std::size_t>(*slot)] : nullptr;
}

ChannelRecord* ChannelTable::find(int position) {
    auto slot = FindChannel(position);
    return slot ? &Slots[static_cast<std::size_t>(*slot)] : nullptr;
}

bool ChannelTable::append(const ChannelRecord& record) {
    if (Count < 0 || Count >= kChannelSlots) {
        return false;
    }
    Slots[static_cast<std::size_t>(Count)] = record;
    ++Count;
    return true;
}

void ChannelTable::DeleteChannel(int position) {
    auto slot = FindChannel(position);
    if (!slot) {
        return;
    }
    auto records = used();
    std::move(records.begin() + *slot + 1, records.end(), records.begin() + *slot);
    --Count;
}

bool ChannelTable::put(const ChannelRecord& record) {
    if (auto* existing = find(record.Position)) {
        *existing = record;
        return true;
    }
    return append(record);
}

int ChannelTable::ResolveChannelNumber(int position) const {
    int last = 0;
    for (const auto& record : used()) {
        if (record.Position >= kFirstMemoryPosition && record.Position <= kLastMemoryPosition) {
            if (record.Position == position) {
                return position;
            }
            last = record.Position;
        }
    }
    return last;
}

ChannelClipboard::ChannelClipboard() {
    m_buffer.InUse = 0;
}

void ChannelClipboard::CopyChannel(const ChannelTable& table, int position) {
    if (const auto* record = table.find(position); record != nullptr && record->InUse == 1) {
        m_buffer = *record;
    } else {
        m_buffer.InUse = 0;
    }
}

void ChannelClipboard::CutChannel(ChannelTable& table, int position) {
    if (const auto* record = table.find(position); record != nullptr && record->InUse == 1) {
        m_buffer = *record;
        table.DeleteChannel(position);
    } else {
        m_buffer.InUse = 0;
    }
}

void ChannelClipboard::PasteChannel(ChannelTable& table, int position) const {
    if (m_buffer.InUse != 1) {
        table.DeleteChannel(position);
        return;
    }
    ChannelRecord record = m_buffer;
    record.Position = static_cast<std::int16_t>(position);
    table.put(record);
}

} // namespace kpt740
