#include "http/header_names.h"

#include <gtest/gtest.h>

namespace morvella {
namespace {

TEST(NormalizeHeaderNames, Cases) {
  const struct {
    const char* name;
    std::string block;
    std::string expected;
  } cases[] = {
      {"words capitalised", "content-type: text/plain", "Content-Type: text/plain"},
      {"three words", "if-none-match: abc", "If-None-Match: abc"},
      {"no space added after colon", "accept:*/*", "Accept:*/*"},
      {"nothing lowered", "ConTENT-tYPE: a", "ConTENT-TYPE: a"},
      {"trailing hyphen kept", "x-: 1", "X-: 1"},
      {"hyphens only", "--a: 1", "--A: 1"},
      {"double hyphen", "a--b: 1", "A--B: 1"},
      {"empty name", ": 1", ": 1"},
      {"value untouched from first colon", "referer: a:b-c", "Referer: a:b-c"},
      {"non-letter first byte", "1-x: y", "1-X: y"},
      {"double-byte name", "\xD6\xD0-a: v", "\xD6\xD0-A: v"},
      {"lines without colon dropped", "abc\r\nx: 1\r\ndef", "X: 1"},
      {"only lines without colon", "abc\r\ndef", ""},
      {"empty block", "", ""},
      {"empty lines disappear", "a: 1\r\n\r\n\r\nb: 2", "A: 1\r\nB: 2"},
      {"trailing line break", "a: 1\r\n", "A: 1"},
      {"lone CR stays in the line", "a: 1\rb: 2\r\nc: 3", "A: 1\rb: 2\r\nC: 3"},
      {"lone LF stays in the line", "a: 1\nb-c: 2", "A: 1\nb-c: 2"},
  };
  for (const auto& c : cases) EXPECT_EQ(normalize_header_names(c.block), c.expected) << c.name;
}

TEST(NormalizeHeaderNames, NoticeBlockUnchanged) {
  const std::string block =
      "Content-Type: application/json;charset=utf-8;\r\n"
      "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
      "Chrome/50.0.2661.87 Safari/537.36";
  ASSERT_EQ(block.size(), 167u);
  EXPECT_EQ(normalize_header_names(block), block);
}

TEST(CapitalizeFirst, FirstByteOnly) {
  EXPECT_EQ(capitalize_first("abc"), "Abc");
  EXPECT_EQ(capitalize_first("aBC"), "ABC");
  EXPECT_EQ(capitalize_first("Abc"), "Abc");
  EXPECT_EQ(capitalize_first("\xE1x"), "\xE1x");
  EXPECT_EQ(capitalize_first(""), "");
}

}  // namespace
}  // namespace morvella
