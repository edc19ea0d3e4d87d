#include "platform/session_events.h"

#include <windows.h>
#include <wtsapi32.h>

#include <utility>

#include "platform/window.h"

namespace morvella::platform {
namespace {

// The installed procedure finds its state through this window property.
constexpr wchar_t kStateProperty[] = L"Morvella.SessionEvents";

// The window is a Unicode window, so it is subclassed and called through the wide functions:
// the ANSI ones would push every text message through the system's code page.
class Win32SessionEvents final : public SessionEvents {
 public:
  ~Win32SessionEvents() override { restore(); }

  bool register_window(Window& window) override {
    window_ = static_cast<HWND>(window.native_handle());
    return WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
  }

  void install(SessionChangeHandler handler) override {
    handler_ = std::move(handler);
    SetPropW(window_, kStateProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&session_window_proc)));
    if (previous_ == nullptr) RemovePropW(window_, kStateProperty);
  }

  void restore() override {
    if (previous_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(window_, kStateProperty);
    previous_ = nullptr;
  }

  void unregister_window() override {
    if (window_ != nullptr) WTSUnRegisterSessionNotification(window_);
  }

 private:
  static LRESULT CALLBACK session_window_proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    auto* self = static_cast<Win32SessionEvents*>(GetPropW(window, kStateProperty));
    // Taken first: the window's closing, handled further down, puts the old procedure back.
    const WNDPROC previous = self->previous_;
    if (message == WM_WTSSESSION_CHANGE) self->handler_(w_param);
    return CallWindowProcW(previous, window, message, w_param, l_param);
  }

  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
  SessionChangeHandler handler_;
};

}  // namespace

std::unique_ptr<SessionEvents> make_session_events() { return std::make_unique<Win32SessionEvents>(); }

}  // namespace morvella::platform
