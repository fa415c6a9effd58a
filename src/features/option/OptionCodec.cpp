#include "features/option/OptionCodec.h"

#include "core/ImageRegions.h"

#include <array>
#include <cstddef>
#include <exception>
#include <stdexcept>
#include <string>

namespace kpt740 {

namespace {

constexpr std::size_t kBase = region::OptionBytes.first;
constexpr std::size_t kSwitchByte = kBase + 16;   // 560: setting1716, tail tone, DTMF ANI
constexpr std::size_t kSendTimeByte = kBase + 18; // 562: DTMF send time
constexpr std::size_t kFunctionByte = kBase + 19; // 563: function switches
constexpr std::array<std::size_t, 3> kZeroBytes{kBase + 9, kBase + 10, kBase + 13};

constexpr std::uint8_t kSetting1716Bit = 0x01;
constexpr std::uint8_t kTailToneBit = 0x02;
constexpr std::uint8_t kAniBit = 0x04;
constexpr std::uint8_t kFunctionOperationBit = 0x01;
constexpr std::uint8_t kInternalFunctionBit = 0x02;
constexpr std::uint8_t kInitKeyBit = 0x08;

struct OptionByte {
    std::size_t address;
    std::int16_t OptionSettings::*member;
};

// In the order the encoder writes them.
constexpr std::array<OptionByte, 16> kByteLayout{{
    {kBase + 0, &OptionSettings::setting1702},
    {kBase + 1, &OptionSettings::setting1703},
    {kBase + 2, &OptionSettings::channelIndex},
    {kBase + 3, &OptionSettings::setting1705},
    {kBase + 5, &OptionSettings::setting1707},
    {kBase + 6, &OptionSettings::setting1702Extra},
    {kBase + 7, &OptionSettings::setting1709},
    {kBase + 8, &OptionSettings::setting1710},
    {kBase + 11, &OptionSettings::toneFrequency},
    {kBase + 12, &OptionSettings::setting1712},
    {kBase + 14, &OptionSettings::setting1713},
    {kBase + 15, &OptionSettings::setting1714},
    {kBase + 17, &OptionSettings::busyMode},
    {kBase + 20, &OptionSettings::setting1718},
    {kBase + 21, &OptionSettings::setting1719},
    {kBase + 24, &OptionSettings::powerOnPasswordEnabled},
}};

static_assert(kBase + 24 <= region::OptionBytes.last());

std::uint8_t CheckedByte(std::int16_t value) {
    if (value < 0 || value > 255) {
        throw std::out_of_range("option value does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

// A switch outside 0/1 would spill into the neighbouring bits of its byte.
std::uint8_t CheckedBit(std::int16_t value, std::uint8_t mask) {
    if (value != 0 && value != 1) {
        throw std::out_of_range("option switch does not fit its bit");
    }
    return value == 1 ? mask : std::uint8_t{0};
}

std::int16_t BitOf(std::uint8_t byte, std::uint8_t mask) {
    return (byte & mask) != 0 ? 1 : 0;
}

template <std::size_t N>
void EncodeText(const FixedText<N>& field, RadioImage& image, std::size_t address) {
    const std::string text = field.value();
    for (std::size_t i = 0; i < N; ++i) {
        image.set(address + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x00);
    }
}

// A 0x00 or 0xFF byte ends the text and leaves one NUL behind it in the field.
template <std::size_t N> FixedText<N> DecodeText(const RadioImage& image, std::size_t address) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        const std::uint8_t byte = image.at(address + i);
        if (byte == 0x00 || byte == 0xFF) {
            text.push_back('\0');
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    return FixedText<N>(text);
}

void Encode(const OptionSettings& s, const DtmfSettings& dtmf, RadioImage& image) {
    for (const auto& field : kByteLayout) {
        image.set(field.address, CheckedByte(s.*field.member));
    }
    for (std::size_t address : kZeroBytes) {
        image.set(address, 0x00);
    }
    image.set(kSwitchByte,
              static_cast<std::uint8_t>(CheckedBit(s.setting1716, kSetting1716Bit) |
                                        CheckedBit(s.tailToneElimination, kTailToneBit) |
                                        CheckedBit(dtmf.ani, kAniBit)));
    image.set(kFunctionByte, static_cast<std::uint8_t>(
                                 CheckedBit(s.functionOperation, kFunctionOperationBit) |
                                 CheckedBit(s.internalFunctionOperation, kInternalFunctionBit) |
                                 CheckedBit(s.initKey, kInitKeyBit)));
    image.set(kSendTimeByte, CheckedByte(dtmf.sendTime));
    EncodeText(s.welcomeText, image, region::OptionWelcomeText.first);
    EncodeText(s.powerOnPassword, image, region::PowerOnPassword.first);
}

} // namespace

void SetCommDataByOption(const OptionSettings& settings, const DtmfSettings& dtmf,
                         RadioImage& image, EncodeContext& context) {
    try {
        Encode(settings, dtmf, image);
    } catch (const std::exception&) {
        context.fail("SetCommDataByOption");
    }
}

void GetCommDataByOption(const RadioImage& image, OptionSettings& settings, DtmfSettings& dtmf) {
    for (const auto& field : kByteLayout) {
        settings.*field.member = image.at(field.address);
    }
    if (settings.setting1702Extra > 1) {
        settings.setting1702Extra = 0;
    }
    const std::uint8_t switches = image.at(kSwitchByte);
    settings.setting1716 = BitOf(switches, kSetting1716Bit);
    settings.tailToneElimination = BitOf(switches, kTailToneBit);
    dtmf.ani = BitOf(switches, kAniBit);
    const std::uint8_t functions = image.at(kFunctionByte);
    settings.functionOperation = BitOf(functions, kFunctionOperationBit);
    settings.internalFunctionOperation = BitOf(functions, kInternalFunctionBit);
    settings.initKey = BitOf(functions, kInitKeyBit);
    dtmf.sendTime = image.at(kSendTimeByte);
    settings.powerOnPassword = DecodeText<6>(image, region::PowerOnPassword.first);
    settings.welcomeText = DecodeText<7>(image, region::OptionWelcomeText.first);
}

} // namespace kpt740
