// The shared text rules: positions are valid and at character boundaries, trim leaves no
// trimmable end, split and replace_all give back what they took apart.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "text/text_rules.h"

using namespace morvella;
using morvella::fuzz::at_character_boundary;

namespace {

bool matches_at(std::string_view text, std::int64_t position, std::string_view sub, bool ignore_case) {
  const auto at = text.substr(static_cast<std::size_t>(position - 1), sub.size());
  return ignore_case ? ascii_lower(at) == ascii_lower(sub) : at == sub;
}

void check_searches(std::string_view text, std::string_view sub, std::int64_t start, bool ignore_case) {
  const auto size = static_cast<std::int64_t>(text.size());

  const std::int64_t forward = find_forward(text, sub, start, ignore_case);
  if (forward != -1) {
    FUZZ_CHECK(forward >= 1 && forward + static_cast<std::int64_t>(sub.size()) - 1 <= size);
    FUZZ_CHECK(sub.empty() ? forward == 1 : forward >= start);
    // The scan steps character by character from where it starts.
    const auto from = static_cast<std::size_t>(std::max<std::int64_t>(start, 1) - 1);
    FUZZ_CHECK(sub.empty() || at_character_boundary(text.substr(from), static_cast<std::size_t>(forward - 1) - from));
    if (!sub.empty()) FUZZ_CHECK(matches_at(text, forward, sub, ignore_case));
    FUZZ_CHECK(find_forward(text, sub, forward, ignore_case) == forward);
  }

  const std::int64_t backward = find_backward(text, sub, start, ignore_case);
  if (backward != -1) {
    FUZZ_CHECK(backward >= 1 && start > 1);
    FUZZ_CHECK(backward + static_cast<std::int64_t>(sub.size()) - 1 <= std::min(start - 1, size));
    FUZZ_CHECK(sub.empty() || at_character_boundary(text, static_cast<std::size_t>(backward - 1)));
    if (!sub.empty()) FUZZ_CHECK(matches_at(text, backward, sub, ignore_case));
  }

  // Both directions over the whole text see the same matches.
  const std::int64_t first = find_forward(text, sub, 1, ignore_case);
  const std::int64_t last = find_backward(text, sub, std::nullopt, ignore_case);
  FUZZ_CHECK((first == -1) == (last == -1));
  FUZZ_CHECK(first <= last || sub.empty());
  FUZZ_CHECK(contains(text, sub, ignore_case) == (!sub.empty() && first != -1));
}

void check_trim(std::string_view text) {
  const Text trimmed = trim(text);
  FUZZ_CHECK(text.find(trimmed) != std::string_view::npos);
  FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
  FUZZ_CHECK(!trimmed.starts_with("\xA1\xA1") && !trimmed.ends_with("\xA1\xA1"));
  FUZZ_CHECK(trim(trimmed) == trimmed);
}

void check_split(std::string_view text, std::string_view separator) {
  const TextList parts = split(text, separator);
  if (text.empty()) {
    FUZZ_CHECK(parts.empty());
    return;
  }
  Text joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += parts[i];
    if (!separator.empty()) FUZZ_CHECK(find_forward(parts[i], separator) == -1);
  }
  // A separator at the very end adds no element, so it is the one byte run the join lacks.
  FUZZ_CHECK(joined == text || joined + Text(separator) == text);
}

void check_casing(std::string_view text) {
  const Text upper = ascii_upper(text);
  const Text lower = ascii_lower(text);
  FUZZ_CHECK(upper.size() == text.size() && lower.size() == text.size());
  // Only single-byte characters change; a double-byte character stays whole.
  for (std::size_t i = 0; i < text.size(); i += character_width(text, i)) {
    if (character_width(text, i) == 2) {
      FUZZ_CHECK(upper.compare(i, 2, text.substr(i, 2)) == 0 && lower.compare(i, 2, text.substr(i, 2)) == 0);
    } else {
      FUZZ_CHECK(!(upper[i] >= 'a' && upper[i] <= 'z') && !(lower[i] >= 'A' && lower[i] <= 'Z'));
      FUZZ_CHECK(ascii_lower(text.substr(i, 1)) == lower.substr(i, 1));
    }
  }
  FUZZ_CHECK(ascii_lower(upper) == lower && ascii_upper(lower) == upper);
}

void check_replace(std::string_view text, std::string_view find, std::string_view with, bool ignore_case) {
  const Text replaced = replace_all(text, find, with, ignore_case);
  if (find.empty()) {
    FUZZ_CHECK(replaced == text);
    return;
  }
  FUZZ_CHECK(replace_all(text, find, find) == text);
  const auto grown = static_cast<std::int64_t>(replaced.size()) - static_cast<std::int64_t>(text.size());
  const auto step = static_cast<std::int64_t>(with.size()) - static_cast<std::int64_t>(find.size());
  if (step == 0) {
    FUZZ_CHECK(grown == 0);
  } else {
    FUZZ_CHECK(grown % step == 0);
    const std::int64_t replacements = grown / step;
    FUZZ_CHECK(replacements >= 0 && replacements <= static_cast<std::int64_t>(text.size() / find.size()));
  }
  if (find_forward(text, find, 1, ignore_case) == -1) FUZZ_CHECK(replaced == text);
}

void check_substring(std::string_view text, std::int64_t from, std::int64_t count) {
  const Text part = substring(text, from, count);
  FUZZ_CHECK(part.size() <= text.size());
  if (count >= 0) FUZZ_CHECK(static_cast<std::uint64_t>(part.size()) <= static_cast<std::uint64_t>(count));
  if (!part.empty()) {
    FUZZ_CHECK(from <= static_cast<std::int64_t>(text.size()));
    FUZZ_CHECK(text.substr(static_cast<std::size_t>(std::max<std::int64_t>(from, 1) - 1), part.size()) == part);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool ignore_case = input.ConsumeBool();
  const auto start = input.ConsumeIntegral<std::int64_t>();
  const auto small_start = input.ConsumeIntegralInRange<std::int64_t>(-4, 40);
  const auto count = input.ConsumeIntegral<std::int64_t>();
  const std::string sub = input.ConsumeRandomLengthString(8);
  const std::string with = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();

  check_searches(text, sub, small_start, ignore_case);
  check_searches(text, sub, start, ignore_case);
  check_trim(text);
  check_split(text, sub);
  check_casing(text);
  check_replace(text, sub, with, ignore_case);
  check_substring(text, small_start, count);
  check_substring(text, start, count);
  return 0;
}
