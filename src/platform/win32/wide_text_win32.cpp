#include "platform/win32/wide_text.h"

#include <windows.h>

namespace morvella::platform {
namespace {

constexpr UINT kCodePageGbk = 936;

}  // namespace

std::wstring to_wide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(kCodePageGbk, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(kCodePageGbk, 0, text.data(), size, wide.data(), units);
  return wide;
}

Text from_wide(std::wstring_view text) {
  if (text.empty()) return {};
  const int units = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(kCodePageGbk, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
  Text narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kCodePageGbk, 0, text.data(), units, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

}  // namespace morvella::platform
