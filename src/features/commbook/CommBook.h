#pragma once

#include "core/FixedText.h"
#include "core/StoredRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kpt740 {

inline constexpr std::size_t kCommBookEntries = 128;
inline constexpr std::size_t kCallIdSize = 5;
inline constexpr std::size_t kBookNameSize = 7;

// One contact of the communication book: a numeric call ID and a name.
struct CommBookEntry {
    std::int16_t index = 0;
    FixedText<kCallIdSize> callId;
    FixedText<kBookNameSize> name;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.index);
        v(s.callId);
        v(s.name);
    }
};

static_assert(StoredSize<CommBookEntry>() == 14);

using CommBook = std::array<CommBookEntry, kCommBookEntries>;

static_assert(StoredSize<CommBook>() == 1792);

// Every entry numbered, with an empty call ID and name (a NUL, then blanks).
CommBook DefaultCommBook();

// Change detection: member by member, texts compared by their trimmed value.
bool SameCommBook(const CommBook& a, const CommBook& b);

} // namespace kpt740
