#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "platform/window.h"

namespace morvella::platform {
namespace {

constexpr int kEdit = 11;
constexpr int kCheck = 12;
constexpr int kLog = 13;
// 钉钉 in GBK and in UTF-16
constexpr std::string_view kDingGbk = "\xB6\xA4\xB6\xA4";
constexpr std::wstring_view kDingWide = L"\u9489\u9489";

constexpr std::array kControls{
    ControlLayout{10, ControlKind::label, {8, 8, 100, 20}, kDingGbk},
    ControlLayout{kEdit, ControlKind::edit_box, {8, 32, 200, 24}, {}},
    ControlLayout{kCheck, ControlKind::check_box, {8, 64, 100, 24}, {}},
    ControlLayout{kLog, ControlKind::log_box, {216, 8, 200, 200}, {}},
};
constexpr WindowLayout kLayout{"Seam test", 440, 260, kControls};

class RecordingEvents final : public WindowEvents {
 public:
  void on_window_ready(Window&) override { ++ready; }
  void on_window_closing() override { ++closing; }
  void on_text_changed(int id) override { ++text_changes[id]; }
  void on_clicked(int id) override { ++clicks[id]; }

  int ready = 0;
  int closing = 0;
  std::map<int, int> text_changes;
  std::map<int, int> clicks;
};

std::wstring wide_text_of(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Wine creates windows only with an X display; the end-to-end run provides one.
class Win32Window : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display to open windows on";
    window = open_window(kLayout, events);
    ASSERT_NE(window, nullptr);
  }

  void TearDown() override {
    if (window == nullptr) return;
    window->request_destroy();
    EXPECT_EQ(run_message_loop(), 0);
  }

  HWND control(int id) const { return GetDlgItem(static_cast<HWND>(window->native_handle()), id); }

  RecordingEvents events;
  std::unique_ptr<Window> window;
};

TEST_F(Win32Window, OpensCentredAtTheLayoutsSizeAndClosesThroughTheLoop) {
  EXPECT_EQ(events.ready, 1);
  HWND handle = static_cast<HWND>(window->native_handle());
  RECT outer{};
  GetWindowRect(handle, &outer);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(outer.right - outer.left, MulDiv(440, dpi, 96));
  EXPECT_EQ(outer.bottom - outer.top, MulDiv(260, dpi, 96));
  EXPECT_NEAR(outer.left + outer.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(outer.top + outer.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(wide_text_of(control(10)), kDingWide);

  window->request_destroy();
  EXPECT_EQ(events.closing, 0) << "destroyed later, by the loop";
  EXPECT_EQ(run_message_loop(), 0);
  EXPECT_EQ(events.closing, 1);
  window.reset();
}

TEST_F(Win32Window, EditBoxRaisesOneChangePerSetAndPerTypedChange) {
  EditBox& edit = window->edit_box(kEdit);
  edit.set_text(kDingGbk);
  EXPECT_EQ(events.text_changes[kEdit], 1);
  EXPECT_EQ(edit.text(), kDingGbk);
  EXPECT_EQ(wide_text_of(control(kEdit)), kDingWide);

  edit.set_text("");
  EXPECT_EQ(events.text_changes[kEdit], 2) << "an empty text counts too";

  SendMessageW(control(kEdit), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"a"));  // as typing does
  EXPECT_EQ(events.text_changes[kEdit], 3);
  EXPECT_EQ(edit.text(), "a");
  EXPECT_EQ(events.text_changes.count(kLog), 0u);
}

TEST_F(Win32Window, CheckBoxRaisesClickedOnlyForClicksAfterToggling) {
  CheckBox& check = window->check_box(kCheck);
  check.set_checked(true);
  EXPECT_TRUE(check.checked());
  EXPECT_EQ(events.clicks[kCheck], 0);

  SendMessageW(control(kCheck), BM_CLICK, 0, 0);
  EXPECT_EQ(events.clicks[kCheck], 1);
  EXPECT_FALSE(check.checked());
}

TEST_F(Win32Window, LogBoxAppendsAtTheEndWhateverIsSelected) {
  HWND log = control(kLog);
  SetWindowTextW(log, L"typed");
  SendMessageW(log, EM_SETSEL, 0, 2);  // the user selected "ty"
  LogBox& box = window->log_box(kLog);
  for (std::string_view piece : {std::string_view("1 "), kDingGbk, std::string_view("\r\n")}) box.append(piece);

  EXPECT_EQ(wide_text_of(log), std::wstring(L"typed1 ") + std::wstring(kDingWide) + L"\r\n");
  DWORD start = 0, end = 0;
  SendMessageW(log, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, static_cast<DWORD>(GetWindowTextLengthW(log)));
  EXPECT_EQ(end, start);
}

}  // namespace
}  // namespace morvella::platform
