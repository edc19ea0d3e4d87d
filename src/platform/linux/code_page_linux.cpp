#include "platform/code_page.h"

#include "platform/linux/gbk_table_linux.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace morvella::platform {
namespace {

constexpr unsigned kCodePageAnsi = 0;
constexpr unsigned kCodePageGbk = 936;
constexpr unsigned kCodePageUtf8 = 65001;

constexpr char16_t kReplacement = 0xFFFD;

// A lead byte takes the byte after it whatever that is, but for the terminating zero.
std::u16string gbk_to_units(const std::uint8_t* in, std::size_t size) {
  std::u16string out;
  for (std::size_t i = 0; i < size; ++i) {
    if (!gbk::is_lead_byte(in[i])) {
      out += gbk::unit_of(in[i]);
    } else if (i + 1 < size && in[i + 1] != 0) {
      const char16_t unit = gbk::unit_of(in[i], in[i + 1]);
      out += unit != 0 ? unit : gbk::kUnicodeDefault;
      ++i;
    } else {
      out += gbk::kUnicodeDefault;
    }
  }
  return out;
}

std::string units_to_gbk(const char16_t* in, std::size_t size) {
  std::string out;
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint16_t code = in[i] == 0 ? 0 : gbk::code_of(in[i]);
    if (in[i] == 0) {
      out += '\0';
    } else if (code == 0) {
      out += gbk::kDefault;
    } else if (code > 0xFF) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      out += static_cast<char>(code);
    }
  }
  return out;
}

// Decodes UTF-8 as Windows does with flags 0: each maximal ill-formed subsequence (a lone byte, or
// the start of a sequence cut short) becomes one U+FFFD, and decoding resumes at the next byte.
std::u16string utf8_to_units(const std::uint8_t* in, std::size_t size) {
  std::u16string out;
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t b = in[i];
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
      ++i;
      continue;
    }
    std::size_t need = 0;
    char32_t code = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      need = 1;
      code = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      need = 2;
      code = b & 0x0F;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      need = 3;
      code = b & 0x07;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      out += kReplacement;
      ++i;
      continue;
    }
    std::size_t taken = 1;
    bool complete = true;
    for (std::size_t k = 0; k < need; ++k) {
      if (i + taken >= size) {
        complete = false;
        break;
      }
      const std::uint8_t c = in[i + taken];
      if (c < low || c > high) {
        complete = false;
        break;
      }
      code = code << 6 | (c & 0x3F);
      low = 0x80;
      high = 0xBF;
      ++taken;
    }
    i += taken;
    if (!complete) {
      out += kReplacement;
    } else if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 | code >> 10);
      out += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

// Encodes UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string units_to_utf8(const char16_t* in, std::size_t size) {
  std::string out;
  for (std::size_t i = 0; i < size; ++i) {
    char32_t code = in[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < size && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (in[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = kReplacement;
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | code >> 6);
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | code >> 12);
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | code >> 18);
      out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

// The program's texts are all GBK, so the system's ANSI code page is taken to be 936 here.
unsigned resolve(unsigned code_page) { return code_page == kCodePageAnsi ? kCodePageGbk : code_page; }

// Copies a conversion out the way the Win32 calls do: size query, fit check, count written.
template <typename String, typename Unit>
int deliver(const String& converted, Unit* output, int output_size) {
  if (converted.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return 0;
  const int size = static_cast<int>(converted.size());
  if (output_size == 0) return size;
  if (size > output_size) return 0;
  std::memcpy(output, converted.data(), converted.size() * sizeof(Unit));
  return size;
}

}  // namespace

int multi_byte_to_wide_char(unsigned code_page, const char* input, int input_bytes, char16_t* output,
                            int output_units) {
  if (input == nullptr || input_bytes == 0 || output_units < 0 || (output == nullptr && output_units != 0))
    return 0;
  const std::size_t size = input_bytes < 0 ? std::strlen(input) + 1 : static_cast<std::size_t>(input_bytes);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(input);
  switch (resolve(code_page)) {
    case kCodePageGbk:
      return deliver(gbk_to_units(bytes, size), output, output_units);
    case kCodePageUtf8:
      return deliver(utf8_to_units(bytes, size), output, output_units);
    default:
      return 0;
  }
}

int wide_char_to_multi_byte(unsigned code_page, const char16_t* input, int input_units, char* output,
                            int output_bytes) {
  if (input == nullptr || input_units == 0 || output_bytes < 0 || (output == nullptr && output_bytes != 0))
    return 0;
  const std::size_t size =
      input_units < 0 ? std::char_traits<char16_t>::length(input) + 1 : static_cast<std::size_t>(input_units);
  switch (resolve(code_page)) {
    case kCodePageGbk:
      return deliver(units_to_gbk(input, size), output, output_bytes);
    case kCodePageUtf8:
      return deliver(units_to_utf8(input, size), output, output_bytes);
    default:
      return 0;
  }
}

int wide_length(const char16_t* text) {
  if (text == nullptr) return 0;
  const std::size_t length = std::char_traits<char16_t>::length(text);
  return static_cast<int>(std::min<std::size_t>(length, std::numeric_limits<int>::max()));
}

}  // namespace morvella::platform
