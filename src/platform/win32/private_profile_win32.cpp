#include "platform/private_profile.h"

#include <windows.h>

#include <string>
#include <vector>

namespace morvella::platform {

Text read_profile_string(std::string_view section, std::string_view key, std::size_t capacity,
                         std::string_view path) {
  if (capacity == 0) return {};
  std::vector<char> buffer(capacity, '\0');
  const DWORD length =
      GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), "",
                               buffer.data(), static_cast<DWORD>(capacity), std::string(path).c_str());
  // A value cut inside a double-byte character leaves NUL bytes in the count; the text ends at
  // the first of them.
  return text_from_bytes(reinterpret_cast<const std::uint8_t*>(buffer.data()),
                         length < capacity ? length : capacity - 1);
}

bool write_profile_string(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view path) {
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), std::string(path).c_str()) != 0;
}

}  // namespace morvella::platform
