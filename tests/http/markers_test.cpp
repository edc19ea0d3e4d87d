#include "http/markers.h"

#include <gtest/gtest.h>

#include <climits>

#include "text/fixed_texts.h"

namespace morvella {
namespace {

const Text kQuote(fixed::kQuotePlaceholder);  // "#引号"

struct BetweenCase {
  const char* name;
  Text text, left, right;
  int start;
  bool ignore_case;
  Text expected;
};

TEST(TextBetween, Cases) {
  const BetweenCase cases[] = {
      {"plain", "a[b]c", "[", "]", 0, false, "b"},
      {"first left marker", "[a][b]", "[", "]", 0, false, "a"},
      {"from start", "[a][b]", "[", "]", 3, false, "b"},
      {"placeholder stands for a quote", "k=\"v\";", "k=" + kQuote, kQuote, 0, false, "v"},
      {"placeholder in text stays text", "a" + kQuote + "b", "a", kQuote, 0, false, ""},
      {"left missing", "abc", "[", "]", 0, false, ""},
      {"right missing", "[abc", "[", "]", 0, false, ""},
      {"right only before left", "]x[y", "[", "]", 0, false, ""},
      {"right directly after left", "[]", "[", "]", 0, false, ""},
      {"empty right marker", "[abc]", "[", "", 0, false, ""},
      {"left marker ends the text", "ab[", "[", "", 0, false, ""},
      {"case folded", "<B>x</B>", "<b>", "</b>", 0, true, "x"},
      {"case exact", "<B>x</B>", "<b>", "</b>", 0, false, ""},
      {"trail byte is no marker", "\xB0[a]", "[", "]", 0, false, ""},
      {"double-byte content", "[\xD6\xD0]", "[", "]", 0, false, "\xD6\xD0"},
      {"INT_MIN start", "[a]", "[", "]", INT_MIN, false, "a"},
      {"INT_MAX start", "[a]", "[", "]", INT_MAX, false, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text_between(c.text, c.left, c.right, c.start, c.ignore_case), c.expected) << c.name;
}

struct BeforeCase {
  const char* name;
  Text text, marker;
  int start;
  bool ignore_case;
  Text expected;
};

TEST(TextBeforeMarker, Cases) {
  const BeforeCase cases[] = {
      {"first occurrence", "a=b=c", "=", 0, false, "a"},
      {"forward from start", "a=b=c", "=", 3, false, "a=b"},
      {"-1 finds the last", "a=b=c", "=", -1, false, "a=b"},
      {"-2 skips the last two bytes", "a=b=c", "=", -2, false, "a"},
      {"-2 on a marker ending the text", "ab=c=", "=", -2, false, "ab"},
      {"excluding the whole text", "a=b", "=", -3, false, ""},
      {"marker first", "=a", "=", 0, false, ""},
      {"missing", "abc", "=", 0, false, ""},
      {"case folded", "xKEYy", "key", 0, true, "x"},
      {"case exact", "xKEYy", "key", 0, false, ""},
      {"trail byte is no marker", "\xB0=a=", "=", 0, false, "\xB0=a"},
      {"INT_MIN start", "a=b", "=", INT_MIN, false, ""},
      {"INT_MAX start", "a=b", "=", INT_MAX, false, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text_before_marker(c.text, c.marker, c.start, c.ignore_case), c.expected) << c.name;
}

TEST(ValueAfterColon, TrimsSpacesOnly) {
  const std::pair<Text, Text> cases[] = {
      {"Host:   a.com  ", "a.com"},
      {"no colon", ""},
      {"k:\tv", "\tv"},
      {"k: a:b", "a:b"},
      {"k:\xA1\xA1v\xA1\xA1", "v"},
      {"k:", ""},
      {"\xB0:k: v", "v"},  // the trail byte 3A is no colon
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(value_after_colon(text), expected) << text;
}

}  // namespace
}  // namespace morvella
