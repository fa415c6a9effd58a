#include "features/commbook/CommBookEditing.h"

#include "core/FixedText.h"

namespace kpt740 {

namespace {

// The committed text of an empty cell: a lone NUL reads back as empty.
const std::string kEmptyCell(1, '\0');

} // namespace

std::string CommitCallId(CommBookEntry& entry, std::string_view editorText) {
    std::string t = TrimFixed(editorText);
    if (t.empty()) {
        t = kEmptyCell;
    } else if (t.size() < kCallIdSize) {
        t.push_back('\0');
    }
    entry.callId = t;
    return TrimFixed(t);
}

std::string CommitBookName(CommBookEntry& entry, std::string_view editorText) {
    std::string t = TrimFixed(editorText);
    if (t.empty()) {
        t = kEmptyCell;
    } else if (t.size() < kBookNameSize) {
        t.push_back('\0');
    }
    entry.name = t;
    return TrimFixed(t);
}

char CallIdKey(char c) {
    return c >= '0' && c <= '9' ? c : '\0';
}

char BookNameKey(char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>(c - 'a' + 'A');
    }
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') {
        return c;
    }
    return '\0';
}

} // namespace kpt740
