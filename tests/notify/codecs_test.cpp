#include "notify/codecs.h"

#include <gtest/gtest.h>

#include <string>

#include "text/fixed_texts.h"

namespace morvella {
namespace {

namespace fx = fixed;

// 中 is D6 D0 in GBK, U+4E2D, E4 B8 AD in UTF-8; 时 is CA B1, U+65F6.
const Text kZhong = "\xD6\xD0";
const Text kShi = "\xCA\xB1";

Bytes utf16(std::u16string_view units) {
  Bytes buffer;
  for (const char16_t unit : units) {
    buffer.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    buffer.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return buffer;
}

// With the terminating zero unit that the conversions append.
Bytes utf16z(std::u16string_view units) {
  Bytes buffer = utf16(units);
  buffer.insert(buffer.end(), {0, 0});
  return buffer;
}

struct EscapeCase {
  const char* name;
  Text text;
  Text prefix;
  bool brackets;
  bool delimiters;
  Text expected;
};

TEST(EscapeUnicode, Cases) {
  const EscapeCase cases[] = {
      {"empty", "", "\\u", false, false, ""},
      {"empty with switches", "", "\\u", true, true, ""},
      {"ascii escaped too", "abc", "\\u", false, false, "\\u0061\\u0062\\u0063"},
      {"full-width colon", "\xA3\xBA", "\\u", false, false, "\\uFF1A"},
      {"line feed", "\n", "\\u", false, false, "\\u000A"},
      {"one escape per character", kShi, "\\u", false, false, "\\u65F6"},
      {"uppercase digits", kZhong + " ", "\\u", false, false, "\\u4E2D\\u0020"},
      {"brackets kept", "{a}", "\\u", false, false, "\\u007B\\u0061\\u007D"},
      {"brackets restored", "{a}[b]", "\\u", true, false, "{\\u0061}[\\u0062]"},
      {"delimiters alone", "a:b", "\\u", false, true, "\\u0061:\\u0062"},
      {"delimiters leave brackets", "{,}", "\\u", false, true, "\\u007B,\\u007D"},
      {"both", "{\"a\":[1,2]}", "\\u", true, true, "{\"\\u0061\":[\\u0031,\\u0032]}"},
      {"other prefix", "a", "%u", false, false, "%u0061"},
      {"double-byte prefix", "{a}", "\xA3\xDC", true, false, "{\xA3\xDC" "0061}"},
      {"quote and backslash", "\"\\", "\\u", false, false, "\\u0022\\u005C"},
      {"ends at the first NUL", std::string("a\0b", 3), "\\u", false, false, "\\u0061"},
      {"0x80 is the euro sign", "\x80", "\\u", false, false, "\\u20AC"},
      {"0xFF", "\xFF", "\\u", false, false, "\\uF8F5"},
      {"user-defined area", "\xAA\xA1", "\\u", false, false, "\\uE000"},
      {"lone lead byte at the end", "a\x81", "\\u", false, false, "\\u0061\\u003F"},
      {"lead byte before a low byte", "\x81\x30" "a", "\\u", false, false, "\\u003F\\u0061"},
  };
  for (const EscapeCase& c : cases) {
    EXPECT_EQ(escape_unicode(c.text, c.prefix, c.brackets, c.delimiters), c.expected) << c.name;
  }
}

TEST(EscapeUnicode, UnlockNoticeContent) {
  const Text content = Text(fx::kTimeLabel) + "2022" + Text(fx::kYear) + "7" + Text(fx::kMonth) + "2" +
                       Text(fx::kDay) + "9" + Text(fx::kHour) + "5" + Text(fx::kMinute) + "7" +
                       Text(fx::kSecond) + Text(fx::kContentOpening) + "abc" + Text(fx::kFullStop);
  const Text expected =
      "\\u65F6\\u95F4\\uFF1A\\u0032\\u0030\\u0032\\u0032\\u5E74\\u0037\\u6708\\u0032\\u65E5\\u0039"
      "\\u65F6\\u0035\\u5206\\u0037\\u79D2\\u3002\\u5185\\u5BB9\\uFF1A\\u0061\\u0062\\u0063\\u3002";
  EXPECT_EQ(expected.size(), 156u);
  EXPECT_EQ(escape_unicode(content, "\\u"), expected);
  EXPECT_EQ(escape_unicode(fx::kKeywordContentLabel, "\\u"), "\\u5173\\u952E\\u5B57\\uFF1A");
}

struct UrlCase {
  const char* name;
  Text text;
  bool keep_unreserved;
  bool as_utf8;
  Text expected;
};

TEST(UrlEncode, Cases) {
  const UrlCase cases[] = {
      {"empty", "", true, false, ""},
      {"space", "a b", true, false, "a+b"},
      {"tilde and bang", "a~b!", true, false, "a%7Eb%21"},
      {"unreserved pass", "'()*-._AZaz09", true, false, "'()*-._AZaz09"},
      {"set edges", "&+,/:@[`{", true, false, "%26%2B%2C%2F%3A%40%5B%60%7B"},
      {"gbk bytes", kZhong, true, false, "%D6%D0"},
      {"utf-8 bytes", kZhong, true, true, "%E4%B8%AD"},
      {"nothing kept", "ab", false, false, "%61%62"},
      {"space without keep", "a b", false, false, "%61+%62"},
      {"utf-8 without keep", kZhong + "a", false, true, "%E4%B8%AD%61"},
      {"ends at the first NUL", std::string("a\0b", 3), true, false, "a"},
  };
  for (const UrlCase& c : cases) {
    EXPECT_EQ(url_encode(c.text, c.keep_unreserved, c.as_utf8), c.expected) << c.name;
  }
}

TEST(PercentEncodeBytes, SkipsZeroBytes) {
  EXPECT_EQ(percent_encode_bytes({0x61, 0x00, 0x62}, true), "ab");
  EXPECT_EQ(percent_encode_bytes({0x61, 0x00, 0x62}, false), "%61%62");
  EXPECT_EQ(percent_encode_bytes({0x00, 0x00}, true), "");
  EXPECT_EQ(percent_encode_bytes({}, false), "");
  EXPECT_EQ(percent_encode_bytes({0x20, 0xFF, 0x80}, true), "+%FF%80");
}

TEST(PercentEncodeBytes, WorstCaseFillsTheWholeBuffer) {
  const Bytes data(1 << 20, 0xFF);
  const Text encoded = percent_encode_bytes(data, true);
  ASSERT_EQ(encoded.size(), 3 * data.size());
  EXPECT_EQ(encoded.substr(encoded.size() - 6), "%FF%FF");
}

TEST(TextToUtf16, EndsWithOneZeroUnit) {
  EXPECT_EQ(text_to_utf16(""), Bytes{});
  EXPECT_EQ(text_to_utf16("abc"), (Bytes{0x61, 0x00, 0x62, 0x00, 0x63, 0x00, 0x00, 0x00}));
  EXPECT_EQ(text_to_utf16(kZhong), utf16z(u"\u4E2D"));
  EXPECT_EQ(text_to_utf16(std::string("a\0b", 3)), utf16z(u"a"));
}

TEST(MultibyteToUtf16, StopsAtTheFirstZeroByte) {
  EXPECT_EQ(multibyte_to_utf16({}, kCodePageGbk), Bytes{});
  EXPECT_EQ(multibyte_to_utf16({0x00, 0x61}, kCodePageGbk), Bytes{});
  EXPECT_EQ(multibyte_to_utf16({0x61, 0x00, 0x62}, kCodePageGbk), utf16z(u"a"));
  // A lead byte whose trail is the zero byte is a lone lead byte.
  EXPECT_EQ(multibyte_to_utf16({0xD6, 0x00, 0xD0}, kCodePageGbk), utf16z(u"?"));
  EXPECT_EQ(multibyte_to_utf16({0xE4, 0xB8, 0xAD}, kCodePageUtf8), utf16z(u"\u4E2D"));
}

TEST(MultibyteToUtf16, UnknownCodePageGivesEmpty) {
  EXPECT_EQ(multibyte_to_utf16({0x61}, 12345), Bytes{});
}

TEST(Utf16ToMultibyte, Cases) {
  EXPECT_EQ(utf16_to_multibyte({}, kCodePageUtf8), Bytes{});
  EXPECT_EQ(utf16_to_multibyte(utf16z(u""), kCodePageUtf8), Bytes{});
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\0a"), kCodePageUtf8), Bytes{});
  EXPECT_EQ(utf16_to_multibyte(utf16(u"a\0b"), kCodePageUtf8), bytes_of("a"));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\u4E2D"), kCodePageGbk), bytes_of(kZhong));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\u4E2D"), kCodePageUtf8), bytes_of("\xE4\xB8\xAD"));
  // Odd length: the last byte is no whole code unit.
  EXPECT_EQ(utf16_to_multibyte({0x61, 0x00, 0x62}, kCodePageUtf8), bytes_of("a"));
  // Without a terminator in the buffer.
  EXPECT_EQ(utf16_to_multibyte(utf16(u"ab"), kCodePageGbk), bytes_of("ab"));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"a"), 12345), Bytes{});
}

TEST(Utf16ToMultibyte, Substitutes) {
  // What GBK cannot hold: the default character, or a look-alike where Windows has a best fit.
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\u0E01"), kCodePageGbk), bytes_of("?"));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\u00E9"), kCodePageGbk), bytes_of("\xA8\xA6"));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\u00C0"), kCodePageGbk), bytes_of("\xA8\xA4"));
  // Unpaired surrogates become U+FFFD in UTF-8; a proper pair one four-byte character.
  EXPECT_EQ(utf16_to_multibyte(utf16(u"a\xD83D" "b"), kCodePageUtf8), bytes_of("a\xEF\xBF\xBD" "b"));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\xDE00\xD83D"), kCodePageUtf8), bytes_of("\xEF\xBF\xBD\xEF\xBF\xBD"));
  EXPECT_EQ(utf16_to_multibyte(utf16(u"\U0001F600"), kCodePageUtf8), bytes_of("\xF0\x9F\x98\x80"));
}

TEST(Utf16ToText, DefaultsToTheAnsiCodePage) {
  EXPECT_EQ(utf16_to_text(text_to_utf16("abc")), "abc");
  EXPECT_EQ(utf16_to_text({}), "");
}

TEST(TextToUtf8, Cases) {
  EXPECT_EQ(text_to_utf8(""), Bytes{});
  EXPECT_EQ(text_to_utf8(kZhong + "a"), bytes_of("\xE4\xB8\xAD" "a"));
  EXPECT_EQ(text_to_utf8("\x80"), bytes_of("\xE2\x82\xAC"));
  EXPECT_EQ(text_to_utf8("a\xD6"), bytes_of("a?"));
  EXPECT_EQ(text_to_utf8_text(kShi + kZhong), "\xE6\x97\xB6\xE4\xB8\xAD");
  EXPECT_EQ(text_to_utf8_text(""), "");
}

TEST(Codecs, GbkRoundTripsThroughUtf16) {
  // Every double-byte character and the single bytes that are characters come back unchanged.
  Text all;
  for (unsigned b = 1; b < 0x100; ++b)
    if (b < 0x81 || b == 0xFF) all += static_cast<char>(b);
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
      if (trail != 0x7F) all += {static_cast<char>(lead), static_cast<char>(trail)};
  EXPECT_EQ(utf16_to_multibyte(text_to_utf16(all), kCodePageGbk), bytes_of(all));
}

TEST(Codecs, AnyBytesGiveADefinedResult) {
  // Every byte value, lone lead bytes and a lead byte at the very end, a megabyte long.
  Text noise;
  while (noise.size() < (1u << 20))
    for (unsigned b = 1; b < 0x100; ++b) noise += static_cast<char>(b);
  noise += '\x81';
  const Bytes wide = text_to_utf16(noise);
  ASSERT_FALSE(wide.empty());
  EXPECT_EQ(wide.size() % 2, 0u);
  EXPECT_EQ(wide[wide.size() - 2], 0);
  EXPECT_EQ(wide[wide.size() - 1], 0);
  EXPECT_EQ(wide[wide.size() - 4], '?');

  const Bytes utf8 = text_to_utf8(noise);
  EXPECT_EQ(utf8.back(), '?');
  EXPECT_EQ(url_encode(noise, true, true), percent_encode_bytes(utf8, true));
  const Text escaped = escape_unicode(noise, "\\u", true, true);
  EXPECT_EQ(escaped.substr(escaped.size() - 6), "\\u003F");
}

}  // namespace
}  // namespace morvella
