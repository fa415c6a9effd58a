#include "core/ChannelCodec.h"

#include "core/Encodings.h"
#include "core/ImageRegions.h"

#include <stdexcept>

namespace kpt740 {

namespace {

// Offsets inside a channel's image record.
constexpr std::size_t kRx = 0;
constexpr std::size_t kOffset = 4;
constexpr std::size_t kStep = 8;
constexpr std::size_t kFlags9 = 9;
constexpr std::size_t kFlags10 = 10;
constexpr std::size_t kTones11 = 11;
constexpr std::size_t kEncodeCtcss = 12;
constexpr std::size_t kDecodeCtcss = 13;
constexpr std::size_t kEncodeDcsLow = 14;
constexpr std::size_t kDecodeDcsLow = 15;
constexpr std::size_t kSignalling = 16;
constexpr std::size_t kTwoToneEntry = 17;
constexpr std::size_t kFiveToneEntry = 18;
constexpr std::size_t kName = 19;
constexpr std::size_t kNameSize = 7;
constexpr std::size_t kBusyLock = 26;
constexpr std::size_t kSpareByte = 27;
constexpr std::size_t kPttIds = 28;
constexpr std::size_t kSquelchMode = 29;
constexpr std::size_t kScrambler = 30;

constexpr const char* kEncoderName = "SetCommDataByFrequency";

// A field sum that must fit one image byte; anything else is an internal error of the encoder.
std::uint8_t ToByte(long value) {
    if (value < 0 || value > 255) {
        throw std::range_error("channel field does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

long Bit(std::int16_t value, int shift) {
    return static_cast<long>(value) << shift;
}

int BitOf(std::uint8_t byte, int bit) {
    return (byte >> bit) & 1;
}

void ClearBit(RadioImage& image, std::size_t base, int j) {
    const auto address = base + static_cast<std::size_t>(j / 8);
    image.set(address, static_cast<std::uint8_t>(image.at(address) & ~(1u << (j % 8))));
}

int ShiftToImage(std::int16_t direction) {
    return direction == 1 ? 2 : direction == 2 ? 3 : direction;
}

std::int16_t ShiftFromImage(int bits) {
    return static_cast<std::int16_t>(bits == 0 ? 0 : bits - 1);
}

void EncodeRecord(ChannelRecord& record, RadioImage& image, EncodeContext& context) {
    const auto address = ChannelAddress(record.Position);
    if (!address) {
        throw std::out_of_range("channel position outside 1-203");
    }
    const std::size_t a = *address;
    const int j = record.Position - 1;

    // The bits start set (blank fill); a present, scanned channel clears them.
    if (j <= kPositionPB - 1) {
        if (record.InUse == 1) {
            ClearBit(image, region::ChannelInUseBitmap.first, j);
        }
        if (record.ScanSkip == 0) {
            ClearBit(image, region::ChannelScanSkipBitmap.first, j);
        }
    }

    const BcdBytes rx = RxFrequencyToBcd(record.RxFrequency.raw());
    const BcdBytes offset = OffsetToBcd(record.Offset.raw());
    image.write(a + kRx, rx);
    image.write(a + kOffset, offset);

    record.EncodeToneHighBit = static_cast<std::int16_t>(record.EncodeToneDcs / 256);
    record.DecodeToneHighBit = static_cast<std::int16_t>(record.DecodeToneDcs / 256);

    image.set(a + kStep, ToByte(record.StepIndex));
    image.set(a + kFlags9, ToByte(Bit(record.TxInhibit, 0) + Bit(record.Reverse, 1) +
                                  Bit(record.Bandwidth, 2) + Bit(record.EncodeToneInverted, 4) +
                                  Bit(record.EncodeToneHighBit, 5) + Bit(record.PttIdDecode, 6)));
    image.set(a + kFlags10,
              ToByte(ShiftToImage(record.ShiftDirection) + Bit(record.TxPower, 2) +
                     Bit(record.DecodeToneInverted, 4) + Bit(record.DecodeToneHighBit, 5) +
                     Bit(record.Compander, 6) + Bit(record.Talkaround, 7)));
    image.set(a + kTones11, ToByte(Bit(record.EncodeToneType, 0) + Bit(record.DecodeToneType, 2) +
                                   Bit(record.DtmfCode, 4)));
    image.set(a + kEncodeCtcss, ToByte(record.EncodeToneCtcss));
    image.set(a + kDecodeCtcss, ToByte(record.DecodeToneCtcss));
    image.set(a + kEncodeDcsLow, ToByte(record.EncodeToneDcs % 256));
    image.set(a + kDecodeDcsLow, ToByte(record.DecodeToneDcs % 256));
    image.set(a + kSignalling, ToByte(record.Signalling));
    image.set(a + kTwoToneEntry, ToByte(record.TwoToneEntry));
    image.set(a + kFiveToneEntry, ToByte(record.FiveToneEntry));

    std::string name = record.Name.value();
    if (name.size() > kNameSize) {
        name.resize(kNameSize);
        context.show(NameTooLongMessage());
    }
    for (std::size_t i = 0; i < kNameSize; ++i) {
        const std::uint8_t fill = name.empty() ? 0x00 : 0x20;
        image.set(a + kName + i, i < name.size() ? static_cast<std::uint8_t>(name[i]) : fill);
    }

    image.set(a + kBusyLock, ToByte(record.BusyLock));
    image.set(a + kSpareByte, ToByte(record.SpareByte));
    image.set(a + kPttIds, ToByte(Bit(record.DtmfPttId, 0) + Bit(record.FiveTonePttId, 4)));
    image.set(a + kSquelchMode, ToByte(record.SquelchMode));
    image.set(a + kScrambler, ToByte(record.Scrambler));

    if (record.Position >= kFirstMemoryPosition && record.Position <= kLastMemoryPosition) {
        std::string code = record.PttIdCode.value();
        if (code.size() < region::kPttIdCodeSize) {
            code.append(region::kPttIdCodeSize - code.size(), '0');
        }
        const std::size_t base =
            region::ChannelPttIdCodes.first + region::kPttIdCodeSize * static_cast<std::size_t>(j);
        for (std::size_t i = 0; i < region::kPttIdCodeSize; ++i) {
            image.set(base + i, HexDigitValue(code[i]));
        }
    }
}

void DecodeRecord(const RadioImage& image, std::size_t a, ChannelRecord& record) {
    const std::uint8_t f9 = image.at(a + kFlags9);
    const std::uint8_t f10 = image.at(a + kFlags10);
    const std::uint8_t t11 = image.at(a + kTones11);
    auto i16 = [](int value) { return static_cast<std::int16_t>(value); };

    record.StepIndex = image.at(a + kStep);
    record.TxInhibit = i16(BitOf(f9, 0));
    record.Reverse = i16(BitOf(f9, 1));
    record.Bandwidth = i16((f9 >> 2) & 3);
    record.EncodeToneInverted = i16(BitOf(f9, 4));
    record.EncodeToneHighBit = i16(BitOf(f9, 5));
    record.PttIdDecode = i16(BitOf(f9, 6));

    record.ShiftDirection = ShiftFromImage(f10 & 3);
    const int power = (f10 >> 2) & 3;
    record.TxPower = i16(power == 3 ? 2 : power);
    record.DecodeToneInverted = i16(BitOf(f10, 4));
    record.DecodeToneHighBit = i16(BitOf(f10, 5));
    record.Compander = i16(BitOf(f10, 6));
    record.Talkaround = i16(BitOf(f10, 7));

    record.EncodeToneType = i16(t11 & 3);
    record.DecodeToneType = i16((t11 >> 2) & 3);
    record.DtmfCode = i16(t11 >> 4);
    record.EncodeToneCtcss = image.at(a + kEncodeCtcss);
    record.DecodeToneCtcss = image.at(a + kDecodeCtcss);
    record.EncodeToneDcs = i16(record.EncodeToneHighBit * 256 + image.at(a + kEncodeDcsLow));
    record.DecodeToneDcs = i16(record.DecodeToneHighBit * 256 + image.at(a + kDecodeDcsLow));
    record.Signalling = image.at(a + kSignalling);
    record.TwoToneEntry = image.at(a + kTwoToneEntry);
    record.FiveToneEntry = image.at(a + kFiveToneEntry);

    std::string name;
    for (std::size_t i = 0; i < kNameSize; ++i) {
        name.push_back(static_cast<char>(image.at(a + kName + i)));
    }
    name = TrimFixed(name);
    if (name.size() < kNameSize) {
        name.push_back('\0');
    }
    record.Name = name;

    record.BusyLock = image.at(a + kBusyLock);
    record.SpareByte = image.at(a + kSpareByte);
    const std::uint8_t ptt = image.at(a + kPttIds);
    record.DtmfPttId = i16(ptt & 0x0F);
    record.FiveTonePttId = i16(ptt >> 4);
    record.SquelchMode = image.at(a + kSquelchMode);
    record.Scrambler = image.at(a + kScrambler);
}

} // namespace

std::optional<std::size_t> ChannelAddress(int position) {
    if (position >= kFirstMemoryPosition && position <= kLastMemoryPosition) {
        return region::MemoryChannels.first +
               region::kChannelRecordSize * static_cast<std::size_t>(position - 1);
    }
    switch (position) {
    case kPositionPA:
        return region::ChannelPA.first;
    case kPositionPB:
        return region::ChannelPB.first;
    case kPositionVfo:
        return region::ChannelVfo.first;
    default:
        return std::nullopt;
    }
}

void SetCommDataByFrequency(ChannelTable& table, RadioImage& image, EncodeContext& context) {
    try {
        for (auto& record : table.used()) {
            EncodeRecord(record, image, context);
        }
    } catch (const std::exception&) {
        context.fail(kEncoderName);
    }
}

void DecodeChannels(const RadioImage& image, ChannelTable& table) {
    table.Count = 0;
    for (int p = kFirstMemoryPosition; p <= kPositionVfo; ++p) {
        const int j = p - 1;
        const bool hasBits = p <= kPositionPB;
        const auto bitByte = static_cast<std::size_t>(j / 8);
        if (hasBits && BitOf(image.at(region::ChannelInUseBitmap.first + bitByte), j % 8) == 1) {
            continue;
        }
        const std::size_t a = *ChannelAddress(p);
        BcdBytes rxBytes{};
        BcdBytes offsetBytes{};
        for (std::size_t i = 0; i < 4; ++i) {
            rxBytes[i] = image.at(a + kRx + i);
            offsetBytes[i] = image.at(a + kOffset + i);
        }
        const auto rx = BcdToRxFrequencyText(rxBytes);
        if (!rx) {
            continue;
        }

        ChannelRecord& record = table.Slots[static_cast<std::size_t>(table.Count)];
        record.Position = static_cast<std::int16_t>(p);
        record.InUse = 1;
        if (hasBits) {
            record.ScanSkip = static_cast<std::int16_t>(
                BitOf(image.at(region::ChannelScanSkipBitmap.first + bitByte), j % 8));
        }
        record.RxFrequency = *rx;
        record.Offset = BcdToOffsetText(offsetBytes);
        DecodeRecord(image, a, record);

        if (p <= kLastMemoryPosition) {
            std::string code;
            const std::size_t base = region::ChannelPttIdCodes.first +
                                     region::kPttIdCodeSize * static_cast<std::size_t>(j);
            for (std::size_t i = 0; i < region::kPttIdCodeSize; ++i) {
                const std::uint8_t digit = image.at(base + i);
                // A digit above 15 reads as 0, as the radio would send it back after a write.
                code += HexByteText(digit > 15 ? 0 : digit).substr(1);
            }
            record.PttIdCode = code;
        }
        ++table.Count;
    }
}

} // namespace kpt740
