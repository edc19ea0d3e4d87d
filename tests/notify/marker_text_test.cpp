#include "notify/marker_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace morvella {
namespace {

struct AfterCase {
  const char* name;
  Text text, marker;
  int start;
  bool ignore_case;
  Text expected;
};

TEST(TextAfterMarker, Cases) {
  const AfterCase cases[] = {
      {"last occurrence", "a=b=c", "=", 0, false, "c"},
      {"-1 finds the first", "a=b=c", "=", -1, false, "b=c"},
      {"forward from byte 3", "a=b=c", "=", -3, false, "c"},
      {"last within the first 3 bytes", "a=b=c", "=", 2, false, "b=c"},
      {"last within the first 4 bytes", "a=b=c", "=", 1, false, "c"},
      {"nothing left to search", "a=b", "=", 3, false, ""},
      {"marker ends the text", "ab=", "=", 0, false, ""},
      {"missing", "abc", "=", 0, false, ""},
      {"longer marker", "x\xD6\xD0y\xD6\xD0z", "\xD6\xD0", 0, false, "z"},
      {"trail byte is no marker", "a=\xB0=", "=", 0, false, "\xB0="},
      {"case folded", "aKEYb", "key", 0, true, "b"},
      {"case exact", "aKEYb", "key", 0, false, ""},
      {"INT_MIN start", "a=b", "=", INT_MIN, false, ""},
      {"INT_MAX start", "a=b", "=", INT_MAX, false, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text_after_marker(c.text, c.marker, c.start, c.ignore_case), c.expected) << c.name;
}

struct ReplaceCase {
  const char* name;
  Text text;
  std::optional<int> count;
  int start;
  bool case_sensitive;
  std::vector<FindWith> pairs;
  Text expected;
};

TEST(ReplacePairs, Cases) {
  const ReplaceCase cases[] = {
      {"quote escaped", "x\"y\"", {}, 1, false, {{"\"", "\\\""}}, "x\\\"y\\\""},
      {"case folded", "aXaxa", {}, 1, false, {{"x", "-"}}, "a-a-a"},
      {"case sensitive", "aXaxa", {}, 1, true, {{"x", "-"}}, "aXa-a"},
      {"count", "axaxa", 1, 1, false, {{"x", "-"}}, "a-axa"},
      {"count per pair", "aabb", 1, 1, false, {{"a", "x"}, {"b", "y"}}, "xayb"},
      {"count 0", "axa", 0, 1, false, {{"x", "-"}}, "axa"},
      {"negative count", "axa", -1, 1, false, {{"x", "-"}}, "axa"},
      {"from start", "xaxax", {}, 3, false, {{"x", "-"}}, "xa-a-"},
      {"start 0 is 1", "xax", {}, 0, false, {{"x", "-"}}, "-a-"},
      {"INT_MIN start is 1", "xax", {}, INT_MIN, false, {{"x", "-"}}, "-a-"},
      {"start at the last byte", "xax", {}, 3, false, {{"x", "-"}}, "xa-"},
      {"start beyond the end", "xax", {}, 4, false, {{"x", "-"}}, "xax"},
      {"INT_MAX start", "xax", {}, INT_MAX, false, {{"x", "-"}}, "xax"},
      {"pairs in turn", "ab", {}, 1, false, {{"a", "b"}, {"b", "c"}}, "cc"},
      {"five pairs", "12345", {}, 1, false, {{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}, {"5", "e"}}, "abcde"},
      {"empty find skipped", "ab", {}, 1, false, {{"", "z"}, {"a", "y"}}, "yb"},
      {"empty with deletes", "abab", {}, 1, false, {{"a", ""}}, "bb"},
      {"no overlap", "aaa", {}, 1, false, {{"aa", "b"}}, "ba"},
      {"replacement not rescanned", "a", {}, 1, false, {{"a", "aa"}}, "aa"},
      // 癆 is B0 41: its second byte is no "A".
      {"trail byte is no letter", "\xB0\x41" "A", {}, 1, false, {{"a", "-"}}, "\xB0\x41-"},
      {"empty text", "", {}, 1, false, {{"a", "b"}}, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(replace_pairs(c.text, c.count, c.start, c.case_sensitive, c.pairs), c.expected) << c.name;
}

TEST(ReplacePairs, MegabyteOfQuotes) {
  const Text quotes(1 << 20, '"');
  const Text escaped = replace_pairs(quotes, std::nullopt, 1, false, {{"\"", "\\\""}});
  ASSERT_EQ(escaped.size(), 2u << 20);
  EXPECT_EQ(escaped.substr(0, 4), "\\\"\\\"");
}

}  // namespace
}  // namespace morvella
