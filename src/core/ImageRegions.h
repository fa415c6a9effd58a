#pragma once

#include <cstddef>

// Where each feature lives in the radio image. Every codec takes its base addresses from here;
// the byte layout inside a region is the business of that feature's codec.
namespace kpt740::region {

struct Region {
    std::size_t first;
    std::size_t size;
    constexpr std::size_t last() const { return first + size - 1; }
};

// Embedded information (read from the radio, never written).
inline constexpr Region EmbeddedInfo{16, 240};
inline constexpr Region EmbeddedBandCode{23, 1};
inline constexpr Region EmbeddedSalesArea{25, 4};
inline constexpr Region ProgrammingPassword{76, 4};

// Channel bitmaps: one bit per position 1-202 (bit clear = in use / scanned).
inline constexpr Region ChannelInUseBitmap{256, 26};
inline constexpr Region ChannelScanSkipBitmap{288, 26};

inline constexpr Region PowerOnPassword{528, 6};
inline constexpr Region OptionBytes{544, 26};
inline constexpr Region ChannelPB{608, 31};
inline constexpr Region ChannelPA{640, 31};
inline constexpr Region ChannelVfo{704, 31};
inline constexpr Region DtmfSettings{736, 32};
inline constexpr Region TwoToneHeader{768, 24};
inline constexpr Region FiveToneSettings{800, 21};
inline constexpr Region DtmfLongCodes{832, 32};
inline constexpr Region FiveToneFixedCodes{864, 32};
inline constexpr Region TwoToneEntryBitmap{896, 4};
inline constexpr Region FiveToneEntryBitmap{912, 13};
inline constexpr Region AlertSettings{928, 13};
inline constexpr Region ScanSettings{944, 14};
inline constexpr Region OptionWelcomeText{992, 7};
inline constexpr Region DtmfEncodeCodes{1024, 256};
inline constexpr Region FiveToneInfoCodes{1280, 256};
inline constexpr Region ChannelPttIdCodes{1536, 1000};
inline constexpr Region TwoToneEntries{2816, 512};
inline constexpr Region FiveToneCodeEntries{3328, 3200};
inline constexpr Region CommBookCallIds{6528, 640};
inline constexpr Region CommBookNames{7168, 1024};
inline constexpr Region MemoryChannels{8192, 6400};

inline constexpr std::size_t kChannelRecordSize = 32; // in the memory-channel table
inline constexpr std::size_t kChannelBytesWritten = 31;
inline constexpr std::size_t kPttIdCodeSize = 5;

} // namespace kpt740::region

namespace kpt740 {

// The 16-byte blocks the link moves, first and last block address inclusive.
struct TransferRange {
    std::size_t firstBlock;
    std::size_t lastBlock;
    static constexpr std::size_t kBlockSize = 16;
    constexpr std::size_t blockCount() const { return (lastBlock - firstBlock) / kBlockSize + 1; }
};

inline constexpr TransferRange kReadTransfer{0x0010, 0x3FF0};
inline constexpr TransferRange kWriteTransfer{0x0100, 0x3FF0};
inline constexpr TransferRange kEmbeddedInfoTransfer{0x0010, 0x00F0};
inline constexpr std::size_t kPasswordCheckBlock = 0x0040;

static_assert(kReadTransfer.blockCount() == 1023);
static_assert(kWriteTransfer.blockCount() == 1008);
static_assert(kEmbeddedInfoTransfer.blockCount() == 15);

} // namespace kpt740
