#pragma once
// INI text read and edited the way the Win32 private-profile functions treat it, for the Linux
// private-profile seam. Bytes are GBK and pass through untouched; section and key names match
// without regard to ASCII case; the first of duplicate sections or keys is the one used.
#include <cstddef>
#include <optional>
#include <string_view>

#include "text/text.h"

namespace morvella::platform {

// The value as GetPrivateProfileStringA gives it into `capacity` bytes with an empty default:
// blanks around it and one pair of enclosing quotes dropped, then cut to the whole characters
// that fit in capacity - 1 bytes.
Text ini_value(std::string_view content, std::string_view section, std::string_view key,
               std::size_t capacity);

// The file's content after WritePrivateProfileStringA set `key` to `value` (leading blanks
// dropped): the whole file written out again, one "name=value" line per key with CR LF, blank
// lines gone; a new key at the end of its section, a new section at the end of the file. Empty
// when the stored value is already that one, since then the file is left as it is.
std::optional<Text> ini_with_value(std::string_view content, std::string_view section,
                                   std::string_view key, std::string_view value);

}  // namespace morvella::platform
