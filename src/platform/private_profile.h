#pragma once
// The settings file's access to the system, shaped like the Win32 private-profile calls.
#include <cstddef>
#include <string_view>

#include "text/text.h"

namespace morvella::platform {

// The value of `key` in `section` of the INI file at `path`, as GetPrivateProfileStringA gives
// it into a buffer of `capacity` bytes with an empty default: at most capacity - 1 bytes, blanks
// around it and one pair of enclosing quotes dropped; empty when the file, section or key is
// missing.
Text read_profile_string(std::string_view section, std::string_view key, std::size_t capacity,
                         std::string_view path);

// Sets `key` in `section` to `value`, creating the file, section and key as needed, as
// WritePrivateProfileStringA does. False when the file could not be written.
bool write_profile_string(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view path);

}  // namespace morvella::platform
