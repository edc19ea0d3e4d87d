#include "http/cookies.h"

#include "text/text_rules.h"

namespace morvella {
namespace {

constexpr std::string_view kItemSeparator = "; ";
constexpr std::string_view kDeletedSuffix = "=deleted";

// A text ending in ";" gets the space that makes its last separator complete, so the split
// sees "a=1;" as the single item a=1.
Text trimmed_cookie_text(std::string_view text) {
  Text out = trim(text);
  if (!out.empty() && out.back() == ';') out += ' ';
  return out;
}

bool is_deleted(std::string_view item) { return item.ends_with(kDeletedSuffix); }

}  // namespace

Text merge_cookies(Text& submitted, Text& returned) {
  submitted = trimmed_cookie_text(submitted);
  returned = trimmed_cookie_text(returned);
  TextList merged = split(returned, kItemSeparator);
  // `merged` grows here, so of several submitted items with one name only the first gets in.
  for (const Text& item : split(submitted, kItemSeparator))
    if (!has_cookie_named(merged, cookie_name(item))) merged.push_back(item);

  Text joined;
  for (const Text& item : merged) {
    if (is_deleted(item)) continue;
    joined += item;
    joined += kItemSeparator;
  }
  // Every item may have been dropped; there is then no separator to cut.
  if (!joined.empty()) joined.resize(joined.size() - kItemSeparator.size());
  submitted = remove_duplicates(joined, kItemSeparator, true);
  return submitted;
}

Text cookie_name(std::string_view item) {
  const std::int64_t equals = find_forward(item, "=");
  if (equals == -1) return trim(item);
  return trim(item.substr(0, static_cast<std::size_t>(equals - 1)));
}

bool has_cookie_named(const TextList& items, std::string_view name) {
  for (const Text& item : items)
    if (cookie_name(item) == name) return true;
  return false;
}

Text remove_duplicates(std::string_view text, std::string_view separator, bool split_on_separator) {
  TextList items;
  if (split_on_separator) {
    items = split(text, separator);
  } else {
    split_characters(text, items);
  }
  TextList seen;
  Text out;
  for (const Text& item : items) {
    if (find_in_list(seen, item) != -1) continue;
    seen.push_back(item);
    out += item;
    out += separator;
  }
  if (!out.empty()) out.resize(out.size() - separator.size());
  return out;
}

int split_characters(std::string_view text, TextList& out) {
  out.clear();
  for (std::size_t d = 0; d < text.size();) {
    std::size_t width = 1;
    if (d + 1 < text.size()) {
      const auto byte = static_cast<unsigned char>(text[d]);
      // 0x80 is no GBK lead byte, so only bytes above it pair with the next one.
      if (byte > 0x80 || (byte == '\r' && text[d + 1] == '\n')) width = 2;
    }
    out.emplace_back(text.substr(d, width));
    d += width;
  }
  return static_cast<int>(out.size());
}

int find_in_list(const TextList& items, std::string_view item) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == item) return static_cast<int>(i) + 1;
  return -1;
}

}  // namespace morvella
