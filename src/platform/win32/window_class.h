#pragma once
// The class of the toolkit's top-level windows, by which helper tools find the program's window.

namespace morvella::platform {

inline constexpr wchar_t kWindowClassName[] = L"Morvella.Window";

}  // namespace morvella::platform
