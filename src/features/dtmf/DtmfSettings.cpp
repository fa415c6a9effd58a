#include "features/dtmf/DtmfSettings.h"

#include <algorithm>
#include <string>

namespace kpt740 {

namespace {

// Keeps only the digits a code counts, so that the member-wise comparison sees nothing else.
template <std::size_t N> void KeepCountedDigits(DtmfCodeText<N>& code) {
    const auto counted =
        static_cast<std::size_t>(std::clamp<int>(code.length, 0, static_cast<int>(N)));
    code.digits = code.digits.value().substr(0, counted);
}

void KeepCountedDigits(DtmfSettings& settings) {
    for (auto& code : settings.codes) {
        KeepCountedDigits(code);
    }
    KeepCountedDigits(settings.pttIdBegin);
    KeepCountedDigits(settings.pttIdEnd);
    KeepCountedDigits(settings.killCode);
    KeepCountedDigits(settings.stunCode);
}

} // namespace

DtmfSettings DefaultDtmfSettings() {
    DtmfSettings s;
    s.ani = 0;
    s.sendTime = 1;
    s.pttIdMode = 3;
    s.ownId = "000";
    s.separator = kDefaultSeparator;
    s.groupCode = kFirstDtmfLetter;
    s.decodeResponse = 0;
    s.firstDigitDelay = 20;
    s.preSendDelay = 20;
    s.resetTime = 0;
    s.postSendDelay = 20;
    s.pauseTime = 10;
    s.sideTone = 0;
    return s;
}

bool SameDtmfSettings(const DtmfSettings& a, const DtmfSettings& b) {
    DtmfSettings left = a;
    DtmfSettings right = b;
    KeepCountedDigits(left);
    KeepCountedDigits(right);
    return SameMembers(left, right);
}

} // namespace kpt740
