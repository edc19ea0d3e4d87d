#include "platform/session_events.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/window.h"

namespace morvella::platform {
namespace {

constexpr int kEdit = 11;
constexpr std::array kControls{ControlLayout{kEdit, ControlKind::edit_box, {8, 8, 200, 24}, {}}};
constexpr WindowLayout kLayout{"Session seam test", 300, 120, kControls};

class CountingEvents final : public WindowEvents {
 public:
  void on_window_ready(Window&) override {}
  void on_window_closing() override {}
  void on_text_changed(int) override { ++text_changes; }
  void on_clicked(int) override {}
  int text_changes = 0;
};

// Wine creates windows only with an X display; the end-to-end run provides one.
class Win32SessionEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display to open windows on";
    window = open_window(kLayout, events);
    ASSERT_NE(window, nullptr);
    handle = static_cast<HWND>(window->native_handle());
  }

  void TearDown() override {
    if (window == nullptr) return;
    window->request_destroy();
    EXPECT_EQ(run_message_loop(), 0);
  }

  CountingEvents events;
  std::unique_ptr<Window> window;
  HWND handle = nullptr;
};

TEST_F(Win32SessionEvents, HandsOnCodesAndForwardsEveryMessageUntilRestored) {
  const LONG_PTR own_procedure = GetWindowLongPtrW(handle, GWLP_WNDPROC);
  const std::unique_ptr<SessionEvents> session = make_session_events();
  ASSERT_TRUE(session->register_window(*window));
  std::vector<std::uintptr_t> codes;
  session->install([&](std::uintptr_t code) { codes.push_back(code); });
  EXPECT_NE(GetWindowLongPtrW(handle, GWLP_WNDPROC), own_procedure);

  SendMessageW(handle, WM_WTSSESSION_CHANGE, 7, 1);
  SendMessageW(handle, WM_WTSSESSION_CHANGE, 8, 2);
  SendMessageW(handle, WM_WTSSESSION_CHANGE, 3, 1);
  EXPECT_EQ(codes, (std::vector<std::uintptr_t>{7, 8, 3}));

  // Results come back unchanged, and the toolkit still sees its controls' notices.
  EXPECT_EQ(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0), 17);  // "Session seam test"
  window->edit_box(kEdit).set_text("x");
  SendMessageW(GetDlgItem(handle, kEdit), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"y"));
  EXPECT_EQ(events.text_changes, 2);

  session->restore();
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_WNDPROC), own_procedure);
  SendMessageW(handle, WM_WTSSESSION_CHANGE, 7, 1);
  EXPECT_EQ(codes.size(), 3u);
  session->unregister_window();
}

}  // namespace
}  // namespace morvella::platform
