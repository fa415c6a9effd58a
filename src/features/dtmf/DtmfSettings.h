#pragma once

#include "core/FixedText.h"
#include "core/StoredRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kpt740 {

inline constexpr std::size_t kDtmfCodeCount = 16;
inline constexpr std::size_t kLongDtmfDigits = 24;
inline constexpr std::size_t kShortDtmfDigits = 14;

// One stored DTMF code: its digits in record form ("*" as E, "#" as F) and its digit count.
template <std::size_t N> struct DtmfCodeText {
    static constexpr std::size_t kDigits = N;

    FixedText<N> digits;
    std::int16_t length = 0;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.digits);
        v(s.length);
    }
};

using LongDtmfCode = DtmfCodeText<kLongDtmfDigits>;
using ShortDtmfCode = DtmfCodeText<kShortDtmfDigits>;

// The radio's DTMF signalling: stored codes M1-M16, PTT-ID, kill and stun codes, own ID, timing.
struct DtmfSettings {
    std::array<LongDtmfCode, kDtmfCodeCount> codes{};
    LongDtmfCode pttIdBegin;
    LongDtmfCode pttIdEnd;
    ShortDtmfCode killCode;
    ShortDtmfCode stunCode;
    std::int16_t ani = 0;
    std::int16_t sendTime = 0;
    std::int16_t pttIdMode = 0;
    FixedText<3> ownId;
    std::int16_t separator = 0;
    std::int16_t groupCode = 0;
    std::int16_t decodeResponse = 0;
    std::int16_t firstDigitDelay = 0;
    std::int16_t preSendDelay = 0;
    std::int16_t resetTime = 0;
    std::int16_t postSendDelay = 0;
    std::int16_t pauseTime = 0;
    std::int16_t sideTone = 0;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.codes);
        v(s.pttIdBegin);
        v(s.pttIdEnd);
        v(s.killCode);
        v(s.stunCode);
        v(s.ani);
        v(s.sendTime);
        v(s.pttIdMode);
        v(s.ownId);
        v(s.separator);
        v(s.groupCode);
        v(s.decodeResponse);
        v(s.firstDigitDelay);
        v(s.preSendDelay);
        v(s.resetTime);
        v(s.postSendDelay);
        v(s.pauseTime);
        v(s.sideTone);
    }
};

static_assert(StoredSize<DtmfSettings>() == 527);

// DTMF digit values of the separator and group-call lists: A, B, C, D, *, #.
inline constexpr std::int16_t kFirstDtmfLetter = 10;
inline constexpr std::int16_t kLastDtmfLetter = 15;
inline constexpr std::int16_t kDefaultSeparator = 14;
inline constexpr std::int16_t kGroupCodeOff = 255;

DtmfSettings DefaultDtmfSettings();

// Change detection: member by member, texts trimmed; a code counts only its first `length`
// digits, and only when both lengths are equal.
bool SameDtmfSettings(const DtmfSettings& a, const DtmfSettings& b);

} // namespace kpt740
