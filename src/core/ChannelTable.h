#pragma once

#include "core/ChannelRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace kpt740 {

// The channels that exist: 203 slots, of which slots 0 .. Count-1 are meaningful, in no
// particular order; no two of them share a position.
struct ChannelTable {
    std::array<ChannelRecord, kChannelSlots> Slots{};
    std::int16_t Count = 0;

    // Slots 0 .. Count-1 (Count clamped to the slot range).
    std::span<ChannelRecord> used();
    std::span<const ChannelRecord> used() const;

    std::optional<int> FindChannel(int position) const;
    bool ChannelExists(int position) const;
    bool ChannelInUse(int position) const;
    const ChannelRecord* find(int position) const;
    ChannelRecord* find(int position);
    // Appends a record; false when all slots are taken.
    bool append(const ChannelRecord& record);
    void DeleteChannel(int position);
    // Replaces the record with the same position, or appends it.
    bool put(const ChannelRecord& record);
    // The position itself if that memory channel exists, else the last memory channel met in
    // slot order, else 0.
    int ResolveChannelNumber(int position) const;
};

// The one-record channel clipboard of the grid.
class ChannelClipboard {
public:
    ChannelClipboard();
    void CopyChannel(const ChannelTable& table, int position);
    void CutChannel(ChannelTable& table, int position);
    void PasteChannel(ChannelTable& table, int position) const;
    const ChannelRecord& buffer() const { return m_buffer; }

private:
    ChannelRecord m_buffer;
};

// n if entry n is in use, else the lowest-numbered entry in use, else 0.
template <class Entries, class InUse>
int FirstUsableEntry(const Entries& entries, int n, InUse inUse) {
    const int count = static_cast<int>(entries.size());
    if (n >= 0 && n < count && inUse(entries[static_cast<std::size_t>(n)])) {
        return n;
    }
    for (int i = 0; i < count; ++i) {
        if (inUse(entries[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return 0;
}

} // namespace kpt740
