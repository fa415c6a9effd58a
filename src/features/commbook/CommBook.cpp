#include "features/commbook/CommBook.h"

#include <string_view>

namespace kpt740 {

CommBook DefaultCommBook() {
    // A leading NUL ends the value; assignment pads the rest with blanks.
    constexpr std::string_view kEmpty("\0", 1);
    CommBook book;
    for (std::size_t n = 0; n < book.size(); ++n) {
        book[n].index = static_cast<std::int16_t>(n);
        book[n].callId = kEmpty;
        book[n].name = kEmpty;
    }
    return book;
}

bool SameCommBook(const CommBook& a, const CommBook& b) {
    return SameMembers(a, b);
}

} // namespace kpt740
