#include "text/text_rules.h"

#include <algorithm>

namespace morvella {
namespace {

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool matches_at(std::string_view text, std::size_t index, std::string_view sub, bool ignore_case) {
  if (sub.size() > text.size() - index) return false;
  if (!ignore_case) return text.compare(index, sub.size(), sub) == 0;
  // A double-byte character compares exactly: its second byte is no letter, whatever its value.
  for (std::size_t k = 0; k < sub.size(); k += character_width(sub, k)) {
    if (character_width(sub, k) == 2) {
      if (text.compare(index + k, 2, sub.substr(k, 2)) != 0) return false;
    } else if (fold(text[index + k]) != fold(sub[k])) {
      return false;
    }
  }
  return true;
}

// 0-based index of the first match at a character boundary counted from `from`, within the
// first `limit` bytes; npos when none.
std::size_t scan(std::string_view text, std::string_view sub, std::size_t from, std::size_t limit,
                 bool ignore_case, bool want_last) {
  std::size_t found = std::string_view::npos;
  if (sub.size() > limit) return found;
  for (std::size_t i = from; i + sub.size() <= limit; i += character_width(text, i)) {
    if (matches_at(text, i, sub, ignore_case)) {
      found = i;
      if (!want_last) break;
    }
  }
  return found;
}

}  // namespace

std::int64_t find_forward(std::string_view text, std::string_view sub, std::int64_t start,
                          bool ignore_case) {
  if (start < 1) start = 1;
  if (start > static_cast<std::int64_t>(text.size())) return -1;
  if (sub.empty()) return 1;
  std::size_t at = scan(text, sub, static_cast<std::size_t>(start - 1), text.size(), ignore_case, false);
  return at == std::string_view::npos ? -1 : static_cast<std::int64_t>(at) + 1;
}

std::int64_t find_backward(std::string_view text, std::string_view sub,
                           std::optional<std::int64_t> start, bool ignore_case) {
  std::size_t limit = text.size();
  if (start) {
    if (*start <= 1) return -1;
    limit = static_cast<std::size_t>(std::min<std::int64_t>(*start - 1, static_cast<std::int64_t>(text.size())));
  }
  if (limit == 0) return -1;
  if (sub.empty()) return 1;
  std::size_t at = scan(text, sub, 0, limit, ignore_case, true);
  return at == std::string_view::npos ? -1 : static_cast<std::int64_t>(at) + 1;
}

Text trim(std::string_view text) {
  constexpr std::string_view full_width_space = "\xA1\xA1";
  std::size_t begin = 0, end = text.size();
  for (;;) {
    if (begin < end && text[begin] == ' ') {
      ++begin;
    } else if (end - begin >= 2 && text.substr(begin, 2) == full_width_space) {
      begin += 2;
    } else {
      break;
    }
  }
  for (;;) {
    if (end > begin && text[end - 1] == ' ') {
      --end;
    } else if (end - begin >= 2 && text.substr(end - 2, 2) == full_width_space) {
      end -= 2;
    } else {
      break;
    }
  }
  return Text(text.substr(begin, end - begin));
}

TextList split(std::string_view text, std::string_view separator) {
  TextList parts;
  if (text.empty()) return parts;
  if (separator.empty()) return {Text(text)};
  std::size_t begin = 0;
  for (;;) {
    std::size_t at = scan(text, separator, begin, text.size(), false, false);
    if (at == std::string_view::npos) break;
    parts.emplace_back(text.substr(begin, at - begin));
    begin = at + separator.size();
  }
  if (begin < text.size()) parts.emplace_back(text.substr(begin));
  return parts;
}

Text ascii_upper(std::string_view text) {
  Text out(text);
  for (std::size_t i = 0; i < out.size(); i += character_width(out, i))
    if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
  return out;
}

Text ascii_lower(std::string_view text) {
  Text out(text);
  for (std::size_t i = 0; i < out.size(); i += character_width(out, i)) out[i] = fold(out[i]);
  return out;
}

Text replace_all(std::string_view text, std::string_view find, std::string_view with, bool ignore_case) {
  if (find.empty()) return Text(text);
  Text out;
  out.reserve(text.size());
  std::size_t begin = 0;
  for (;;) {
    std::size_t at = scan(text, find, begin, text.size(), ignore_case, false);
    if (at == std::string_view::npos) break;
    out.append(text.substr(begin, at - begin));
    out.append(with);
    begin = at + find.size();
  }
  out.append(text.substr(begin));
  return out;
}

Text substring(std::string_view text, std::int64_t from, std::int64_t count) {
  const auto size = static_cast<std::int64_t>(text.size());
  if (count <= 0) return {};
  if (from < 1) {
    // The bytes before position 1 use up part of the count; compared first so that
    // extreme arguments cannot overflow.
    if (from <= 1 - count) return {};
    count += from - 1;
    from = 1;
  }
  if (from > size) return {};
  count = std::min(count, size - from + 1);
  return Text(text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count)));
}

}  // namespace morvella
