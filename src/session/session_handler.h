#pragma once
// What a session change means to the program, apart from how the system delivers it.
#include <cstdint>
#include <functional>
#include <string_view>

namespace morvella {

// The system's session-change codes the program acts on (WTS_SESSION_LOCK, WTS_SESSION_UNLOCK).
inline constexpr std::uintptr_t kSessionLock = 7;
inline constexpr std::uintptr_t kSessionUnlock = 8;

class SessionHandler {
 public:
  SessionHandler(std::function<void()> send_unlock_notice, std::function<void(std::string_view)> log_event);

  // A lock logs "锁屏了"; an unlock first sends the notice (which returns once the robot has
  // answered) and then logs "解锁了"; any other code does nothing.
  void on_session_change(std::uintptr_t code) const;

 private:
  std::function<void()> send_unlock_notice_;
  std::function<void(std::string_view)> log_event_;
};

}  // namespace morvella
