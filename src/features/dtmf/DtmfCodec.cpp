#include "features/dtmf/DtmfCodec.h"

#include "core/Encodings.h"
#include "core/ImageRegions.h"
#include "features/dtmf/DtmfCallRules.h"

#include <stdexcept>
#include <string>

namespace kpt740 {

namespace {

// Offsets inside region::DtmfSettings.
constexpr std::size_t kSeparator = 0;
constexpr std::size_t kGroupCode = 1;
constexpr std::size_t kDecodeResponse = 2;
constexpr std::size_t kPreSendDelay = 3;
constexpr std::size_t kFirstDigitDelay = 4;
constexpr std::size_t kResetTime = 5;
constexpr std::size_t kOwnId = 7;
constexpr std::size_t kSideTone = 13;
constexpr std::size_t kPostSendDelay = 14;
constexpr std::size_t kPauseTime = 15;
constexpr std::size_t kKillCode = 16;
constexpr std::size_t kStunCode = 24;

// Offsets inside region::DtmfLongCodes.
constexpr std::size_t kPttIdBegin = 0;
constexpr std::size_t kPttIdEnd = 16;

// Each of M1-M16 has a 16-byte slot in region::DtmfEncodeCodes.
constexpr std::size_t kEncodeCodeSlot = 16;

constexpr std::uint8_t kGroupOffByte = 0xFF;
constexpr std::int16_t kMaxDecodeResponse = 2;
constexpr std::int16_t kMaxFirstDigitDelay = 250;
constexpr std::uint8_t kMaxIdDigit = 9;

constexpr const char* kEncoderName = "SetCommDataByDTMF";

bool IsDtmfLetter(int value) {
    return value >= kFirstDtmfLetter && value <= kLastDtmfLetter;
}

std::uint8_t ToByte(int value) {
    if (value < 0 || value > 255) {
        throw std::range_error("DTMF field does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

// A code block: digits packed two per byte from `base`, the digit count right after the
// N / 2 packed bytes.
template <std::size_t N>
void EncodeCode(const DtmfCodeText<N>& code, std::size_t base, RadioImage& image) {
    constexpr std::size_t kCount = N / 2;
    // Only the 24-digit codes are filled up with zeros to their count; a short code whose
    // digits do not reach its count has no digit to send and fails below.
    constexpr bool kFillToCount = N == kLongDtmfDigits;

    int n = code.length > static_cast<int>(N) ? 0 : code.length;
    std::string text = code.digits.value();
    if (kFillToCount) {
        while (static_cast<int>(text.size()) < n) {
            text.push_back('0');
        }
    }
    if (text.size() % 2 != 0) {
        text.push_back('0');
    }
    image.set(base + kCount, ToByte(n));
    if (n % 2 != 0) {
        ++n;
    }
    for (std::size_t p = 0; 2 * static_cast<int>(p) < n; ++p) {
        if (2 * p + 1 >= text.size()) {
            throw std::invalid_argument("DTMF code has fewer digits than its count");
        }
        image.set(base + p, static_cast<std::uint8_t>(HexDigitValue(text[2 * p]) * 16 +
                                                      HexDigitValue(text[2 * p + 1])));
    }
}

template <std::size_t N>
void DecodeCode(const RadioImage& image, std::size_t base, DtmfCodeText<N>& code) {
    constexpr std::size_t kCount = N / 2;
    std::size_t n = image.at(base + kCount);
    if (n > N) {
        n = 0;
    }
    std::string text;
    for (std::size_t p = 0; p < (n + 1) / 2; ++p) {
        text += HexByteText(image.at(base + p));
    }
    text.resize(n);
    if (text.size() < N) {
        // Marks the end of the digits inside the blank-padded field.
        text.push_back('\0');
    }
    code.length = static_cast<std::int16_t>(n);
    code.digits = text;
}

void Encode(DtmfSettings s, RadioImage& image) {
    const std::size_t block = region::DtmfSettings.first;

    if (!IsDtmfLetter(s.separator)) {
        s.separator = kDefaultSeparator;
    }
    image.set(block + kSeparator, ToByte(s.separator));

    if (IsDtmfLetter(s.groupCode)) {
        image.set(block + kGroupCode, ToByte(s.groupCode));
    } else {
        s.groupCode = kGroupCodeOff;
        image.set(block + kGroupCode, kGroupOffByte);
    }

    if (s.decodeResponse > kMaxDecodeResponse) {
        s.decodeResponse = 0;
    }
    image.set(block + kDecodeResponse, ToByte(s.decodeResponse));
    image.set(block + kPreSendDelay, ToByte(s.preSendDelay));
    if (s.firstDigitDelay > kMaxFirstDigitDelay) {
        s.firstDigitDelay = 0;
    }
    image.set(block + kFirstDigitDelay, ToByte(s.firstDigitDelay));
    image.set(block + kResetTime, ToByte(s.resetTime));

    s.ownId = NormalizedOwnId(s.ownId.value());
    const std::string id = s.ownId.value();
    for (std::size_t i = 0; i < id.size(); ++i) {
        if (id[i] < '0' || id[i] > '9') {
            throw std::invalid_argument("own ID character is not a digit");
        }
        image.set(block + kOwnId + i, static_cast<std::uint8_t>(id[i] - '0'));
    }

    image.set(block + kSideTone, ToByte(s.sideTone));
    image.set(block + kPostSendDelay, ToByte(s.postSendDelay));
    image.set(block + kPauseTime, ToByte(s.pauseTime));

    EncodeCode(s.pttIdBegin, region::DtmfLongCodes.first + kPttIdBegin, image);
    EncodeCode(s.pttIdEnd, region::DtmfLongCodes.first + kPttIdEnd, image);
    EncodeCode(s.killCode, block + kKillCode, image);
    EncodeCode(s.stunCode, block + kStunCode, image);
    for (std::size_t j = 0; j < kDtmfCodeCount; ++j) {
        EncodeCode(s.codes[j], region::DtmfEncodeCodes.first + kEncodeCodeSlot * j, image);
    }
}

} // namespace

void SetCommDataByDTMF(const DtmfSettings& record, RadioImage& image, EncodeContext& context) {
    try {
        Encode(record, image);
    } catch (const std::exception&) {
        context.fail(kEncoderName);
    }
}

void GetCommDataByDTMF(const RadioImage& image, DtmfSettings& record) {
    const std::size_t block = region::DtmfSettings.first;

    const std::uint8_t separator = image.at(block + kSeparator);
    record.separator = IsDtmfLetter(separator) ? separator : kDefaultSeparator;

    const std::uint8_t group = image.at(block + kGroupCode);
    record.groupCode = IsDtmfLetter(group)      ? group
                       : group == kGroupOffByte ? kGroupCodeOff
                                                : kFirstDtmfLetter;

    // The image keeps its out-of-range bytes: nothing reads the image after the decoders.
    const std::uint8_t response = image.at(block + kDecodeResponse);
    record.decodeResponse = response > kMaxDecodeResponse ? 0 : response;
    record.preSendDelay = image.at(block + kPreSendDelay);
    const std::uint8_t firstDelay = image.at(block + kFirstDigitDelay);
    record.firstDigitDelay = firstDelay > kMaxFirstDigitDelay ? 0 : firstDelay;
    record.resetTime = image.at(block + kResetTime);

    std::string id;
    for (std::size_t i = 0; i < kOwnIdDigits; ++i) {
        const std::uint8_t digit = image.at(block + kOwnId + i);
        if (digit > kMaxIdDigit) {
            id = "000";
            break;
        }
        id += std::to_string(digit);
    }
    record.ownId = id;

    record.sideTone = image.at(block + kSideTone);
    record.postSendDelay = image.at(block + kPostSendDelay);
    record.pauseTime = image.at(block + kPauseTime);

    DecodeCode(image, region::DtmfLongCodes.first + kPttIdBegin, record.pttIdBegin);
    DecodeCode(image, region::DtmfLongCodes.first + kPttIdEnd, record.pttIdEnd);
    DecodeCode(image, block + kKillCode, record.killCode);
    DecodeCode(image, block + kStunCode, record.stunCode);
    for (std::size_t j = 0; j < kDtmfCodeCount; ++j) {
        DecodeCode(image, region::DtmfEncodeCodes.first + kEncodeCodeSlot * j, record.codes[j]);
    }
}

} // namespace kpt740
