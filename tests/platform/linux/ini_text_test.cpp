#include "platform/linux/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace morvella::platform {
namespace {

TEST(IniValue, Cases) {
  const std::string long_tail = std::string(10238, 'y') + "\xD6\xD0";  // 中 would end at byte 10,240
  const struct {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::string value;
  } cases[] = {
      {"plain", "[Morvella]\r\nK=v\r\n", "Morvella", "K", "v"},
      {"ascii case", "[MORVELLA]\nk = v \n", "morvella", "K", "v"},
      {"blanks and one pair of quotes", "[S]\r\nK= \t\"' a '\" \r\n", "S", "K", "' a '"},
      {"lone quote stays", "[S]\r\nK=\"\r\n", "S", "K", "\""},
      {"cut to whole characters", "[S]\r\nK=" + long_tail + "\r\n", "S", "K", std::string(10238, 'y')},
      {"cut at 10,239 bytes", "[S]\r\nK=" + std::string(10300, 'z'), "S", "K", std::string(10239, 'z')},
      {"first of duplicates", "[S]\r\nK=1\r\n[s]\r\nK=2\r\nK=3\r\n", "S", "K", "1"},
      {"line without = reads empty", "[S]\r\nK\r\n", "S", "K", ""},
      {"] as a trail byte closes no section", "[\x81]\r\nK=v\r\n", "\x81", "K", ""},
      {"missing section", "[T]\r\nK=v\r\n", "S", "K", ""},
      {"missing file", "", "S", "K", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ini_value(c.content, c.section, c.key, 10240), c.value) << c.name;
}

TEST(IniWithValue, RewritesTheFileOnlyWhenTheValueChanges) {
  EXPECT_EQ(ini_with_value("", "Morvella", "K", ""), "[Morvella]\r\nK=\r\n");
  EXPECT_EQ(ini_with_value("; c\n[S]\n  K = 1\n\n[T]\nx\n", "s", "N", "  2 "),
            "; c\r\n[S]\r\nK=1\r\nN=2 \r\n[T]\r\nx\r\n");
  EXPECT_EQ(ini_with_value("[S]\nK=1\n", "S", "K", " 1"), std::nullopt);
  EXPECT_EQ(ini_with_value("[S]\nK\n=a\n=b\n", "S", "K", ""), "[S]\r\nK=\r\n=a\r\n");
}

}  // namespace
}  // namespace morvella::platform
