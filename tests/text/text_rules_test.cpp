#include "text/text_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvella {
namespace {

// 中 is D6 D0; 侄 is D6 B6. "\xD6\xD0a" holds a trail byte that must never start a match.
struct SearchCase {
  const char* name;
  std::string text;
  std::string sub;
  std::int64_t start;
  bool ignore_case;
  std::int64_t forward;
};

TEST(FindForward, Cases) {
  const std::int64_t huge = std::numeric_limits<std::int64_t>::max();
  const SearchCase cases[] = {
      {"plain", "abcabc", "bc", 1, false, 2},
      {"from start", "abcabc", "bc", 3, false, 5},
      {"start below one", "abcabc", "a", -7, false, 1},
      {"start beyond end", "abc", "a", 4, false, -1},
      {"huge start", "abc", "a", huge, false, -1},
      {"missing", "abc", "d", 1, false, -1},
      {"case folded", "xABc", "ab", 1, true, 2},
      {"case exact", "xABc", "ab", 1, false, -1},
      {"no fold beyond ascii", "\xC1", "\xE1", 1, true, -1},
      {"no fold of a second byte", "\x81\x41", "\x81\x61", 1, true, -1},  // 丄 is not 乤
      {"trail byte skipped", "\xB0\xA1\xA1", "\xA1\xA1", 1, false, -1},
      {"boundary match", "a\xB0\xA1\xA1\xA1", "\xA1\xA1", 1, false, 4},
      {"lone lead at end", "ab\xB0", "\xB0", 1, false, 3},
      {"empty sub", "abc", "", 2, false, 1},
      {"empty sub empty text", "", "", 1, false, -1},
      {"sub longer", "ab", "abc", 1, false, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(find_forward(c.text, c.sub, c.start, c.ignore_case), c.forward) << c.name;
}

TEST(FindBackward, Cases) {
  EXPECT_EQ(find_backward("abcabc", "bc"), 5);
  EXPECT_EQ(find_backward("abcabc", "bc", 7), 5);   // first 6 bytes: whole text
  EXPECT_EQ(find_backward("abcabc", "bc", 6), 2);   // the last match would end at byte 6
  EXPECT_EQ(find_backward("abcabc", "bc", 1), -1);
  EXPECT_EQ(find_backward("abcabc", "bc", -5), -1);
  EXPECT_EQ(find_backward("abcabc", "bc", std::numeric_limits<std::int64_t>::max()), 5);
  EXPECT_EQ(find_backward("aBC", "bc", std::nullopt, true), 2);
  EXPECT_EQ(find_backward("\xB0\xA1\xA1x", "\xA1\xA1"), -1);
  EXPECT_EQ(find_backward("", "a"), -1);
  EXPECT_EQ(find_backward("abc", ""), 1);
}

TEST(Trim, OnlySpacesAndFullWidthSpaces) {
  const std::pair<std::string, std::string> cases[] = {
      {"  a b  ", "a b"},
      {"\xA1\xA1 a\xA1\xA1 ", "a"},
      {"\ta\r\n", "\ta\r\n"},
      {"   ", ""},
      {"", ""},
      {"\xA1", "\xA1"},
      {"\xA1\xA1\xA1", "\xA1"},
  };
  for (const auto& [input, expected] : cases) EXPECT_EQ(trim(input), expected) << input;
}

TEST(Split, ElementPerSeparator) {
  EXPECT_EQ(split("a; b; c", "; "), (TextList{"a", "b", "c"}));
  EXPECT_EQ(split("a; b; ", "; "), (TextList{"a", "b"}));
  EXPECT_EQ(split("; a;; ", "; "), (TextList{"", "a;"}));
  EXPECT_EQ(split("a&&b", "&"), (TextList{"a", "", "b"}));
  EXPECT_EQ(split("", "&"), TextList{});
  EXPECT_EQ(split("abc", ""), TextList{"abc"});
  // The separator's bytes as the trail byte of a character do not split.
  EXPECT_EQ(split("\xB0\x7C" "a|b", "|"), (TextList{"\xB0\x7C" "a", "b"}));
}

TEST(Casing, AsciiLettersOnly) {
  EXPECT_EQ(ascii_upper("ab\xB0\xE1z1"), "AB\xB0\xE1Z1");
  EXPECT_EQ(ascii_lower("AB\xC1\xD6Z1"), "ab\xC1\xD6z1");
  // The second byte of 丄 (81 41) and of 乤 (81 61) has a letter's value but is no letter.
  EXPECT_EQ(ascii_lower("\x81\x41" "A"), "\x81\x41" "a");
  EXPECT_EQ(ascii_upper("\x81\x61" "a"), "\x81\x61" "A");
}

TEST(ReplaceAll, LeftToRightWithoutOverlap) {
  EXPECT_EQ(replace_all("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(replace_all("aXa", "x", "-", true), "a-a");
  EXPECT_EQ(replace_all("aXa", "x", "-"), "aXa");
  EXPECT_EQ(replace_all("abc", "", "-"), "abc");
  EXPECT_EQ(replace_all("\xB0\xA1\xA1", "\xA1", "!"), "\xB0\xA1!");
}

TEST(Substring, ClipsToTheText) {
  EXPECT_EQ(substring("abcdef", 2, 3), "bcd");
  EXPECT_EQ(substring("abcdef", 5, 100), "ef");
  EXPECT_EQ(substring("abcdef", 0, 2), "a");
  EXPECT_EQ(substring("abcdef", 7, 1), "");
  EXPECT_EQ(substring("abcdef", -5, 3), "");
  EXPECT_EQ(substring("abc", 1, std::numeric_limits<std::int64_t>::max()), "abc");
  EXPECT_EQ(substring("abc", std::numeric_limits<std::int64_t>::min(), 3), "");
  EXPECT_EQ(substring("abc", -1, std::numeric_limits<std::int64_t>::min()), "");
  EXPECT_EQ(substring("abc", -1, std::numeric_limits<std::int64_t>::max()), "abc");
}

TEST(TextFromBytes, EndsAtFirstNul) {
  const Bytes bytes = {'a', 'b', 0, 'c'};
  EXPECT_EQ(text_from_bytes(bytes), "ab");
  EXPECT_EQ(text_from_bytes(Bytes{}), "");
}

}  // namespace
}  // namespace morvella
