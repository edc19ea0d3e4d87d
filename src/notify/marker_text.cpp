#include "notify/marker_text.h"

#include <algorithm>
#include <cstdint>

#include "text/text_rules.h"

namespace morvella {

Text text_after_marker(std::string_view text, std::string_view marker, int start, bool ignore_case) {
  const auto length = static_cast<std::int64_t>(text.size());
  std::int64_t found;
  if (start < 0) {
    found = find_forward(text, marker, -static_cast<std::int64_t>(start), ignore_case);
  } else {
    // The match lies within the first length - start bytes.
    const std::int64_t searched = length - start;
    found = searched <= 0 ? -1 : find_backward(text, marker, searched + 1, ignore_case);
  }
  if (found == -1) return {};
  return substring(text, found + static_cast<std::int64_t>(marker.size()), length);
}

namespace {

// One find/with step over the bytes from `from` on; earlier bytes are copied unchanged.
Text replace_from(std::string_view text, const FindWith& pair, std::int64_t from, std::optional<int> count,
                  bool ignore_case) {
  if (pair.find.empty() || from > static_cast<std::int64_t>(text.size()) || (count && *count <= 0))
    return Text(text);
  Text out(text.substr(0, static_cast<std::size_t>(from - 1)));
  std::int64_t next = from;
  for (int made = 0; !count || made < *count; ++made) {
    const std::int64_t at = find_forward(text, pair.find, next, ignore_case);
    if (at == -1) break;
    out.append(text.substr(static_cast<std::size_t>(next - 1), static_cast<std::size_t>(at - next)));
    out.append(pair.with);
    next = at + static_cast<std::int64_t>(pair.find.size());
  }
  out.append(text.substr(static_cast<std::size_t>(next - 1)));
  return out;
}

}  // namespace

Text replace_pairs(std::string_view text, std::optional<int> count, int start, bool case_sensitive,
                   const std::vector<FindWith>& pairs) {
  const std::int64_t from = std::max(start, 1);
  Text result(text);
  for (const FindWith& pair : pairs) result = replace_from(result, pair, from, count, !case_sensitive);
  return result;
}

}  // namespace morvella
