// Cookie merging: the result is what `submitted` holds afterwards, no item ends in "=deleted",
// no item repeats, every item came from one of the two texts, and every live returned item
// survives. The character helpers give back the text they took apart.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "http/cookies.h"
#include "text/text_rules.h"

using namespace morvella;

namespace {

// The form merge_cookies leaves `returned` in: trimmed, a trailing ";" completed by a space.
Text completed_form(const std::string& text) {
  Text out = trim(text);
  if (out.ends_with(';')) out += ' ';
  return out;
}

void check_merge(const std::string& submitted_in, const std::string& returned_in) {
  Text submitted = submitted_in, returned = returned_in;
  const Text merged = merge_cookies(submitted, returned);
  FUZZ_CHECK(submitted == merged);
  FUZZ_CHECK(returned == completed_form(returned_in));

  const TextList items = split(merged, "; ");
  const TextList from_returned = split(returned, "; ");
  const TextList from_submitted = split(completed_form(submitted_in), "; ");
  // An item ending in a lone lead byte swallows the ";" after it, so two joined items read back
  // as one; GBK text has no such item, and only such a text skips the check.
  bool items_read_back = true;
  for (std::size_t i = 0; i + 1 < merged.size(); ++i)
    if (static_cast<unsigned char>(merged[i]) >= 0x80 && merged[i + 1] == ';') items_read_back = false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    FUZZ_CHECK(!items[i].ends_with("=deleted"));
    FUZZ_CHECK(find_in_list(items, items[i]) == static_cast<int>(i) + 1);
    if (items_read_back)
      FUZZ_CHECK(find_in_list(from_returned, items[i]) != -1 || find_in_list(from_submitted, items[i]) != -1);
  }
  // An empty last item leaves only a trailing separator, which the split drops.
  if (!items_read_back) return;
  for (const Text& item : from_returned)
    if (!item.empty() && !item.ends_with("=deleted")) FUZZ_CHECK(find_in_list(items, item) != -1);
}

void check_characters(const std::string& text, const std::string& separator) {
  TextList characters = {"stale"};
  const int count = split_characters(text, characters);
  FUZZ_CHECK(count == static_cast<int>(characters.size()));
  Text joined;
  for (const Text& c : characters) {
    FUZZ_CHECK(c.size() == 1 || c.size() == 2);
    joined += c;
  }
  FUZZ_CHECK(joined == text);

  // Every character is kept once: none is lost, and the text only shrinks.
  const Text unique = remove_duplicates(text, "", false);
  FUZZ_CHECK(unique.size() <= text.size());
  for (const Text& c : characters) FUZZ_CHECK(unique.find(c) != Text::npos);
  const Text unique_items = remove_duplicates(text, separator, true);
  FUZZ_CHECK(unique_items.size() <= text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string separator = input.ConsumeRandomLengthString(3);
  const std::string returned = input.ConsumeRandomLengthString(256);
  const std::string submitted = input.ConsumeRemainingBytesAsString();
  check_merge(submitted, returned);
  check_characters(submitted, separator);
  return 0;
}
