// The text codecs on arbitrary bytes: every result is well formed (escapes of the right length,
// UTF-16 buffers ending in their one zero unit, no zero bytes out of utf16_to_multibyte), GBK
// survives a second pass through UTF-16 unchanged, and URL encoding decodes back to its input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "notify/codecs.h"

using namespace morvella;

namespace {

bool is_escape_digit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

void check_utf16_buffer(const Bytes& wide) {
  if (wide.empty()) return;
  FUZZ_CHECK(wide.size() % 2 == 0 && wide.size() >= 4);
  for (std::size_t i = 0; i + 2 < wide.size(); i += 2) FUZZ_CHECK(wide[i] != 0 || wide[i + 1] != 0);
  FUZZ_CHECK(wide[wide.size() - 2] == 0 && wide[wide.size() - 1] == 0);
}

void check_no_zero_byte(const Bytes& bytes) {
  for (const std::uint8_t b : bytes) FUZZ_CHECK(b != 0);
}

int hex_value(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

Bytes percent_decode(const Text& encoded) {
  Bytes out;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    if (c == '+') {
      out.push_back(' ');
    } else if (c == '%') {
      FUZZ_CHECK(i + 2 < encoded.size() && is_escape_digit(encoded[i + 1]) && is_escape_digit(encoded[i + 2]));
      out.push_back(static_cast<std::uint8_t>(hex_value(encoded[i + 1]) << 4 | hex_value(encoded[i + 2])));
      i += 2;
    } else {
      out.push_back(static_cast<std::uint8_t>(c));
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const bool brackets = provider.ConsumeBool();
  const bool delimiters = provider.ConsumeBool();
  const std::string prefix = provider.ConsumeRandomLengthString(6);
  const Bytes raw = provider.ConsumeRemainingBytes<std::uint8_t>();
  const Text text(raw.begin(), raw.end());
  const Text until_nul = text_from_bytes(raw);

  const Bytes wide = text_to_utf16(text);
  check_utf16_buffer(wide);
  FUZZ_CHECK(wide.empty() == until_nul.empty());
  const std::size_t units = wide.empty() ? 0 : wide.size() / 2 - 1;

  const Text escaped = escape_unicode(text, "\\u");
  FUZZ_CHECK(escaped.size() == 6 * units);
  for (std::size_t i = 0; i < escaped.size(); i += 6) {
    FUZZ_CHECK(escaped.compare(i, 2, "\\u") == 0);
    for (std::size_t k = 2; k < 6; ++k) FUZZ_CHECK(is_escape_digit(escaped[i + k]));
  }
  FUZZ_CHECK(escape_unicode(text, "\\u", brackets, delimiters).size() <= escaped.size());
  FUZZ_CHECK(escape_unicode(text, prefix).size() == units * (prefix.size() + 4));

  // What came out of GBK goes back to the same GBK units on a second pass.
  const Bytes gbk = utf16_to_multibyte(wide, kCodePageGbk);
  check_no_zero_byte(gbk);
  FUZZ_CHECK(multibyte_to_utf16(gbk, kCodePageGbk) == wide);

  const Bytes utf8 = text_to_utf8(text);
  check_no_zero_byte(utf8);
  FUZZ_CHECK(multibyte_to_utf16(utf8, kCodePageUtf8) == wide);

  const Text encoded = url_encode(text, brackets, delimiters);
  FUZZ_CHECK(percent_decode(encoded) == (delimiters ? utf8 : bytes_of(until_nul)));

  // The raw bytes as a UTF-16 buffer, odd lengths and unpaired surrogates included.
  check_no_zero_byte(utf16_to_multibyte(raw, kCodePageUtf8));
  check_no_zero_byte(utf16_to_multibyte(raw, kCodePageGbk));
  check_utf16_buffer(multibyte_to_utf16(raw, kCodePageUtf8));
  return 0;
}
