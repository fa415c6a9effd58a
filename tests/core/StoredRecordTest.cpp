#include "core/StoredRecord.h"

#include "TestChannels.h"
#include "core/ChannelRecord.h"

#include <gtest/gtest.h>

namespace kpt740 {
namespace {

struct Inner {
    std::uint8_t flag = 0;
    FixedText<3> code;
    template <class Self, class V> static constexpr void forEachMember(Self& s, V&& v) {
        v(s.flag);
        v(s.code);
    }
};

struct Outer {
    std::int16_t number = 0;
    std::array<Inner, 2> inner{};
    std::int32_t wide = 0;
    template <class Self, class V> static constexpr void forEachMember(Self& s, V&& v) {
        v(s.number);
        v(s.inner);
        v(s.wide);
    }
};

TEST(StoredRecord, ChannelRecordIs108BytesInDeclaredOrder) {
    static_assert(StoredSize<ChannelRecord>() == 108);
    ChannelRecord r = test::RichChannel(7);
    r.Position = 0x0102;
    const auto bytes = ToStoredBytes(r);
    ASSERT_EQ(bytes.size(), 108u);
    EXPECT_EQ(bytes[0], 0x02); // little-endian
    EXPECT_EQ(bytes[1], 0x01);
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 15), r.RxFrequency.raw());
    EXPECT_EQ(std::string(bytes.begin() + 103, bytes.end()), r.PttIdCode.raw());
}

TEST(StoredRecord, NestedRecordsArraysAndSignedValuesRoundTrip) {
    static_assert(StoredSize<Outer>() == 2 + 2 * 4 + 4);
    Outer o;
    o.number = -2;
    o.inner[1].flag = 200;
    o.inner[1].code = "AB";
    o.wide = -100000;
    const auto bytes = ToStoredBytes(o);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 0x00); // never-assigned text holds NULs
    EXPECT_EQ(bytes[9], 0x20); // assigned text is blank-padded

    Outer back;
    std::span<const std::uint8_t> in(bytes);
    ASSERT_TRUE(ReadStored(in, back));
    EXPECT_TRUE(in.empty());
    EXPECT_EQ(back.number, -2);
    EXPECT_EQ(back.wide, -100000);
    EXPECT_EQ(back.inner[1].code.raw(), "AB ");

    std::span<const std::uint8_t> shortInput(bytes.data(), bytes.size() - 1);
    Outer partial;
    EXPECT_FALSE(ReadStored(shortInput, partial));
}

TEST(StoredRecord, SameMembersComparesTextsTrimmed) {
    Outer a;
    Outer b;
    a.inner[0].code = "A";
    b.inner[0].code = std::string("A\0 ", 3);
    EXPECT_TRUE(SameMembers(a, b));
    b.inner[1].flag = 1;
    EXPECT_FALSE(SameMembers(a, b));
}

} // namespace
} // namespace kpt740
