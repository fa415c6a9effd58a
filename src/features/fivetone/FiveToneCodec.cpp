#include "features/fivetone/FiveToneCodec.h"

#include "core/Encodings.h"
#include "core/ImageRegions.h"
#include "features/fivetone/FiveToneStandards.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace kpt740 {

namespace {

constexpr const char* kEncoderName = "SetCommDataBy5Tone";

// System bytes.
constexpr std::size_t kSystem = region::FiveToneSettings.first;
constexpr std::size_t kSystemByte0 = kSystem + 0;
constexpr std::size_t kDecodeResponse = kSystem + 1;
constexpr std::size_t kStandard = kSystem + 2;
constexpr std::size_t kOwnIdLength = kSystem + 3;
constexpr std::size_t kToneDuration = kSystem + 4;
constexpr std::size_t kOwnId = kSystem + 5;
constexpr std::size_t kOwnIdDigits = 5;
constexpr std::size_t kOwnIdTextSize = 6;
constexpr std::size_t kIntervalA = kSystem + 11;
constexpr std::size_t kIntervalB = kSystem + 12;
constexpr std::size_t kOptionD = kSystem + 13;
constexpr std::size_t kIntervalC = kSystem + 14;
constexpr std::size_t kFirstDigitDelay = kSystem + 15;
constexpr std::size_t kSideTone = kSystem + 16;
constexpr std::size_t kAniSeparator = kSystem + 17;
constexpr std::size_t kPauseDigit = kSystem + 18;
constexpr std::size_t kPauseTime = kSystem + 19;
constexpr std::size_t kDecodeTime = kSystem + 20;
static_assert(kDecodeTime == region::FiveToneSettings.last());

// The two PTT-ID codes: 16-byte packed records without a name.
constexpr std::size_t kPttIdRecordSize = 16;
constexpr std::size_t kPttIdBegin = region::FiveToneFixedCodes.first;
constexpr std::size_t kPttIdEnd = kPttIdBegin + kPttIdRecordSize;
static_assert(kPttIdEnd + kPttIdRecordSize - 1 == region::FiveToneFixedCodes.last());

// Packed code record, relative offsets.
constexpr std::size_t kPackedStandard = 1;
constexpr std::size_t kPackedCount = 2;
constexpr std::size_t kPackedDuration = 3;
constexpr std::size_t kPackedDigits = 4;
constexpr std::size_t kPttIdDigitBytes = 12; // +4 ... +15
constexpr std::size_t kListDigitBytes = 20;  // +4 ... +23
constexpr std::size_t kListName = 24;
constexpr std::size_t kListRecordSize = 32;
static_assert(kListRecordSize * kFiveToneListCodeCount == region::FiveToneCodeEntries.size);

// Info code record, relative offsets.
constexpr std::size_t kInfoRecordSize = 32;
constexpr std::size_t kInfoFunction = 0;
constexpr std::size_t kInfoResponse = 1;
constexpr std::size_t kInfoCount = 2;
constexpr std::size_t kInfoDigits = 3;
constexpr std::size_t kInfoDigitBytes = 12; // +3 ... +14
constexpr std::size_t kInfoName = 16;
static_assert(kInfoRecordSize * kFiveToneInfoCodeCount == region::FiveToneInfoCodes.size);

constexpr std::size_t kNameSize = 7;
constexpr std::uint8_t kNamePad = 0x20;
constexpr std::uint8_t kErased = 0xFF;
constexpr char kRepeatTone = 'E';

// ---- Encoding helpers: every failure throws and is reported once at the top --------------

std::uint8_t DecimalValue(char c) {
    if (c < '0' || c > '9') {
        throw std::invalid_argument("own ID digit is not decimal");
    }
    return static_cast<std::uint8_t>(c - '0');
}

std::uint8_t WordToByte(std::int16_t value) {
    if (value < 0 || value > 255) {
        throw std::range_error("5-Tone setting does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

// The digits a count stands for: the text completed with repeat tones, then cut to the count.
std::string CountedDigits(const std::string& value, std::size_t count) {
    std::string digits = value;
    if (digits.size() < count) {
        digits.append(count - digits.size(), kRepeatTone);
    }
    digits.resize(count);
    return digits;
}

// Two digits per byte, first digit high; an odd count ends on a repeat tone.
std::vector<std::uint8_t> PackDigits(const std::string& value, std::size_t count) {
    std::string digits = CountedDigits(value, count);
    if (digits.size() % 2 != 0) {
        digits.push_back(kRepeatTone);
    }
    std::vector<std::uint8_t> packed;
    packed.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        packed.push_back(static_cast<std::uint8_t>(HexDigitValue(digits[i]) << 4 |
                                                   HexDigitValue(digits[i + 1])));
    }
    return packed;
}

void WriteName(RadioImage& image, std::size_t address, const FixedText<kNameSize>& name) {
    const std::string value = name.value();
    for (std::size_t i = 0; i < kNameSize; ++i) {
        std::uint8_t byte = 0x00;
        if (!value.empty()) {
            byte = i < value.size() ? static_cast<std::uint8_t>(value[i]) : kNamePad;
        }
        image.set(address + i, byte);
    }
}

void WriteCodeHeader(RadioImage& image, std::size_t address, const FiveToneCode& code) {
    image.set(address + kPackedStandard, code.standard);
    image.set(address + kPackedCount, code.digitCount);
    image.set(address + kPackedDuration, ValidToneDuration(code.toneDuration));
}

// A PTT-ID code has 12 digit bytes before the next record starts; a longer code (a data call
// placed into a PTT-ID) is refused rather than spilled into its neighbour.
void WritePttIdCode(RadioImage& image, std::size_t address, const FiveToneCode& code) {
    const auto packed = PackDigits(code.digits.value(), code.digitCount);
    if (packed.size() > kPttIdDigitBytes) {
        throw std::length_error("PTT-ID code longer than 24 digits");
    }
    WriteCodeHeader(image, address, code);
    image.write(address + kPackedDigits, packed);
}

// The editors never store more than 40 digits in a list code; a larger count can only come
// from foreign bytes, so it is kept as it is and only the digits that have room are written.
void WriteListCode(RadioImage& image, std::size_t address, const FiveToneCode& code) {
    auto packed = PackDigits(code.digits.value(), code.digitCount);
    if (packed.size() > kListDigitBytes) {
        packed.resize(kListDigitBytes);
    }
    WriteCodeHeader(image, address, code);
    image.write(address + kPackedDigits, packed);
    WriteName(image, address + kListName, code.name);
}

// Info digits take one byte each, at most 12; a larger count from foreign bytes is cut to them.
void WriteInfoCode(RadioImage& image, std::size_t address, const FiveToneInfoCode& info) {
    image.set(address + kInfoFunction, info.decodeFunction);
    image.set(address + kInfoResponse, info.decodeResponse);
    image.set(address + kInfoCount, info.digitCount);
    const std::string digits = CountedDigits(info.digits.value(), info.digitCount);
    for (std::size_t k = 0; k < digits.size() && k < kInfoDigitBytes; ++k) {
        image.set(address + kInfoDigits + k, HexDigitValue(digits[k]));
    }
    WriteName(image, address + kInfoName, info.name);
}

void WriteOwnId(RadioImage& image, const FiveToneSettings& s) {
    std::string id = s.ownId.value();
    const std::size_t length = s.ownIdLength;
    if (id.size() < length) {
        id.push_back('0');
    }
    if (id.size() < length) {
        throw std::length_error("own ID shorter than its length");
    }
    for (std::size_t k = 0; k < kOwnIdDigits; ++k) {
        image.set(kOwnId + k, k < length ? DecimalValue(id[k]) : std::uint8_t{0});
    }
}

void MarkInUse(RadioImage& image, std::size_t j) {
    const std::size_t address = region::FiveToneEntryBitmap.first + j / 8;
    image.set(address, static_cast<std::uint8_t>(image.at(address) & ~(1u << (j % 8))));
}

void Encode(const FiveToneSettings& s, std::uint8_t decodeTime, RadioImage& image) {
    image.set(kSystemByte0, s.systemByte0);
    image.set(kDecodeResponse, s.decodeResponse);
    image.set(kStandard, s.standard);
    image.set(kOwnIdLength, s.ownIdLength);
    image.set(kToneDuration, s.toneDuration);
    WriteOwnId(image, s);

    image.set(kIntervalA, s.intervalA);
    image.set(kIntervalB, s.intervalB);
    image.set(kOptionD, s.optionD);
    image.set(kIntervalC, s.intervalC);
    image.set(kFirstDigitDelay, WordToByte(s.firstDigitDelay));
    image.set(kSideTone, WordToByte(s.sideTone));
    image.set(kAniSeparator, WordToByte(s.aniSeparator));
    image.set(kPauseDigit, WordToByte(s.pauseDigit));
    image.set(kPauseTime, WordToByte(s.pauseTime));
    image.set(kDecodeTime, decodeTime);

    WritePttIdCode(image, kPttIdBegin, s.pttIdBegin);
    WritePttIdCode(image, kPttIdEnd, s.pttIdEnd);

    for (std::size_t i = 0; i < kFiveToneInfoCodeCount; ++i) {
        WriteInfoCode(image, region::FiveToneInfoCodes.first + kInfoRecordSize * i, s.infoCodes[i]);
    }

    // Only a code in use clears its bit; any other word leaves the blank's 1 (empty).
    for (std::size_t j = 0; j < kFiveToneListCodeCount; ++j) {
        if (FiveToneCodeInUse(s.codes[j])) {
            MarkInUse(image, j);
        }
        WriteListCode(image, region::FiveToneCodeEntries.first + kListRecordSize * j, s.codes[j]);
    }
}

// ---- Decoding helpers: every byte value is accepted ---------------------------------------

std::string HexTextNoLeadingZero(std::uint8_t value) {
    const std::string text = HexByteText(value);
    return value < 0x10 ? text.substr(1) : text;
}

std::uint8_t ErasedAsZero(std::uint8_t value) {
    return value == kErased ? std::uint8_t{0} : value;
}

FixedText<kNameSize> ReadName(const RadioImage& image, std::size_t address) {
    std::string name;
    for (std::size_t i = 0; i < kNameSize; ++i) {
        const std::uint8_t byte = image.at(address + i);
        if (byte == 0x00 || byte == kErased) {
            break;
        }
        name.push_back(static_cast<char>(byte));
    }
    return name;
}

// Reads no further than the record's own digit bytes: a count beyond them is kept as read and
// the editors complete the missing digits.
void ReadCode(const RadioImage& image, std::size_t address, std::size_t digitBytes,
              FiveToneCode& code) {
    code.standard = image.at(address + kPackedStandard);
    code.digitCount = image.at(address + kPackedCount);
    code.toneDuration = ValidToneDuration(image.at(address + kPackedDuration));
    std::string digits;
    for (std::size_t i = 0; i < digitBytes && digits.size() < code.digitCount; ++i) {
        digits += HexByteText(image.at(address + kPackedDigits + i));
    }
    if (digits.size() > code.digitCount) {
        digits.resize(code.digitCount);
    }
    code.digits = digits;
}

void ReadInfoCode(const RadioImage& image, std::size_t address, FiveToneInfoCode& info) {
    info.decodeFunction = ErasedAsZero(image.at(address + kInfoFunction));
    info.decodeResponse = ErasedAsZero(image.at(address + kInfoResponse));
    info.digitCount = ErasedAsZero(image.at(address + kInfoCount));
    std::string digits;
    for (std::size_t k = 0; k < kInfoDigitBytes && digits.size() < info.digitCount; ++k) {
        digits += HexTextNoLeadingZero(image.at(address + kInfoDigits + k));
    }
    if (digits.size() > info.digitCount) {
        digits.resize(info.digitCount);
    }
    info.digits = digits;
    info.name = ReadName(image, address + kInfoName);
}

// The decimal texts of the ID bytes joined, then a NUL; the field keeps six characters, so
// reading stops once they are filled.
FixedText<kOwnIdTextSize> ReadOwnId(const RadioImage& image, std::uint8_t length) {
    std::string id;
    for (std::size_t k = 0; k < length && id.size() < kOwnIdTextSize; ++k) {
        id += std::to_string(image.at(kOwnId + k));
    }
    id.push_back('\0');
    return id;
}

bool BitmapSaysEmpty(const RadioImage& image, std::size_t j) {
    return ((image.at(region::FiveToneEntryBitmap.first + j / 8) >> (j % 8)) & 1u) != 0;
}

} // namespace

void SetCommDataBy5Tone(const FiveToneSettings& record, std::uint8_t decodeTime, RadioImage& image,
                        EncodeContext& context) {
    try {
        Encode(record, decodeTime, image);
    } catch (const std::exception&) {
        context.fail(kEncoderName);
    }
}

void GetCommDataBy5Tone(const RadioImage& image, FiveToneSettings& record,
                        std::uint8_t& decodeTime) {
    FiveToneSettings s = record;
    s.systemByte0 = image.at(kSystemByte0);
    s.decodeResponse = image.at(kDecodeResponse);
    s.standard = image.at(kStandard);
    s.ownIdLength = image.at(kOwnIdLength);
    s.toneDuration = image.at(kToneDuration);
    s.ownId = ReadOwnId(image, s.ownIdLength);

    s.intervalC = image.at(kIntervalC);
    s.intervalA = image.at(kIntervalA);
    s.intervalB = image.at(kIntervalB);
    s.optionD = image.at(kOptionD);
    s.firstDigitDelay = image.at(kFirstDigitDelay);
    s.pauseTime = image.at(kPauseTime);
    s.pauseDigit = image.at(kPauseDigit);
    s.sideTone = image.at(kSideTone);
    s.aniSeparator = image.at(kAniSeparator);
    const std::uint8_t time = image.at(kDecodeTime);

    ReadCode(image, kPttIdBegin, kPttIdDigitBytes, s.pttIdBegin);
    ReadCode(image, kPttIdEnd, kPttIdDigitBytes, s.pttIdEnd);

    for (std::size_t i = 0; i < kFiveToneInfoCodeCount; ++i) {
        ReadInfoCode(image, region::FiveToneInfoCodes.first + kInfoRecordSize * i, s.infoCodes[i]);
    }

    for (std::size_t j = 0; j < kFiveToneListCodeCount; ++j) {
        const std::size_t address = region::FiveToneCodeEntries.first + kListRecordSize * j;
        FiveToneCode& code = s.codes[j];
        code.isEmpty = BitmapSaysEmpty(image, j) ? 1 : 0;
        ReadCode(image, address, kListDigitBytes, code);
        code.name = ReadName(image, address + kListName);
    }

    record = s;
    decodeTime = time;
}

} // namespace kpt740
