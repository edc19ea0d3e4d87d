#include "notify/name_value_list.h"

#include <gtest/gtest.h>

namespace morvella {
namespace {

TextList names_of(const NameValueList& list) {
  TextList names;
  list.copy_names(names);
  return names;
}

TextList values_of(const NameValueList& list) {
  TextList values;
  list.copy_values(values);
  return values;
}

TEST(NameValueList, HeaderBlockOfTheUnlockNotice) {
  const Text user_agent =
      "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/50.0.2661.87 "
      "Safari/537.36";
  NameValueList headers;
  headers.add("Content-Type", "application/json;charset=utf-8;");
  headers.add("User-Agent", user_agent);
  const Text block = headers.to_header_text();
  EXPECT_EQ(block, "Content-Type: application/json;charset=utf-8;\r\nUser-Agent: " + user_agent);
  EXPECT_EQ(block.size(), 167u);
}

TEST(NameValueList, Renderings) {
  NameValueList list;
  EXPECT_EQ(list.to_form_text(), "");
  EXPECT_EQ(list.to_header_text(), "");
  EXPECT_EQ(list.to_json_text(), "{}");

  list.add("a", "1");
  EXPECT_EQ(list.to_header_text(), "a: 1");
  EXPECT_EQ(list.to_form_text(), "a=1");
  list.add("b", "x\"y");
  EXPECT_EQ(list.to_json_text(), "{\"a\":\"1\",\"b\":\"x\\\"y\"}");
  EXPECT_EQ(list.to_json_text().size(), 20u);
  EXPECT_EQ(list.to_form_text(), "a=1&b=x\"y");

  NameValueList unescaped;
  unescaped.add("k", "a\\b\n");  // a backslash stays single, control characters stay raw
  EXPECT_EQ(unescaped.to_json_text(), "{\"k\":\"a\\b\n\"}");
}

TEST(NameValueList, EncodedRenderings) {
  NameValueList form;
  form.add("a b", "c&d");
  EXPECT_EQ(form.to_form_text(true), "a+b=c%26d");
  EXPECT_EQ(form.to_form_text(), "a b=c&d");

  NameValueList header;
  header.add("X-Name", "a b");
  header.add("Y Name", "\xD6\xD0");
  EXPECT_EQ(header.to_header_text(true), "X-Name: a+b\r\nY Name: %D6%D0");
}

TEST(NameValueList, LookupsTakeTheFirstExactName) {
  NameValueList list;
  list.add("k", "1");
  list.add("k", "2");
  EXPECT_EQ(list.get_value("k"), "1");
  EXPECT_EQ(list.get_value("K"), "");
  EXPECT_EQ(list.get_value(""), "");
  EXPECT_EQ(list.to_header_text(), "k: 1\r\nk: 2");

  list.set_value("k", "3");
  EXPECT_EQ(values_of(list), (TextList{"3", "2"}));
  list.remove("k");
  EXPECT_EQ(values_of(list), TextList{"2"});
  list.remove("missing");
  EXPECT_EQ(names_of(list), TextList{"k"});

  list.add("", "empty name");
  EXPECT_EQ(list.get_value(""), "empty name");
}

TEST(NameValueList, Utf8OnlyThroughAdd) {
  NameValueList list;
  list.add("\xD6\xD0", "\xD6\xD0", true);  // 中
  EXPECT_EQ(names_of(list), TextList{"\xE4\xB8\xAD"});
  EXPECT_EQ(values_of(list), TextList{"\xE4\xB8\xAD"});

  list.set_value("n", "\xD6\xD0");  // a missing name is appended as given
  EXPECT_EQ(names_of(list), (TextList{"\xE4\xB8\xAD", "n"}));
  EXPECT_EQ(list.get_value("n"), "\xD6\xD0");
}

struct QueryCase {
  const char* query;
  TextList names;
  TextList values;
};

TEST(NameValueList, AddFromQuery) {
  const QueryCase cases[] = {
      {"a=1&b=2", {"a", "b"}, {"1", "2"}},
      {"a=1&&b=2", {"a", "", "b"}, {"1", "", "2"}},
      {"a=1&", {"a"}, {"1"}},
      {"&", {""}, {""}},
      {"k=v=w", {"k"}, {"w"}},
      {"flag", {""}, {""}},
      {"a=%20+", {"a"}, {"%20+"}},
      {"", {}, {}},
  };
  for (const auto& c : cases) {
    NameValueList list;
    list.add_from_query(c.query);
    EXPECT_EQ(names_of(list), c.names) << c.query;
    EXPECT_EQ(values_of(list), c.values) << c.query;
  }

  NameValueList converted;
  converted.add_from_query("\xD6\xD0=\xD6\xD0", true);
  EXPECT_EQ(converted.to_form_text(), "\xE4\xB8\xAD=\xE4\xB8\xAD");
}

TEST(NameValueList, MegabyteQueryRoundTrip) {
  Text query;
  for (int i = 0; i < (1 << 18); ++i) query += "a=1&";
  NameValueList list;
  list.add_from_query(query);
  query.pop_back();
  EXPECT_EQ(list.to_form_text(), query);
}

TEST(NameValueList, StripAffixUpdatesItsArgument) {
  const NameValueList list;
  const std::pair<Text, Text> cases[][2] = {
      {{",a,", ","}, {"a", ""}},
      {{",", ","}, {"", ""}},
      {{",,a,,", ","}, {",a,", ""}},
      {{"a", "abc"}, {"a", ""}},
      {{"a,", ""}, {"a,", ""}},
      {{"abab", "ab"}, {"", ""}},
  };
  for (const auto& c : cases) {
    Text text = c[0].first;
    EXPECT_EQ(list.strip_affix(text, c[0].second), c[1].first) << c[0].first;
    EXPECT_EQ(text, c[1].first) << c[0].first;
  }
}

TEST(NameValueList, EscapeQuotesOnlyQuotes) {
  const NameValueList list;
  EXPECT_EQ(list.escape_quotes("\"a\\\"b\""), "\\\"a\\\\\"b\\\"");
}

TEST(NameValueList, CopiesAreIndependent) {
  NameValueList list;
  list.add("a", "1");
  TextList out = {"old", "items", "here"};
  list.copy_names(out);
  EXPECT_EQ(out, TextList{"a"});

  const auto copy = list.clone();
  copy->add("b", "2");
  copy->set_value("a", "changed");
  EXPECT_EQ(list.to_form_text(), "a=1");
  EXPECT_EQ(copy->to_form_text(), "a=changed&b=2");

  list.clear();
  list.clear();
  EXPECT_EQ(names_of(list), TextList{});
  EXPECT_EQ(values_of(list), TextList{});
  EXPECT_EQ(copy->get_value("b"), "2");
}

// The renderings and set_value reach the helpers through the list's own operations.
class TaggingList : public NameValueList {
 public:
  void add(std::string_view name, std::string_view value, bool to_utf8) override {
    NameValueList::add(name, Text(value) + "!", to_utf8);
  }
  Text escape_quotes(std::string_view text) const override { return "<" + Text(text) + ">"; }
};

TEST(NameValueList, OperationsAreOverridable) {
  TaggingList list;
  list.set_value("a", "1");
  list.add_from_query("b=2");
  EXPECT_EQ(list.to_json_text(), "{\"a\":\"<1!>\",\"b\":\"<2!>\"}");
}

}  // namespace
}  // namespace morvella
