#pragma once

// The stored form of plain records. A record lists its members once, in declared order:
//
//     template <class Self, class Visitor> static constexpr void forEachMember(Self& self,
//     Visitor&& v) {
//         v(self.Position); v(self.InUse); ...
//     }
//
// and that one list drives the file layout, the stored size and the change-detection
// comparison. Members may be std::int16_t, std::int32_t, std::uint8_t, FixedText<N>,
// std::array of those, or nested records that list their own members.

#include "core/FixedText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

namespace kpt740 {

template <class T>
concept StoredRecordType = requires(T& t) {
    T::forEachMember(t, [](auto&) {});
};

namespace detail {
template <class T> struct IsFixedText : std::false_type {};
template <std::size_t N> struct IsFixedText<FixedText<N>> : std::true_type {};
template <class T> struct IsStdArray : std::false_type {};
template <class T, std::size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {};
} // namespace detail

// Number of bytes a member or record occupies in a file: no gaps, no alignment.
template <class T> constexpr std::size_t StoredSize() {
    if constexpr (std::is_same_v<T, std::uint8_t>) {
        return 1;
    } else if constexpr (std::is_same_v<T, std::int16_t>) {
        return 2;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return 4;
    } else if constexpr (detail::IsFixedText<T>::value) {
        return T::kSize;
    } else if constexpr (detail::IsStdArray<T>::value) {
        return std::tuple_size_v<T> * StoredSize<typename T::value_type>();
    } else {
        static_assert(StoredRecordType<T>, "member type has no stored form");
        T probe{};
        std::size_t total = 0;
        T::forEachMember(
            probe, [&total](auto& m) { total += StoredSize<std::remove_cvref_t<decltype(m)>>(); });
        return total;
    }
}

// Appends the stored form of a value to out.
template <class T> void AppendStored(const T& value, std::vector<std::uint8_t>& out) {
    if constexpr (std::is_same_v<T, std::uint8_t>) {
        out.push_back(value);
    } else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>) {
        auto bits = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        }
    } else if constexpr (detail::IsFixedText<T>::value) {
        for (char c : value.bytes()) {
            out.push_back(static_cast<std::uint8_t>(c));
        }
    } else if constexpr (detail::IsStdArray<T>::value) {
        for (const auto& element : value) {
            AppendStored(element, out);
        }
    } else {
        T::forEachMember(value, [&out](const auto& m) { AppendStored(m, out); });
    }
}

template <class T> std::vector<std::uint8_t> ToStoredBytes(const T& value) {
    std::vector<std::uint8_t> out;
    out.reserve(StoredSize<T>());
    AppendStored(value, out);
    return out;
}

// Reads the stored form of a value from the front of `in` and advances it.
// Returns false, leaving `value` partly filled, when `in` holds too few bytes.
template <class T> bool ReadStored(std::span<const std::uint8_t>& in, T& value) {
    if constexpr (std::is_same_v<T, std::uint8_t>) {
        if (in.empty()) {
            return false;
        }
        value = in[0];
        in = in.subspan(1);
        return true;
    } else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>) {
        if (in.size() < sizeof(T)) {
            return false;
        }
        std::make_unsigned_t<T> bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bits = static_cast<std::make_unsigned_t<T>>(
                bits | (static_cast<std::make_unsigned_t<T>>(in[i]) << (8 * i)));
        }
        value = static_cast<T>(bits);
        in = in.subspan(sizeof(T));
        return true;
    } else if constexpr (detail::IsFixedText<T>::value) {
        if (in.size() < T::kSize) {
            return false;
        }
        for (std::size_t i = 0; i < T::kSize; ++i) {
            value.bytes()[i] = static_cast<char>(in[i]);
        }
        in = in.subspan(T::kSize);
        return true;
    } else if constexpr (detail::IsStdArray<T>::value) {
        for (auto& element : value) {
            if (!ReadStored(in, element)) {
                return false;
            }
        }
        return true;
    } else {
        bool ok = true;
        T::forEachMember(value, [&](auto& m) { ok = ok && ReadStored(in, m); });
        return ok;
    }
}

// Member-by-member equality for change detection: texts compare by their trimmed value.
template <class T> bool SameMembers(const T& a, const T& b) {
    if constexpr (std::is_arithmetic_v<T>) {
        return a == b;
    } else if constexpr (detail::IsFixedText<T>::value) {
        return a.value() == b.value();
    } else if constexpr (detail::IsStdArray<T>::value) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!SameMembers(a[i], b[i])) {
                return false;
            }
        }
        return true;
    } else {
        // Visit both records in step: collect b's member addresses in order, then compare.
        std::vector<const void*> others;
        T::forEachMember(b, [&others](const auto& m) { others.push_back(&m); });
        std::size_t i = 0;
        bool same = true;
        T::forEachMember(a, [&](const auto& m) {
            using M = std::remove_cvref_t<decltype(m)>;
            same = same && SameMembers(m, *static_cast<const M*>(others[i]));
            ++i;
        });
        return same;
    }
}

} // namespace kpt740
