// Marker helpers: what text_between gives sits between its markers in the text, what
// text_before_marker gives is followed there by the marker, and value_after_colon is trimmed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "http/markers.h"
#include "text/fixed_texts.h"
#include "text/text_rules.h"

using namespace morvella;

namespace {

bool same_text(std::string_view a, std::string_view b, bool ignore_case) {
  return ignore_case ? ascii_lower(a) == ascii_lower(b) : a == b;
}

void check_between(const std::string& text, const std::string& left, const std::string& right, int start,
                   bool ignore_case) {
  const Text between = text_between(text, left, right, start, ignore_case);
  if (between.empty()) return;
  const Text real_left = replace_all(left, fixed::kQuotePlaceholder, "\"");
  const Text real_right = replace_all(right, fixed::kQuotePlaceholder, "\"");
  FUZZ_CHECK(!real_right.empty());
  // Somewhere the text reads left marker, result, right marker.
  bool found = false;
  const std::size_t whole = real_left.size() + between.size() + real_right.size();
  for (std::size_t at = 0; !found && at + whole <= text.size(); ++at) {
    found = same_text(std::string_view(text).substr(at, real_left.size()), real_left, ignore_case) &&
            text.compare(at + real_left.size(), between.size(), between) == 0 &&
            same_text(std::string_view(text).substr(at + real_left.size() + between.size(), real_right.size()),
                      real_right, ignore_case);
  }
  FUZZ_CHECK(found);
}

void check_before(const std::string& text, const std::string& marker, int start, bool ignore_case) {
  const Text before = text_before_marker(text, marker, start, ignore_case);
  FUZZ_CHECK(text.starts_with(before));
  if (!before.empty())
    FUZZ_CHECK(same_text(std::string_view(text).substr(before.size(), marker.size()), marker, ignore_case));
  // Searching backwards, the match lies within the first length - n bytes.
  if (start < -1 && !before.empty())
    FUZZ_CHECK(before.size() + marker.size() <= text.size() - static_cast<std::size_t>(-static_cast<std::int64_t>(start)));
}

void check_value_after_colon(const std::string& text) {
  const Text value = value_after_colon(text);
  FUZZ_CHECK(trim(value) == value);
  FUZZ_CHECK(text.find(value) != std::string::npos);
  if (text.find(':') == std::string::npos) FUZZ_CHECK(value.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool ignore_case = input.ConsumeBool();
  const int start = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange<int>(-8, 8);
  const std::string left = input.ConsumeRandomLengthString(8);
  const std::string right = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();
  check_between(text, left, right, start, ignore_case);
  check_before(text, left, start, ignore_case);
  check_value_after_colon(text);
  return 0;
}
