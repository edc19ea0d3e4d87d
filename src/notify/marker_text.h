#pragma once
// Text helpers of the name-value list: the text after a marker, and find-and-replace in pairs.
#include <optional>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace morvella {

// The text right of the marker occurrence found: the last one within the first
// length - `start` bytes for `start` >= 0; a negative `start` searches forwards from byte -start.
Text text_after_marker(std::string_view text, std::string_view marker, int start = 0,
                       bool ignore_case = false);

struct FindWith {
  std::string_view find;
  std::string_view with;
};

// Up to five find/with pairs applied in turn, each to the bytes from `start` on (below 1 counts
// as 1); at most `count` replacements per pair when given, none when it is 0 or less.
// ASCII letters compare without regard to case unless `case_sensitive`.
Text replace_pairs(std::string_view text, std::optional<int> count, int start, bool case_sensitive,
                   const std::vector<FindWith>& pairs);

}  // namespace morvella
