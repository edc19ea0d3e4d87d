// Test helper: tells Morvella's window that the session changed, as the system does.
//   send_session_event CODE [SESSION_ID]    7 lock, 8 unlock; the session id defaults to 1
// Exit code 0 once the window has handled the message, 1 when there is no window, 2 on bad
// arguments, 3 when the window did not answer in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/win32/window_class.h"

namespace {

// An unlock waits for the robot's answer before the window returns.
constexpr UINT kAnswerTimeoutMs = 120000;

bool parse_number(const char* text, unsigned long& value) {
  char* end = nullptr;
  value = std::strtoul(text, &end, 10);
  return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  unsigned long code = 0;
  unsigned long session_id = 1;
  if (argc < 2 || argc > 3 || !parse_number(argv[1], code) || (argc == 3 && !parse_number(argv[2], session_id))) {
    std::fprintf(stderr, "usage: send_session_event CODE [SESSION_ID]\n");
    return 2;
  }
  HWND window = FindWindowW(morvella::platform::kWindowClassName, L"Morvella");
  if (window == nullptr) {
    std::fprintf(stderr, "send_session_event: no Morvella window\n");
    return 1;
  }
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, WM_WTSSESSION_CHANGE, code, static_cast<LPARAM>(session_id), SMTO_NORMAL,
                          kAnswerTimeoutMs, &result) == 0) {
    std::fprintf(stderr, "send_session_event: the window did not answer\n");
    return 3;
  }
  return 0;
}
