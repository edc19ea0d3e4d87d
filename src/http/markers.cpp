#include "http/markers.h"

#include <cstdint>

#include "text/fixed_texts.h"
#include "text/text_rules.h"

namespace morvella {

Text text_between(std::string_view text, std::string_view left_marker, std::string_view right_marker,
                  int start, bool ignore_case) {
  // Callers write a quote inside a marker as a placeholder; only the markers are rewritten.
  const Text left = replace_all(left_marker, fixed::kQuotePlaceholder, "\"");
  const Text right = replace_all(right_marker, fixed::kQuotePlaceholder, "\"");
  const std::int64_t left_at = find_forward(text, left, start, ignore_case);
  if (left_at == -1) return {};
  const std::int64_t from = left_at + static_cast<std::int64_t>(left.size());
  const std::int64_t right_at = find_forward(text, right, from, ignore_case);
  if (right_at == -1) return {};
  return substring(text, from, right_at - from);
}

Text text_before_marker(std::string_view text, std::string_view marker, int start, bool ignore_case) {
  std::int64_t found;
  if (start < 0) {
    // -1 keeps the whole text; -n (n >= 2) leaves the last n bytes out of the search.
    std::int64_t excluded = -static_cast<std::int64_t>(start);
    if (excluded == 1) excluded = 0;
    found = find_backward(text, marker, static_cast<std::int64_t>(text.size()) - excluded + 1, ignore_case);
  } else {
    found = find_forward(text, marker, start, ignore_case);
  }
  if (found == -1) return {};
  return substring(text, 1, found - 1);
}

Text value_after_colon(std::string_view text) {
  const std::int64_t colon = find_forward(text, ":");
  if (colon == -1) return {};
  return trim(text.substr(static_cast<std::size_t>(colon)));
}

}  // namespace morvella
