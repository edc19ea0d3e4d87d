#include "platform/window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

#include "platform/win32/resources/resource_ids.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

namespace morvella::platform {
namespace {

// Fixed border, title bar with system menu and minimise box; no maximise box, no sizing.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kLayoutDpi = 96;

int windows_open = 0;

HINSTANCE this_module() { return GetModuleHandleW(nullptr); }

int system_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kLayoutDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

std::wstring window_text(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

class Win32EditBox final : public EditBox {
 public:
  Win32EditBox(HWND control, int id, WindowEvents& events) : control_(control), id_(id), events_(events) {}

  Text text() const override { return from_wide(window_text(control_)); }

  // The system's own change notice is not relied on (it differs between versions and
  // emulations): it is held back while the text is set, and the event is raised here once.
  void set_text(std::string_view text) override {
    setting_text_ = true;
    SetWindowTextW(control_, to_wide(text).c_str());
    setting_text_ = false;
    events_.on_text_changed(id_);
  }

  bool setting_text() const { return setting_text_; }

 private:
  HWND control_;
  int id_;
  WindowEvents& events_;
  bool setting_text_ = false;
};

class Win32CheckBox final : public CheckBox {
 public:
  explicit Win32CheckBox(HWND control) : control_(control) {}
  bool checked() const override { return SendMessageW(control_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void set_checked(bool checked) override {
    SendMessageW(control_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  HWND control_;
};

class Win32LogBox final : public LogBox {
 public:
  explicit Win32LogBox(HWND control) : control_(control) {}

  // An empty selection at the very end, whatever the user selected, so the piece never
  // replaces or splits typed text.
  void append(std::string_view piece) override {
    const std::wstring wide = to_wide(piece);
    const int end = GetWindowTextLengthW(control_);
    SendMessageW(control_, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    SendMessageW(control_, EM_SCROLLCARET, 0, 0);
    SendMessageW(control_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
  }

 private:
  HWND control_;
};

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extended_style;
};

ControlClass control_class(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::check_box:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::edit_box:
      return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::log_box:
      return {L"EDIT", kChild | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::label:
      break;
  }
  return {L"STATIC", kChild | SS_LEFT, 0};
}

// The system's default GUI font at the screen's resolution: the stock object itself is sized
// for 96 DPI only.
HFONT create_gui_font(int dpi) {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, dpi, kLayoutDpi);
  return CreateFontIndirectW(&font);
}

class Win32Window final : public Window {
 public:
  Win32Window(const WindowLayout& layout, WindowEvents& events)
      : layout_(layout), events_(events), dpi_(system_dpi()), font_(create_gui_font(dpi_)) {}

  ~Win32Window() override {
    if (handle_ != nullptr) DestroyWindow(handle_);
    if (font_ != nullptr) DeleteObject(font_);
  }

  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  bool create() {
    const int width = scaled(layout_.outer_width);
    const int height = scaled(layout_.outer_height);
    const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    return CreateWindowExW(0, kWindowClassName, to_wide(layout_.title).c_str(), kWindowStyle, left, top, width,
                           height, nullptr, nullptr, this_module(), this) != nullptr;
  }

  void show() {
    ShowWindow(handle_, SW_SHOWNORMAL);
    UpdateWindow(handle_);
  }

  EditBox& edit_box(int control_id) override { return edit_boxes_.at(control_id); }
  CheckBox& check_box(int control_id) override { return check_boxes_.at(control_id); }
  LogBox& log_box(int control_id) override { return log_boxes_.at(control_id); }

  void request_destroy() override { PostMessageW(handle_, WM_CLOSE, 0, 0); }

  void show_message_box(std::string_view text, std::string_view caption) override {
    MessageBoxW(nullptr, to_wide(text).c_str(), to_wide(caption).c_str(), MB_OK | MB_TASKMODAL);
  }

  void* native_handle() const override { return handle_; }

  static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM w_param, LPARAM l_param) {
    if (message == WM_NCCREATE) {
      auto* window = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(l_param)->lpCreateParams);
      window->handle_ = handle;
      SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
      ++windows_open;
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcW(handle, message, w_param, l_param);
    return window->handle_message(message, w_param, l_param);
  }

 private:
  int scaled(int pixels) const { return MulDiv(pixels, dpi_, kLayoutDpi); }

  LRESULT handle_message(UINT message, WPARAM w_param, LPARAM l_param) {
    HWND handle = handle_;
    switch (message) {
      case WM_CREATE:
        return create_controls() ? 0 : -1;
      case WM_COMMAND:
        if (l_param == 0) break;  // not from a control
        raise_control_event(LOWORD(w_param), HIWORD(w_param));
        return 0;
      case WM_DESTROY:
        events_.on_window_closing();
        return 0;
      case WM_NCDESTROY:
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        handle_ = nullptr;
        if (--windows_open == 0) PostQuitMessage(0);
        break;
    }
    return DefWindowProcW(handle, message, w_param, l_param);
  }

  void raise_control_event(int control_id, WORD code) {
    if (code == EN_CHANGE) {
      const auto box = edit_boxes_.find(control_id);
      if (box != edit_boxes_.end() && !box->second.setting_text()) events_.on_text_changed(control_id);
    } else if (code == BN_CLICKED && check_boxes_.contains(control_id)) {
      events_.on_clicked(control_id);
    }
  }

  bool create_controls() {
    for (const ControlLayout& layout : layout_.controls) {
      const ControlClass kind = control_class(layout.kind);
      HWND control = CreateWindowExW(kind.extended_style, kind.name, to_wide(layout.text).c_str(), kind.style,
                                     scaled(layout.bounds.left), scaled(layout.bounds.top),
                                     scaled(layout.bounds.width), scaled(layout.bounds.height), handle_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), this_module(), nullptr);
      if (control == nullptr) return false;
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      add_control(layout, control);
    }
    return true;
  }

  void add_control(const ControlLayout& layout, HWND control) {
    switch (layout.kind) {
      case ControlKind::edit_box:
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        edit_boxes_.try_emplace(layout.id, control, layout.id, events_);
        break;
      case ControlKind::log_box:
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        log_boxes_.try_emplace(layout.id, control);
        break;
      case ControlKind::check_box:
        check_boxes_.try_emplace(layout.id, control);
        break;
      case ControlKind::label:
        break;
    }
  }

  const WindowLayout& layout_;
  WindowEvents& events_;
  int dpi_;
  HFONT font_;
  HWND handle_ = nullptr;
  std::map<int, Win32EditBox> edit_boxes_;
  std::map<int, Win32CheckBox> check_boxes_;
  std::map<int, Win32LogBox> log_boxes_;
};

bool register_window_class() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &Win32Window::procedure;
    window_class.hInstance = this_module();
    window_class.hIcon = LoadIconW(this_module(), MAKEINTRESOURCEW(MORVELLA_ICON_ID));
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kWindowClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

}  // namespace

std::unique_ptr<Window> open_window(const WindowLayout& layout, WindowEvents& events) {
  if (!register_window_class()) return nullptr;
  auto window = std::make_unique<Win32Window>(layout, events);
  if (!window->create()) return nullptr;
  window->show();
  events.on_window_ready(*window);
  return window;
}

int run_message_loop() {
  MSG message;
  BOOL result;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    // Tab and Shift+Tab move between the controls, as in a dialog.
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root != nullptr && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return result < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace morvella::platform
