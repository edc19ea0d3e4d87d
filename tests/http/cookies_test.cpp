#include "http/cookies.h"

#include <gtest/gtest.h>

namespace morvella {
namespace {

TEST(MergeCookies, Cases) {
  const struct {
    const char* name;
    std::string submitted;
    std::string returned;
    std::string merged;
    std::string returned_after;
  } cases[] = {
      {"response replaces same name", "a=1; b=2", "b=3", "b=3; a=1", "b=3"},
      {"deleted blocks submitted", "a=1; c=3", "a=deleted", "c=3", "a=deleted"},
      {"submitted deleted dropped", "k=deleted; a=1", "", "a=1", ""},
      {"deleted is case-sensitive", "a=DELETED", "", "a=DELETED", ""},
      {"short item never deleted", "deleted", "", "deleted", ""},
      {"nothing submitted", "", "x=1; y=2", "x=1; y=2", "x=1; y=2"},
      {"both empty", "", "", "", ""},
      {"everything deleted", "a=deleted", "b=deleted", "", "b=deleted"},
      {"trailing semicolon", "a=1;", "", "a=1", ""},
      {"returned trailing semicolon", "", " x=1; ", "x=1", "x=1; "},
      {"no space after semicolon", "a=1;b=2", "a=9", "a=9", "a=9"},
      {"repeated returned item", "", "a=1; a=1", "a=1", "a=1; a=1"},
      {"same name twice in response", "a=0; z=1", "a=1; a=2", "a=1; a=2; z=1", "a=1; a=2"},
      {"first submitted of a name wins", "a=1; a=2", "", "a=1", ""},
      {"names differ by case", "A=1", "a=2", "a=2; A=1", "a=2"},
      {"item keeps its leading space", "a=1;  b=2", "b=3", "b=3; a=1", "b=3"},
      {"spaced item kept as written", "a=1;  c=2", "", "a=1;  c=2", ""},
      {"full-width spaces trimmed", "\xA1\xA1" "a=1\xA1\xA1", "", "a=1", ""},
  };
  for (const auto& c : cases) {
    std::string submitted = c.submitted, returned = c.returned;
    EXPECT_EQ(merge_cookies(submitted, returned), c.merged) << c.name;
    EXPECT_EQ(submitted, c.merged) << c.name;
    EXPECT_EQ(returned, c.returned_after) << c.name;
  }
}

TEST(CookieName, BeforeFirstEqualsTrimmed) {
  EXPECT_EQ(cookie_name("a=1"), "a");
  EXPECT_EQ(cookie_name(" a =1=2"), "a");
  EXPECT_EQ(cookie_name("flag"), "flag");
  EXPECT_EQ(cookie_name(" flag "), "flag");
  EXPECT_EQ(cookie_name("=1"), "");
  EXPECT_EQ(cookie_name(""), "");
}

TEST(HasCookieNamed, ComparesNames) {
  const TextList items = {"a=1", " b=2"};
  EXPECT_TRUE(has_cookie_named(items, "b"));
  EXPECT_FALSE(has_cookie_named(items, "B"));
  EXPECT_FALSE(has_cookie_named(items, "a=1"));
  EXPECT_FALSE(has_cookie_named({}, ""));
}

TEST(RemoveDuplicates, Cases) {
  EXPECT_EQ(remove_duplicates("x; y; x", "; ", true), "x; y");
  EXPECT_EQ(remove_duplicates("x; ; y; ", "; ", true), "x; ; y");
  EXPECT_EQ(remove_duplicates("aab", "", false), "ab");
  EXPECT_EQ(remove_duplicates("a\xD6\xD0" "a\xD6\xD0", ",", false), "a,\xD6\xD0");
  EXPECT_EQ(remove_duplicates("\r\n\r\n", "", false), "\r\n");
  EXPECT_EQ(remove_duplicates("", "; ", true), "");
  EXPECT_EQ(remove_duplicates("", "; ", false), "");
}

TEST(SplitCharacters, CharactersAndLineBreaks) {
  const struct {
    const char* name;
    std::string text;
    TextList items;
  } cases[] = {
      {"mixed", "a\xD6\xD0\r\nb", {"a", "\xD6\xD0", "\r\n", "b"}},
      {"lone lead byte last", "a\x81", {"a", "\x81"}},
      {"0x80 is a byte of its own", "\x80" "a", {"\x80", "a"}},
      {"lone CR", "\ra", {"\r", "a"}},
      {"LF CR", "\n\r", {"\n", "\r"}},
      {"empty", "", {}},
  };
  for (const auto& c : cases) {
    TextList out = {"old"};
    EXPECT_EQ(split_characters(c.text, out), static_cast<int>(c.items.size())) << c.name;
    EXPECT_EQ(out, c.items) << c.name;
  }
}

TEST(FindInList, FirstEqualFromOne) {
  const TextList items = {"a", "b", "a"};
  EXPECT_EQ(find_in_list(items, "a"), 1);
  EXPECT_EQ(find_in_list(items, "b"), 2);
  EXPECT_EQ(find_in_list(items, "A"), -1);
  EXPECT_EQ(find_in_list({}, ""), -1);
}

}  // namespace
}  // namespace morvella
