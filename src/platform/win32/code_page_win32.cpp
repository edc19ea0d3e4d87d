#include "platform/code_page.h"

#include <windows.h>

// char16_t and WCHAR are both 16-bit code units here, so the buffers pass through unchanged.
static_assert(sizeof(char16_t) == sizeof(WCHAR));

namespace morvella::platform {

int multi_byte_to_wide_char(unsigned code_page, const char* input, int input_bytes, char16_t* output,
                            int output_units) {
  return MultiByteToWideChar(code_page, 0, input, input_bytes, reinterpret_cast<LPWSTR>(output),
                             output_units);
}

int wide_char_to_multi_byte(unsigned code_page, const char16_t* input, int input_units, char* output,
                            int output_bytes) {
  return WideCharToMultiByte(code_page, 0, reinterpret_cast<LPCWSTR>(input), input_units, output,
                             output_bytes, nullptr, nullptr);
}

int wide_length(const char16_t* text) { return lstrlenW(reinterpret_cast<LPCWSTR>(text)); }

}  // namespace morvella::platform
