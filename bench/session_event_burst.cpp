// Bench helper: sends Morvella's window COUNT unlocks in a row, printing before each the Unix
// time in ms, so one Wine launch covers a whole latency run (bench/unlock_latency.sh).
//   session_event_burst COUNT
// Exit code 0 when every unlock was handled, 1 when there is no window, 2 on bad arguments,
// 3 when the window did not answer in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/win32/window_class.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 120000;  // an unlock waits for the robot's answer
constexpr unsigned long long kUnixEpochIn100ns = 116444736000000000ULL;

unsigned long long unix_ms() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return (ticks - kUnixEpochIn100ns) / 10000;
}

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long count = argc == 2 ? std::strtoul(argv[1], &end, 10) : 0;
  if (argc != 2 || end == argv[1] || *end != '\0' || count == 0 || count > 10000) {
    std::fprintf(stderr, "usage: session_event_burst COUNT (1..10000)\n");
    return 2;
  }
  HWND window = FindWindowW(morvella::platform::kWindowClassName, L"Morvella");
  if (window == nullptr) {
    std::fprintf(stderr, "session_event_burst: no Morvella window\n");
    return 1;
  }
  for (unsigned long i = 0; i < count; ++i) {
    std::printf("%llu\n", unix_ms());
    std::fflush(stdout);
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 1, SMTO_NORMAL, kAnswerTimeoutMs,
                            &result) == 0) {
      std::fprintf(stderr, "session_event_burst: the window did not answer\n");
      return 3;
    }
  }
  return 0;
}
