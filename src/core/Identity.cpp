#include "core/Identity.h"

#include "core/Encodings.h"

namespace kpt740 {

namespace {
constexpr std::array<std::string_view, kBandPlanCount> kPlans = {
    "Rx(26 - 45.9950 MHz) Tx(26 - 45.9950 MHz)",
    "Rx(33 - 42.9950 MHz) Tx(33 - 42.9950 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)",
    "Rx(144 - 145.99750 MHz) Tx(144 - 145.99750 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(144 - 147.99750 MHz)",
    "Rx(144 - 147.99750 MHz) Tx(144 - 147.99750 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)",
    "Rx(245 - 245.9875 MHz) Tx(245 - 245.9875 MHz)",
    "Rx(220 - 259.9950 MHz) Tx(220 - 259.9950 MHz)",
    "Rx(200 - 229.9950 MHz) Tx(200 - 229.9950 MHz)",
    "Rx(230 - 249.9950 MHz) Tx(230 - 249.9950 MHz)",
    "Rx(200 - 299.9950 MHz) Tx(200 - 299.9950 MHz)",
    "Rx(200 - 299.9950 MHz) Tx(200 - 299.9950 MHz)",
    "Rx(216 - 279.9950 MHz) Tx(222 - 224.9950 MHz)",
    "Rx(216 - 279.9950 MHz) Tx(220 - 259.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(350 - 369.9950 MHz) Tx(350 - 369.9950 MHz)",
    "Rx(350 - 389.9950 MHz) Tx(350 - 389.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(400 - 469.9950 MHz) Tx(400 - 469.9950 MHz)",
    "Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)",
    "Rx(430 - 439.9950 MHz) Tx(430 - 439.9950 MHz)",
    "Rx(420 - 449.9950 MHz) Tx(420 - 449.9950 MHz)",
    "Rx(350 - 511.9950 MHz) Tx(400 - 489.9950 MHz)",
    "Rx(440 - 511.9950 MHz) Tx(440 - 511.9950 MHz)",
    "Rx(410 - 429.9950 MHz) Tx(410 - 429.9950 MHz)",
    "Rx(400 - 429.9950 MHz) Tx(400 - 429.9950 MHz)",
};

bool IsDefinedCode(int code) {
    return code >= 0 && code <= 55 && (code % 16) < 8;
}

// The text between `open` and the next ")".
std::string_view Part(std::string_view text, std::string_view open) {
    auto start = text.find(open);
    if (start == std::string_view::npos) {
        return {};
    }
    start += open.size();
    auto end = text.find(')', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// "400 - 489.9950 MHz": the number before the first blank and the text between the second
// and the third blank.
void ParseLimits(std::string_view part, double& lower, double& upper) {
    auto first = part.find(' ');
    lower = NumericValue(part.substr(0, first));
    if (first == std::string_view::npos) {
        upper = lower;
        return;
    }
    auto second = part.find(' ', first + 1);
    if (second == std::string_view::npos) {
        upper = lower;
        return;
    }
    auto third = part.find(' ', second + 1);
    upper = NumericValue(part.substr(
        second + 1, third == std::string_view::npos ? std::string_view::npos : third - second - 1));
}
} // namespace

const std::array<std::string_view, kBandPlanCount>& BandPlanList() {
    return kPlans;
}

std::string BandTextOfCode(int code) {
    return std::string(kPlans[static_cast<std::size_t>(
        BandPositionOfCode(IsDefinedCode(code) ? code : kSanitizedBandCode))]);
}

int BandPositionOfCode(int code) {
    return (code / 16) * 8 + (code % 16);
}

int BandCodeOfPosition(int position) {
    return 2 * position - (position % 8);
}

int SanitizeRadioBandCode(int code) {
    return ((code & 0x08) != 0 || code > 55 || code < 0) ? kSanitizedBandCode : code;
}

BandLimits ParseBandText(std::string_view bandText) {
    BandLimits limits;
    ParseLimits(Part(bandText, "Rx("), limits.RxLower, limits.RxUpper);
    ParseLimits(Part(bandText, "Tx("), limits.TxLower, limits.TxUpper);
    return limits;
}

void SetBandFromRadio(Identity& identity, int bandCode, std::string_view bandText) {
    identity.BandCode = static_cast<std::int16_t>(bandCode);
    identity.BandText = std::string(bandText);
    identity.Limits = ParseBandText(identity.BandText);
}

void SetBandFromFile(Identity& identity, int bandCode) {
    identity.BandCode = static_cast<std::int16_t>(bandCode);
    identity.BandText = BandTextOfCode(bandCode);
    identity.Limits = ParseBandText(identity.BandText);
}

void SetBandFromPosition(Identity& identity, int position) {
    if (position < 0 || position >= kBandPlanCount) {
        return;
    }
    identity.BandCode = static_cast<std::int16_t>(BandCodeOfPosition(position));
    identity.BandText = std::string(kPlans[static_cast<std::size_t>(position)]);
    identity.Limits = ParseBandText(identity.BandText);
}

} // namespace kpt740
