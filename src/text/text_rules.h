#pragma once
// The text rules every part of the program shares. Positions are counted from 1; a search
// that finds nothing gives -1. Searches step over double-byte characters (a byte of 0x80 or
// above and the byte after it), so a match begins only at a character boundary; ignoring case
// folds ASCII letters only.
#include <cstdint>
#include <optional>
#include <string_view>

#include "text/text.h"

namespace morvella {

// First occurrence of `sub` beginning at or after byte `start` (below 1 counts as 1).
// An empty `sub` gives 1 when the searched part is non-empty, else -1.
std::int64_t find_forward(std::string_view text, std::string_view sub, std::int64_t start = 1,
                          bool ignore_case = false);

// Last occurrence lying entirely within the first `start` - 1 bytes; without `start`, or when
// `start` - 1 reaches the text's length, the whole text. A `start` of 1 or less finds nothing.
// An empty `sub` gives 1 when the searched part is non-empty, else -1.
std::int64_t find_backward(std::string_view text, std::string_view sub,
                           std::optional<std::int64_t> start = std::nullopt,
                           bool ignore_case = false);

inline bool contains(std::string_view text, std::string_view sub, bool ignore_case = false) {
  return !sub.empty() && find_forward(text, sub, 1, ignore_case) != -1;
}

// Removes ASCII spaces and full-width spaces (A1 A1) at both ends; tabs, CR and LF stay.
Text trim(std::string_view text);

// One element per separator, and a last element only when something follows the last
// separator; an empty text gives none. Matching is exact and steps over double-byte characters.
// An empty separator gives the whole text as one element (none for an empty text).
TextList split(std::string_view text, std::string_view separator);

// ASCII letters only; every other byte, double-byte characters included, stays.
Text ascii_upper(std::string_view text);
Text ascii_lower(std::string_view text);

// Replaces every occurrence of `find` by `with`, left to right without overlap, stepping over
// double-byte characters. An empty `find` changes nothing.
Text replace_all(std::string_view text, std::string_view find, std::string_view with,
                 bool ignore_case = false);

// The bytes from position `from` (1-based) for `count` bytes, clipped to the text.
Text substring(std::string_view text, std::int64_t from, std::int64_t count);

// Width in bytes of the character that starts at byte index `index` (0-based): 2 for a byte of
// 0x80 or above that has a byte after it, else 1.
inline std::size_t character_width(std::string_view text, std::size_t index) {
  return static_cast<unsigned char>(text[index]) >= 0x80 && index + 1 < text.size() ? 2 : 1;
}

}  // namespace morvella
