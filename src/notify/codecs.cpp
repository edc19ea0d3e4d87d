#include "notify/codecs.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/code_page.h"
#include "text/text_rules.h"

namespace morvella {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void append_hex_byte(Text& out, std::uint8_t value) {
  out += kHexDigits[value >> 4];
  out += kHexDigits[value & 0x0F];
}

// The platform calls count in int; a buffer beyond that cannot be handed over whole.
bool fits_platform_int(std::size_t size) { return size < static_cast<std::size_t>(INT_MAX); }

bool is_unreserved(std::uint8_t c) {
  return (c >= 0x27 && c <= 0x2A) || c == 0x2D || c == 0x2E || (c >= 0x30 && c <= 0x39) ||
         (c >= 0x41 && c <= 0x5A) || c == 0x5F || (c >= 0x61 && c <= 0x7A);
}

}  // namespace

Bytes multibyte_to_utf16(const Bytes& data, int code_page) {
  std::size_t length = 0;
  while (length < data.size() && data[length] != 0) ++length;
  if (length == 0 || !fits_platform_int(length)) return {};

  // Zero-terminated copy: the platform reads up to and including the terminator.
  std::string input(reinterpret_cast<const char*>(data.data()), length);
  const auto page = static_cast<unsigned>(code_page);
  const int units = platform::multi_byte_to_wide_char(page, input.c_str(), -1, nullptr, 0);
  if (units <= 0) return {};

  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  const int written = platform::multi_byte_to_wide_char(page, input.c_str(), -1, wide.data(), units);
  if (written <= 0) return {};

  Bytes buffer(2 * static_cast<std::size_t>(units), 0);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    buffer[2 * i] = static_cast<std::uint8_t>(wide[i] & 0xFF);
    buffer[2 * i + 1] = static_cast<std::uint8_t>(wide[i] >> 8);
  }
  return buffer;
}

Bytes text_to_utf16(std::string_view text) { return multibyte_to_utf16(bytes_of(text), kCodePageGbk); }

Bytes utf16_to_multibyte(const Bytes& buffer, int code_page) {
  // Code units up to the first zero unit; an odd trailing byte is no whole unit.
  std::u16string wide;
  for (std::size_t i = 0; i + 1 < buffer.size(); i += 2) {
    const auto unit = static_cast<char16_t>(buffer[i] | (buffer[i + 1] << 8));
    if (unit == 0) break;
    wide += unit;
  }
  if (wide.empty() || !fits_platform_int(wide.size())) return {};

  const auto page = static_cast<unsigned>(code_page);
  const int size = platform::wide_char_to_multi_byte(page, wide.c_str(), -1, nullptr, 0);
  if (size <= 0) return {};

  std::string out(static_cast<std::size_t>(size), '\0');
  if (platform::wide_char_to_multi_byte(page, wide.c_str(), -1, out.data(), size) <= 0) return {};
  return bytes_of(text_from_bytes(reinterpret_cast<const std::uint8_t*>(out.data()), out.size()));
}

Text utf16_to_text(const Bytes& buffer, int code_page) {
  return text_from_bytes(utf16_to_multibyte(buffer, code_page));
}

Bytes text_to_utf8(std::string_view text) { return utf16_to_multibyte(text_to_utf16(text), kCodePageUtf8); }

Text text_to_utf8_text(std::string_view text) { return utf16_to_text(text_to_utf16(text), kCodePageUtf8); }

Text escape_unicode(std::string_view text, std::string_view prefix, bool restore_brackets,
                    bool restore_delimiters) {
  const Bytes wide = text_to_utf16(text);
  if (wide.empty()) return {};
  const int count = platform::wide_length(reinterpret_cast<const char16_t*>(wide.data()));

  Text result;
  result.reserve(static_cast<std::size_t>(count) * (prefix.size() + 4));
  for (int i = 0; i < count; ++i) {
    result += prefix;
    append_hex_byte(result, wide[2 * i + 1]);
    append_hex_byte(result, wide[2 * i]);
  }

  const auto restore = [&](std::string_view digits, std::string_view with) {
    result = replace_all(result, Text(prefix) + Text(digits), with);
  };
  if (restore_brackets) {
    restore("007B", "{");
    restore("007D", "}");
    restore("005B", "[");
    restore("005D", "]");
  }
  if (restore_delimiters) {
    restore("003A", ":");
    restore("002C", ",");
    restore("0022", "\"");
  }
  return result;
}

Text percent_encode_bytes(const Bytes& data, bool keep_unreserved) {
  if (data.empty()) return {};
  // Allocated once at the worst case, three characters per byte, and filled in place.
  Text out(3 * data.size(), '\0');
  std::size_t at = 0;
  for (const std::uint8_t c : data) {
    if (c == 0) continue;
    if (keep_unreserved && is_unreserved(c)) {
      out[at++] = static_cast<char>(c);
    } else if (c == 0x20) {
      out[at++] = '+';
    } else {
      out[at++] = '%';
      out[at++] = kHexDigits[c >> 4];
      out[at++] = kHexDigits[c & 0x0F];
    }
  }
  out.resize(at);
  return out;
}

Text url_encode(std::string_view text, bool keep_unreserved, bool as_utf8) {
  // A text ends at its first NUL, in both forms alike.
  const Bytes data = as_utf8 ? text_to_utf8(text) : bytes_of(text.substr(0, text.find('\0')));
  return percent_encode_bytes(data, keep_unreserved);
}

}  // namespace morvella
