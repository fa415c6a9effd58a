#include "core/Encodings.h"

#include "core/FixedText.h"
#include "core/Identity.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace kpt740 {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Nearest integer, a half going to the even integer.
long long RoundHalfEven(double value) {
    double r = std::nearbyint(value); // default rounding mode: to nearest, ties to even
    return static_cast<long long>(r);
}

std::string ZeroPadded(long long value, std::size_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}

BcdBytes HexPairsToBytes(std::string_view eight) {
    BcdBytes bytes{};
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(HexDigitValue(eight[2 * i]) * 16 +
                                             HexDigitValue(eight[2 * i + 1]));
    }
    return bytes;
}

// The eight-digit text of four image bytes and whether all its digits are decimal.
std::string BcdText(const BcdBytes& bytes, bool& numeric) {
    std::string text;
    for (auto b : bytes) {
        text += HexByteText(b);
    }
    numeric = true;
    for (char c : text) {
        numeric = numeric && IsDigit(c);
    }
    return text;
}

// The 10-Hz digit the image does not hold, rebuilt from the 100-Hz digit.
char RebuiltLastDigit(char hundredHz) {
    switch (hundredHz) {
    case '2':
    case '7':
        return '5';
    case '3':
        return '3';
    case '6':
        return '6';
    default:
        return '0';
    }
}

double CheckFrequency(double mhz, double lower, double upper, int bandCode, MessageSink& sink) {
    if (mhz < lower) {
        sink.show(OutOfBandMessage());
        return lower;
    }
    if (mhz > upper) {
        sink.show(OutOfBandMessage());
        return upper;
    }
    return SnapFrequency(mhz, lower, RasterOfBand(bandCode));
}

} // namespace

bool IsNumeric(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        text.remove_prefix(1);
    }
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

double NumericValue(std::string_view text) {
    if (!IsNumeric(text)) {
        return 0.0;
    }
    text = TrimBlanks(text);
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    double value = 0.0;
    // from_chars does not take a leading "." nor a trailing one; give it digits on both sides.
    std::string digits(text);
    if (digits.front() == '.') {
        digits.insert(0, "0");
    }
    if (digits.back() == '.') {
        digits.pop_back();
    }
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

std::string FormatFixed(double value, int minIntegerDigits, int decimals) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof(buffer), std::fabs(value),
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc{}) {
        return {};
    }
    std::string text(buffer, end);
    auto point = text.find('.');
    std::size_t integerDigits = point == std::string::npos ? text.size() : point;
    if (integerDigits < static_cast<std::size_t>(minIntegerDigits)) {
        text.insert(0, static_cast<std::size_t>(minIntegerDigits) - integerDigits, '0');
    } else if (minIntegerDigits == 0 && integerDigits == 1 && text[0] == '0') {
        text.erase(0, 1);
    }
    bool negativeNonZero = value < 0 && text.find_first_not_of("0.") != std::string::npos;
    return negativeNonZero ? "-" + text : text;
}

std::uint8_t HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<std::uint8_t>(digit - '0');
    }
    if (digit >= 'A' && digit <= 'F') {
        return static_cast<std::uint8_t>(digit - 'A' + 10);
    }
    if (digit >= 'a' && digit <= 'f') {
        return static_cast<std::uint8_t>(digit - 'a' + 10);
    }
    throw std::invalid_argument("not a hexadecimal digit");
}

std::string HexByteText(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::uint8_t ClampToByte(std::int32_t value) {
    if (value < 0) {
        return 255;
    }
    if (value > 255) {
        return 0;
    }
    return static_cast<std::uint8_t>(value);
}

std::int32_t NumberOrDefault(std::string_view text, std::int32_t fallback) {
    if (!IsNumeric(text)) {
        return fallback;
    }
    double value = NumericValue(text);
    if (value < -2147483648.0 || value > 2147483647.0) {
        return fallback;
    }
    return static_cast<std::int32_t>(RoundHalfEven(value));
}

std::string DtmfToStored(std::string_view digits) {
    std::string out(digits);
    for (char& c : out) {
        c = c == '*' ? 'E' : c == '#' ? 'F' : c;
    }
    return out;
}

std::string DtmfToDisplay(std::string_view digits) {
    std::string out(digits);
    for (char& c : out) {
        c = c == 'E' ? '*' : c == 'F' ? '#' : c;
    }
    return out;
}

std::string EntryToFrequencyText(std::string_view entry) {
    if (entry.empty()) {
        return {};
    }
    auto point = entry.find('.');
    if (point != std::string_view::npos) {
        if (entry.size() - point - 1 > 5) {
            entry = entry.substr(0, point + 6);
        }
        return ZeroPadded(RoundHalfEven(NumericValue(entry) * 100000.0), 9);
    }
    if (entry.size() <= 3) {
        return ZeroPadded(static_cast<long long>(NumericValue(entry)), 4) + "00000";
    }
    return "0" + std::string(entry.substr(0, 3));
}

std::string FrequencyToDisplay(std::string_view frequencyText, double rxLower, MessageSink& sink) {
    if (TrimBlanks(frequencyText).empty() || frequencyText == "FFFFFFFFF") {
        return {};
    }
    std::string rebuilt =
        std::string(frequencyText.substr(0, 4)) + "." +
        std::string(frequencyText.substr(std::min<std::size_t>(4, frequencyText.size())));
    if (!IsNumeric(rebuilt)) {
        sink.show(NotNumericMessage());
        char buffer[32];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof(buffer), rxLower);
        return ec == std::errc{} ? std::string(buffer, end) : std::string{};
    }
    return FormatFixed(NumericValue(rebuilt), 3, 5);
}

std::string OffsetToDisplay(std::string_view frequencyText, MessageSink& sink) {
    if (TrimBlanks(frequencyText).empty() || frequencyText == "FFFFFFFFF") {
        return "0.00000";
    }
    std::string head(frequencyText.substr(0, 4));
    std::string rest(frequencyText.substr(std::min<std::size_t>(4, frequencyText.size())));
    if (!IsNumeric(head) || !IsNumeric(std::string(head) + "." + rest)) {
        sink.show(NotNumericMessage());
        return "0.00000";
    }
    std::string rebuilt = std::to_string(static_cast<long long>(NumericValue(head))) + "." + rest;
    return FormatFixed(NumericValue(rebuilt), 1, 5);
}

BcdBytes RxFrequencyToBcd(std::string_view frequencyText) {
    std::string text = TrimFixed(frequencyText);
    if (text.empty()) {
        text = "FFFFFFFF";
    }
    if (text.size() < 8) {
        text.append(8 - text.size(), '0');
    }
    return HexPairsToBytes(text);
}

BcdBytes OffsetToBcd(std::string_view frequencyText) {
    std::string text(frequencyText);
    if (text.size() < 8) {
        text.append(8 - text.size(), '0');
    }
    return HexPairsToBytes(text);
}

std::optional<std::string> BcdToRxFrequencyText(const BcdBytes& bytes) {
    bool numeric = false;
    std::string text = BcdText(bytes, numeric);
    if (!numeric) {
        return std::nullopt;
    }
    return text + RebuiltLastDigit(text.back());
}

std::string BcdToOffsetText(const BcdBytes& bytes) {
    bool numeric = false;
    std::string text = BcdText(bytes, numeric);
    if (!numeric) {
        return "000000000";
    }
    return text + RebuiltLastDigit(text.back());
}

int RasterOfBand(int bandCode) {
    return bandCode >= 2 && bandCode <= 7 ? 250 : 500;
}

double SnapFrequency(double mhz, double lowerMhz, int raster) {
    const long long f = RoundHalfEven(mhz * 100000.0);
    const long long lower = RoundHalfEven(lowerMhz * 100000.0);
    const long long d = f - lower;
    const long long h = d % raster;
    const long long s = d % 625;
    const long long t = d % 2500;
    long long result = f;
    if (h != 0 && s != 0 && t % 833 != 0) {
        result = f - h;
    } else if (t == 2499) {
        // The third 8.33-kHz channel of a 25-kHz block (24.99 kHz in) is the next block start.
        // Only a frequency on the 8.33-kHz raster moves: a 2.5-kHz raster point 22.5 kHz into
        // the block rounds to the same third but lies on the base raster and stays.
        result = f + 1;
    }
    return static_cast<double>(result) / 100000.0;
}

double CheckRxFrequency(double mhz, const Identity& identity, MessageSink& sink) {
    return CheckFrequency(mhz, identity.Limits.RxLower, identity.Limits.RxUpper, identity.BandCode,
                          sink);
}

double CheckTxFrequency(double mhz, const Identity& identity, MessageSink& sink) {
    return CheckFrequency(mhz, identity.Limits.TxLower, identity.Limits.TxUpper, identity.BandCode,
                          sink);
}

std::string FormatRxEntry(std::string_view entry, const Identity& identity, MessageSink& sink) {
    if (!IsNumeric(entry)) {
        sink.show(OutOfBandMessage());
        return FormatFixed(identity.Limits.RxLower, 3, 5);
    }
    return FormatFixed(CheckRxFrequency(NumericValue(entry), identity, sink), 3, 5);
}

std::string FormatTxEntry(std::string_view entry, const Identity& identity, MessageSink& sink) {
    if (!IsNumeric(entry)) {
        sink.show(OutOfBandMessage());
        return FormatFixed(identity.Limits.TxLower, 3, 5);
    }
    return FormatFixed(CheckTxFrequency(NumericValue(entry), identity, sink), 3, 5);
}

std::string OffsetFromEntries(std::string_view offsetEntry, std::string_view rxDisplay,
                              int shiftDirection, const Identity& identity, MessageSink& sink) {
    if (!IsNumeric(offsetEntry)) {
        return "000.00000";
    }
    const double offset = NumericValue(offsetEntry);
    const double rx = NumericValue(rxDisplay); // 0 when not numeric
    const bool minus = shiftDirection == 1;
    const double tx = CheckTxFrequency(minus ? rx - offset : rx + offset, identity, sink);
    // Both frequencies sit on the 10-Hz grid; the difference is taken there so that binary
    // fractions do not show up in the fifth decimal.
    const long long txUnits = RoundHalfEven(tx * 100000.0);
    const long long rxUnits = RoundHalfEven(rx * 100000.0);
    const long long diff = minus ? rxUnits - txUnits : txUnits - rxUnits;
    return FormatFixed(static_cast<double>(diff) / 100000.0, 3, 5);
}

std::vector<std::string> StepList(int bandCode) {
    std::vector<std::string> steps = {"2.5K",  "5K",  "6.25K", "8.33K", "10K",
                                      "12.5K", "20K", "25K",   "30K",   "50K"};
    if (!(bandCode >= 2 && bandCode <= 7)) {
        steps.erase(steps.begin());
    }
    return steps;
}

const std::array<std::string_view, kCtcssCount>& CtcssTable() {
    static constexpr std::array<std::string_view, kCtcssCount> kTones = {
        "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
        "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
        "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
        "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
        "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
        "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    return kTones;
}

std::string DcsCodeText(int code) {
    std::string text;
    unsigned value = static_cast<unsigned>(code) & 0x1FF;
    for (int i = 0; i < 3; ++i) {
        text.insert(text.begin(), static_cast<char>('0' + (value & 7)));
        value >>= 3;
    }
    return text;
}

std::string DcsDisplay(int code, bool inverted) {
    return "D" + DcsCodeText(code) + (inverted ? "I" : "N");
}

std::string ListItemMatching(const TextList& list, std::string_view text) {
    if (list.empty()) {
        return {};
    }
    for (const auto& item : list) {
        if (item == text) {
            return item;
        }
    }
    return list.front();
}

std::string ListItemAt(const TextList& list, int index) {
    if (list.empty()) {
        return {};
    }
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return list.front();
    }
    return list[static_cast<std::size_t>(index)];
}

int ListIndexOf(const TextList& list, std::string_view text, int fallback) {
    if (list.empty() || text.empty()) {
        return fallback;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

void AddListItemOnce(TextList& list, std::string_view text) {
    for (const auto& item : list) {
        if (item == text) {
            return;
        }
    }
    list.emplace_back(text);
}

std::string FileNameOfPath(std::string_view path) {
    auto slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace kpt740
