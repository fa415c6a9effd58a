#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kpt740 {

// The value of a fixed-width text field: trailing blanks removed, then cut before the first NUL.
std::string TrimFixed(std::string_view text);

// A fixed-width text field of N single-byte characters, as records hold them.
// A field never assigned holds N NUL bytes; assignment pads with blanks or cuts to N.
template <std::size_t N> class FixedText {
public:
    static constexpr std::size_t kSize = N;

    constexpr FixedText() = default;
    FixedText(std::string_view text) { assign(text); }   // NOLINT: implicit by design
    FixedText(const char* text) { assign(text); }        // NOLINT: implicit by design
    FixedText(const std::string& text) { assign(text); } // NOLINT: implicit by design

    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    FixedText& operator=(const char* text) {
        assign(text);
        return *this;
    }
    FixedText& operator=(const std::string& text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        for (std::size_t i = 0; i < N; ++i) {
            m_bytes[i] = i < text.size() ? text[i] : ' ';
        }
    }

    // The field as it is read: the trimmed-fixed rule.
    std::string value() const { return TrimFixed(raw()); }
    // All N characters, padding included.
    std::string raw() const { return std::string(m_bytes.data(), N); }

    const std::array<char, N>& bytes() const { return m_bytes; }
    std::array<char, N>& bytes() { return m_bytes; }

    // Byte-for-byte equality; change detection compares value() instead.
    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> m_bytes{};
};

} // namespace kpt740
