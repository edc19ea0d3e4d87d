#pragma once
// Cookie texts: "; " separated name=value items.
#include <string_view>

#include "text/text.h"

namespace morvella {

// Cookies set by the response first, then the submitted ones whose names it did not set; items
// ending in "=deleted" and repeated items dropped. Afterwards `submitted` holds the result and
// `returned` its trimmed form.
Text merge_cookies(Text& submitted, Text& returned);

Text cookie_name(std::string_view item);
bool has_cookie_named(const TextList& items, std::string_view name);
Text remove_duplicates(std::string_view text, std::string_view separator, bool split_on_separator);
// Bytes as characters: a double-byte character or CR LF is one item. Replaces `out`.
int split_characters(std::string_view text, TextList& out);
// Position of the first equal item counted from 1, or -1.
int find_in_list(const TextList& items, std::string_view item);

}  // namespace morvella
