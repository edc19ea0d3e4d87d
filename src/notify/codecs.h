#pragma once
// Conversions around Text: \uXXXX escapes, code pages (GBK, UTF-16, UTF-8) and URL encoding.
// Every Text-to-UTF-16 conversion uses code page 936, whatever the system's ANSI code page is.
#include <string_view>

#include "text/text.h"

namespace morvella {

inline constexpr int kCodePageAnsi = 0;  // the system's ANSI code page
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageUtf8 = 65001;

// One escape per UTF-16 code unit: the prefix and the unit's value in four uppercase hex digits.
Text escape_unicode(std::string_view text, std::string_view prefix, bool restore_brackets = false,
                    bool restore_delimiters = false);

// Form-style URL encoding of the text's GBK bytes (or, with as_utf8, of its UTF-8 form).
Text url_encode(std::string_view text, bool keep_unreserved = false, bool as_utf8 = false);
Text percent_encode_bytes(const Bytes& data, bool keep_unreserved);

// UTF-16 buffers are little-endian code units; as produced here they end with one zero code
// unit that belongs to the buffer, and an empty input gives an empty buffer.
Bytes text_to_utf16(std::string_view text);
Bytes multibyte_to_utf16(const Bytes& data, int code_page);
Bytes utf16_to_multibyte(const Bytes& buffer, int code_page);
Text utf16_to_text(const Bytes& buffer, int code_page = kCodePageAnsi);
Bytes text_to_utf8(std::string_view text);
Text text_to_utf8_text(std::string_view text);

}  // namespace morvella
