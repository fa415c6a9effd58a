#pragma once

#include "features/commbook/CommBook.h"

#include <string>
#include <string_view>

// Rules the communication book grid applies to its cells, kept free of any window.
namespace kpt740 {

// Commits the editor text of a call-ID cell into the entry and gives what the cell shows.
// A shorter ID is followed by one NUL so that it reads back without the padding.
std::string CommitCallId(CommBookEntry& entry, std::string_view editorText);
// Commits the editor text of a name cell likewise.
std::string CommitBookName(CommBookEntry& entry, std::string_view editorText);

// What a typed printable character (32-126) becomes in the call-ID and name editors; 0 drops
// it. Call IDs take digits; names take letters (as capitals), digits and the space.
char CallIdKey(char c);
char BookNameKey(char c);

} // namespace kpt740
