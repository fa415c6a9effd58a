#include "core/RadioImage.h"

#include "core/ImageRegions.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace kpt740 {
namespace {

TEST(RadioImage, StartsAllZeroAndRejectsAccessOutsideTheImage) {
    RadioImage image;
    for (auto b : image.bytes()) {
        ASSERT_EQ(b, 0);
    }
    EXPECT_EQ(image.bytes().size(), 16384u);
    EXPECT_THROW(image.at(16384), std::out_of_range);
    EXPECT_THROW(image.set(16384, 1), std::out_of_range);
    EXPECT_THROW(image.view(16380, 5), std::out_of_range);
    EXPECT_THROW(image.fill(16000, 16384, 0), std::out_of_range);
    const std::vector<std::uint8_t> two{1, 2};
    EXPECT_THROW(image.write(16383, two), std::out_of_range);
    EXPECT_NO_THROW(image.write(16382, two));
    EXPECT_EQ(image.at(16383), 2);
}

TEST(RadioImage, BlankFillFollowsTheMapAndKeepsTheFirstSixteenBytes) {
    RadioImage image;
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        image.set(a, 0x5A);
    }
    BlankImage(image);
    struct Range {
        std::size_t first, last;
        std::uint8_t value;
    };
    const Range expected[] = {{0, 15, 0x5A},      {16, 255, 0x00},    {256, 511, 0xFF},
                              {512, 895, 0x00},   {896, 927, 0xFF},   {928, 1007, 0x00},
                              {1008, 1023, 0xFF}, {1024, 16383, 0x00}};
    for (const auto& range : expected) {
        for (std::size_t a = range.first; a <= range.last; ++a) {
            ASSERT_EQ(image.at(a), range.value) << "address " << a;
        }
    }
}

TEST(RadioImage, TransferRangesCoverTheDocumentedBytes) {
    EXPECT_EQ(kReadTransfer.firstBlock, 16u);
    EXPECT_EQ(kReadTransfer.lastBlock + 15, 16383u);
    EXPECT_EQ(kWriteTransfer.firstBlock, 256u);
    EXPECT_EQ(kEmbeddedInfoTransfer.lastBlock + 15, 255u);
}

} // namespace
} // namespace kpt740
