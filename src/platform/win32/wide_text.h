#pragma once
// The window's texts cross into the system as UTF-16, converted from and to GBK (code page 936)
// whatever the system's ANSI code page is, so Chinese reads right on every locale.
#include <string>
#include <string_view>

#include "text/text.h"

namespace morvella::platform {

std::wstring to_wide(std::string_view text);
// Characters that GBK lacks become '?'.
Text from_wide(std::wstring_view text);

}  // namespace morvella::platform
