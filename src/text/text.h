#pragma once
// The program's text types. Every user-visible text, setting, file line and header is GBK
// (code page 936) bytes; lengths and positions are in bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvella {

// GBK bytes. Where a text comes from a NUL-terminated source it ends at the first NUL
// (see text_from_bytes); an absent text and the empty text are the same.
using Text = std::string;

// A length-counted byte buffer that may hold NUL bytes: bodies, UTF-16 and UTF-8 forms.
using Bytes = std::vector<std::uint8_t>;

// An ordered, growable list of texts that owns its elements.
using TextList = std::vector<Text>;

inline Bytes bytes_of(std::string_view text) { return Bytes(text.begin(), text.end()); }

// The bytes up to the first NUL, as a NUL-terminated source would give them.
inline Text text_from_bytes(const std::uint8_t* data, std::size_t size) {
  std::size_t n = 0;
  while (n < size && data[n] != 0) ++n;
  return Text(reinterpret_cast<const char*>(data), n);
}
inline Text text_from_bytes(const Bytes& bytes) { return text_from_bytes(bytes.data(), bytes.size()); }

}  // namespace morvella
