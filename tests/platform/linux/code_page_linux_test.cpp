#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace morvella::platform {
namespace {

std::u16string to_wide(unsigned code_page, const std::string& input) {
  char16_t out[16] = {};
  const int count = multi_byte_to_wide_char(code_page, input.data(), static_cast<int>(input.size()), out, 16);
  return std::u16string(out, static_cast<std::size_t>(count));
}

TEST(CodePageLinux, AnsiIsGbk) {
  EXPECT_EQ(to_wide(0, "\xD6\xD0\x80"), u"\u4E2D\u20AC");
  char out[4] = {};
  ASSERT_EQ(wide_char_to_multi_byte(0, u"\u4E2D", 1, out, 4), 2);
  EXPECT_EQ(std::string(out, 2), "\xD6\xD0");
}

// Ill-formed UTF-8 that Wine decodes unlike Windows, so the comparison under Wine leaves it out:
// each maximal ill-formed subsequence gives one U+FFFD and what follows is decoded again.
TEST(CodePageLinux, IllFormedUtf8) {
  const struct {
    const char* name;
    std::string input;
    std::u16string expected;
  } cases[] = {
      {"cut short at the end", "a\xE4\xB8", u"a\uFFFD"},
      {"cut short before ASCII", "\xF0\x9F\x98" "a", u"\uFFFD" "a"},
      {"byte after a four-byte lead", "\xF0\x01", u"\uFFFD\u0001"},
      {"overlong three-byte form", "\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"largest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(to_wide(65001, c.input), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace morvella::platform
