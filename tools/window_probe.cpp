// Test helper: looks at Morvella's running window from outside, as a user's tools would.
//   window_probe wait SECONDS   exit 0 once the window exists (polls, bounded)
//   window_probe texts          one line per child control: id, class, text (UTF-8, CR/LF escaped)
//   window_probe geometry       window and client rectangles, style bits and DPI
//   window_probe close          asks the window to close, as the title bar's button does
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND find_main_window() { return FindWindowW(nullptr, L"Morvella"); }

std::string to_utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\\') out += "\\\\";
    else out += c;
  }
  return out;
}

std::wstring window_text(HWND window) {
  // WM_GETTEXT rather than GetWindowText: the latter does not read other processes' controls.
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

BOOL CALLBACK print_child(HWND child, LPARAM) {
  wchar_t class_name[64] = {};
  GetClassNameW(child, class_name, 64);
  std::string line = std::to_string(GetDlgCtrlID(child)) + "\t" + to_utf8(class_name) + "\t";
  if (_wcsicmp(class_name, L"Button") == 0) {
    const LRESULT state = SendMessageW(child, BM_GETCHECK, 0, 0);
    line += (state == BST_CHECKED ? "[x] " : "[ ] ");
  }
  line += escaped(to_utf8(window_text(child)));
  std::printf("%s\n", line.c_str());
  return TRUE;
}

int wait_for_window(int seconds) {
  for (int tries = 0; tries < seconds * 10; ++tries) {
    if (find_main_window() != nullptr) return 0;
    Sleep(100);
  }
  std::fprintf(stderr, "window_probe: no Morvella window after %d s\n", seconds);
  return 1;
}

int print_geometry(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
  std::printf("client %ld %ld\n", client.right, client.bottom);
  std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::printf("maximizebox %d minimizebox %d thickframe %d sysmenu %d\n", (style & WS_MAXIMIZEBOX) != 0,
              (style & WS_MINIMIZEBOX) != 0, (style & WS_THICKFRAME) != 0, (style & WS_SYSMENU) != 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Bytes out as they are: UTF-8 with LF line ends, whatever the console's code page.
  _setmode(_fileno(stdout), _O_BINARY);
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "wait") return wait_for_window(argc > 2 ? std::atoi(argv[2]) : 20);
  HWND window = find_main_window();
  if (window == nullptr) {
    std::fprintf(stderr, "window_probe: no Morvella window\n");
    return 1;
  }
  if (command == "texts") return EnumChildWindows(window, print_child, 0), 0;
  if (command == "geometry") return print_geometry(window);
  if (command == "close") return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  std::fprintf(stderr, "usage: window_probe wait SECONDS | texts | geometry | close\n");
  return 2;
}
