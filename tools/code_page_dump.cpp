// Writes what the code-page conversions make of every GBK byte and byte pair, of every UTF-16
// code unit and of one- and two-byte UTF-8 inputs, one line each, so that the output of the
// Windows build (the system's converter) and of the Linux build (ours) can be compared byte for byte.
//
// usage: code_page_dump <output file>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "notify/codecs.h"
#include "platform/code_page.h"

namespace {

using morvella::Bytes;

void append_hex(std::string& out, unsigned value, int digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

void append_bytes(std::string& out, const Bytes& bytes) {
  if (bytes.empty()) out += " -";
  for (const std::uint8_t b : bytes) {
    out += ' ';
    append_hex(out, b, 2);
  }
}

// The code units before the first zero unit.
void append_units(std::string& out, const Bytes& buffer) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < buffer.size(); i += 2, ++count) {
    const unsigned unit = buffer[i] | buffer[i + 1] << 8;
    if (unit == 0) break;
    out += ' ';
    append_hex(out, unit, 4);
  }
  if (count == 0) out += " -";
}

Bytes utf16_of(std::initializer_list<unsigned> units) {
  Bytes buffer;
  for (const unsigned unit : units) {
    buffer.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    buffer.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return buffer;
}

// GBK to UTF-16 and back, through the codecs: the second byte is cut off when it is zero.
void dump_gbk(std::string& out, const Bytes& input) {
  const Bytes wide = morvella::multibyte_to_utf16(input, morvella::kCodePageGbk);
  out += "gbk";
  append_bytes(out, input);
  out += " >";
  append_units(out, wide);
  out += " >";
  append_bytes(out, morvella::utf16_to_multibyte(wide, morvella::kCodePageGbk));
  out += '\n';
}

void dump_units(std::string& out, const Bytes& wide) {
  out += "units";
  append_units(out, wide);
  out += " > gbk";
  append_bytes(out, morvella::utf16_to_multibyte(wide, morvella::kCodePageGbk));
  out += " > utf8";
  append_bytes(out, morvella::utf16_to_multibyte(wide, morvella::kCodePageUtf8));
  out += '\n';
}

void dump_utf8(std::string& out, const Bytes& input) {
  out += "utf8";
  append_bytes(out, input);
  out += " >";
  append_units(out, morvella::multibyte_to_utf16(input, morvella::kCodePageUtf8));
  out += '\n';
}

// Explicit lengths reach the seam with what the codecs never pass: a lead byte as the very last
// input byte, and a lead byte followed by a zero byte inside the input.
void dump_seam(std::string& out, const std::string& input) {
  char16_t units[8] = {};
  const int count = morvella::platform::multi_byte_to_wide_char(
      morvella::kCodePageGbk, input.data(), static_cast<int>(input.size()), units, 8);
  out += "seam";
  append_bytes(out, Bytes(input.begin(), input.end()));
  out += " >";
  for (int i = 0; i < count; ++i) {
    out += ' ';
    append_hex(out, units[i], 4);
  }
  out += '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: code_page_dump <output file>\n", stderr);
    return 2;
  }
  std::string out;
  for (unsigned b = 0; b < 0x100; ++b) dump_gbk(out, Bytes{static_cast<std::uint8_t>(b)});
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
    for (unsigned trail = 0; trail < 0x100; ++trail)
      dump_gbk(out, Bytes{static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail)});

  for (unsigned unit = 1; unit < 0x10000; ++unit) dump_units(out, utf16_of({unit}));
  for (const auto& units : {utf16_of({0xD83D, 0xDE00}), utf16_of({0xDE00, 0xD83D}), utf16_of({0xD83D, 0x41}),
                            utf16_of({0x41, 0xDE00, 0x42}), utf16_of({0xD83D, 0xD83D, 0xDE00})})
    dump_units(out, units);

  // UTF-8 input is compared where Wine decodes it as Windows does: not for three- and four-byte
  // leads cut short or followed by an out-of-range byte, where Wine swallows the rest of the input
  // (the terminator included) or gives fewer replacement characters.
  for (unsigned b = 1; b < 0x100; ++b) dump_utf8(out, Bytes{static_cast<std::uint8_t>(b)});
  for (unsigned lead = 0x80; lead < 0xE0; ++lead)
    for (unsigned trail = 1; trail < 0x100; ++trail)
      dump_utf8(out, Bytes{static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail)});
  for (const Bytes& input : {Bytes{0xE4, 0xB8, 0xAD}, Bytes{0xE4, 0xB8, 0x41}, Bytes{0xE0, 0xA0, 0x80},
                             Bytes{0xED, 0x9F, 0xBF}, Bytes{0xEF, 0xBF, 0xBF}, Bytes{0xF0, 0x9F, 0x98, 0x80},
                             Bytes{0xF4, 0x8F, 0xBF, 0xBF}, Bytes{0xF5, 0x80, 0x80, 0x80},
                             Bytes{0xF8, 0x88, 0x80, 0x80, 0x80}, Bytes{0xC0, 0xAF, 0x41}, Bytes{0x80, 0xBF, 0x41}})
    dump_utf8(out, input);

  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    const char byte = static_cast<char>(lead);
    dump_seam(out, std::string(1, byte));
    dump_seam(out, std::string{byte, '\0', 'A'});
    dump_seam(out, std::string{'A', byte});
  }

  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written ? 0 : 1;
}
