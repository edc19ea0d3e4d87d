#pragma once
// Code-page conversion, shaped like the Win32 calls with flags 0: invalid input becomes the
// platform's substitute characters instead of failing. Lengths of -1 mean NUL-terminated input
// (the terminator is converted and counted too); a zero output size asks for the size needed.
// Each returns the count written (or needed), 0 on failure.

namespace morvella::platform {

int multi_byte_to_wide_char(unsigned code_page, const char* input, int input_bytes, char16_t* output,
                            int output_units);
int wide_char_to_multi_byte(unsigned code_page, const char16_t* input, int input_units, char* output,
                            int output_bytes);
// Code units before the first zero code unit.
int wide_length(const char16_t* text);

}  // namespace morvella::platform
