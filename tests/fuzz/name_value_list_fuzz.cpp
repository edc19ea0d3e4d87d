// The name-value list filled from any query: names and values stay paired, one pair per item,
// the form text reads back to the same pairs, the JSON is one braced object, and lookups,
// changes, removal and copies behave on whatever was stored.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "notify/name_value_list.h"
#include "text/text_rules.h"

using namespace morvella;

namespace {

struct Pairs {
  TextList names;
  TextList values;
  bool operator==(const Pairs&) const = default;
};

Pairs pairs_of(const NameValueList& list) {
  Pairs pairs;
  list.copy_names(pairs.names);
  list.copy_values(pairs.values);
  FUZZ_CHECK(pairs.names.size() == pairs.values.size());
  return pairs;
}

// Every double quote at a character boundary has a backslash before it.
void check_quotes_escaped(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += character_width(text, i))
    if (text[i] == '"') FUZZ_CHECK(i > 0 && text[i - 1] == '\\');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool to_utf8 = input.ConsumeBool();
  const std::string new_value = input.ConsumeRandomLengthString(8);
  const std::string query = input.ConsumeRemainingBytesAsString();

  NameValueList list;
  list.add_from_query(query, to_utf8);
  const Pairs pairs = pairs_of(list);
  FUZZ_CHECK(pairs.names.size() == split(query, "&").size());

  if (!to_utf8) {
    NameValueList reread;
    reread.add_from_query(list.to_form_text());
    FUZZ_CHECK(pairs_of(reread) == pairs);
  }
  (void)list.to_form_text(true);
  (void)list.to_header_text(true);

  const Text json = list.to_json_text();
  FUZZ_CHECK(json.starts_with('{') && json.ends_with('}'));
  FUZZ_CHECK(pairs.names.empty() == (json == "{}"));
  for (const Text& value : pairs.values) check_quotes_escaped(list.escape_quotes(value));

  const auto copy = list.clone();
  if (!pairs.names.empty()) {
    const Text& name = pairs.names.back();
    list.set_value(name, new_value);
    FUZZ_CHECK(list.get_value(name) == new_value);
    list.remove(name);
    FUZZ_CHECK(pairs_of(list).names.size() == pairs.names.size() - 1);
  }
  FUZZ_CHECK(pairs_of(*copy) == pairs);
  list.clear();
  FUZZ_CHECK(pairs_of(list).names.empty());
  return 0;
}
