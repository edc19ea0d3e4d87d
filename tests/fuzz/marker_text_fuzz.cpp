// The name-value list's text helpers: text_after_marker gives a tail that the marker precedes,
// and replace_pairs keeps the bytes before `start`, makes no change when it may make none, and
// never more than `count` replacements per pair.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "notify/marker_text.h"
#include "text/text_rules.h"

using namespace morvella;

namespace {

void check_after(const std::string& text, const std::string& marker, int start, bool ignore_case) {
  const Text after = text_after_marker(text, marker, start, ignore_case);
  FUZZ_CHECK(text.ends_with(after));
  if (after.empty() || marker.size() + after.size() > text.size()) {
    FUZZ_CHECK(after.empty());
    return;
  }
  const auto preceding = std::string_view(text).substr(text.size() - after.size() - marker.size(), marker.size());
  FUZZ_CHECK(ignore_case ? ascii_lower(preceding) == ascii_lower(marker) : preceding == marker);
}

void check_replace(const std::string& text, std::optional<int> count, int start, bool case_sensitive,
                   const std::string& find, const std::string& with) {
  const Text replaced = replace_pairs(text, count, start, case_sensitive, {{find, with}});
  const std::size_t kept = static_cast<std::size_t>(std::max(start, 1) - 1);
  if (kept <= text.size()) FUZZ_CHECK(replaced.compare(0, kept, text, 0, kept) == 0);
  if (find.empty() || (count && *count == 0)) FUZZ_CHECK(replaced == text);
  FUZZ_CHECK(replace_pairs(text, count, start, true, {{find, find}}) == text);

  const auto grown = static_cast<std::int64_t>(replaced.size()) - static_cast<std::int64_t>(text.size());
  const auto step = static_cast<std::int64_t>(with.size()) - static_cast<std::int64_t>(find.size());
  if (step == 0) {
    FUZZ_CHECK(grown == 0);
  } else {
    FUZZ_CHECK(grown % step == 0 && grown / step >= 0);
    if (count && *count >= 0) FUZZ_CHECK(grown / step <= *count);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool flag = input.ConsumeBool();
  const int start = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange<int>(-8, 8);
  std::optional<int> count;
  if (input.ConsumeBool())
    count = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange<int>(-1, 4);
  const std::string find = input.ConsumeRandomLengthString(6);
  const std::string with = input.ConsumeRandomLengthString(6);
  const std::string text = input.ConsumeRemainingBytesAsString();
  check_after(text, find, start, flag);
  check_replace(text, count, start, flag, find, with);
  return 0;
}
