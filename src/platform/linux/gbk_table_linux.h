#pragma once
// Code page 936 as Windows has it, for the Linux code-page seam: glibc's CP936 table completed
// with what Windows adds (private-use code points, 0xFF, best-fit replacements).
#include <cstdint>

namespace morvella::platform::gbk {

// What Windows writes, with flags 0, for input that it cannot map in either direction.
inline constexpr char16_t kUnicodeDefault = u'?';
inline constexpr char kDefault = '?';

inline bool is_lead_byte(std::uint8_t b) { return b >= 0x81 && b <= 0xFE; }

// The code unit of a byte that is not a lead byte.
char16_t unit_of(std::uint8_t single);
// The code unit of a lead byte and the byte after it; 0 when the pair is no character.
char16_t unit_of(std::uint8_t lead, std::uint8_t trail);
// The GBK code of a unit other than U+0000: one byte when below 0x100, else the lead byte
// shifted over the trail byte; 0 when the unit has neither a character nor a best fit.
std::uint16_t code_of(char16_t unit);

}  // namespace morvella::platform::gbk
