#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace morvella::platform {
namespace {

constexpr unsigned kGbk = 936;
constexpr unsigned kUtf8 = 65001;

std::u16string to_wide(unsigned code_page, const std::string& input, int length) {
  char16_t out[16] = {};
  const int count = multi_byte_to_wide_char(code_page, input.data(), length, out, 16);
  return std::u16string(out, static_cast<std::size_t>(count));
}

TEST(MultiByteToWideChar, SizesAndCounts) {
  EXPECT_EQ(multi_byte_to_wide_char(kGbk, "a\xD6\xD0", -1, nullptr, 0), 3);  // terminator counted
  EXPECT_EQ(multi_byte_to_wide_char(kGbk, "a\xD6\xD0", 3, nullptr, 0), 2);
  EXPECT_EQ(multi_byte_to_wide_char(kGbk, "a", 0, nullptr, 0), 0);
  EXPECT_EQ(multi_byte_to_wide_char(12345, "a", -1, nullptr, 0), 0);
  char16_t small[1];
  EXPECT_EQ(multi_byte_to_wide_char(kGbk, "ab", -1, small, 1), 0);  // does not fit
}

TEST(MultiByteToWideChar, GbkEdges) {
  const struct {
    const char* name;
    std::string input;
    std::u16string expected;
  } cases[] = {
      {"character", "\xD6\xD0", u"\u4E2D"},
      {"lead byte last", "a\x81", u"a?"},
      {"lead byte before NUL", std::string("\x81\0A", 3), std::u16string(u"?\0A", 3)},
      {"lead byte before a low byte", "\x81\x30", u"?"},
      {"no character at the pair", "\x81\x7F", u"?"},
      {"euro sign", "\x80", u"\u20AC"},
      {"0xFF", "\xFF", u"\uF8F5"},
      {"user-defined areas", "\xAA\xA1\xF8\xA1\xA1\x40", u"\uE000\uE234\uE4C6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(to_wide(kGbk, c.input, static_cast<int>(c.input.size())), c.expected) << c.name;
  }
}

TEST(WideCharToMultiByte, SizesAndCounts) {
  EXPECT_EQ(wide_char_to_multi_byte(kGbk, u"a\u4E2D", -1, nullptr, 0), 4);
  EXPECT_EQ(wide_char_to_multi_byte(kUtf8, u"a\u4E2D", 2, nullptr, 0), 4);
  EXPECT_EQ(wide_char_to_multi_byte(12345, u"a", -1, nullptr, 0), 0);
  char out[8] = {};
  ASSERT_EQ(wide_char_to_multi_byte(kGbk, u"\u4E2D\uE000", 2, out, 8), 4);
  EXPECT_EQ(std::string(out, 4), "\xD6\xD0\xAA\xA1");
  EXPECT_EQ(wide_char_to_multi_byte(kGbk, u"\u4E2D", 1, out, 1), 0);  // does not fit
}

TEST(WideLength, CountsUpToTheFirstZero) {
  EXPECT_EQ(wide_length(u""), 0);
  EXPECT_EQ(wide_length(u"ab\0c"), 2);
}

}  // namespace
}  // namespace morvella::platform
