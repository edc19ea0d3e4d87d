#pragma once
// Where the system reports the locks and unlocks of the user's session: to a window registered
// for them. The system's codes pass through unchanged (7 lock, 8 unlock, others ignored by the
// program), on the window's thread.
#include <cstdint>
#include <functional>
#include <memory>

namespace morvella::platform {

class Window;

using SessionChangeHandler = std::function<void(std::uintptr_t code)>;

class SessionEvents {
 public:
  virtual ~SessionEvents() = default;
  // Asks the system to report the changes of this program's own session to the window; false
  // when it refuses. The window must outlive the registration.
  virtual bool register_window(Window& window) = 0;
  // Puts a procedure in front of the registered window's own that hands each change to
  // `handler` and then passes every message, changes included, on unchanged.
  virtual void install(SessionChangeHandler handler) = 0;
  // Puts the window's own procedure back; nothing when none was replaced.
  virtual void restore() = 0;
  virtual void unregister_window() = 0;
};

std::unique_ptr<SessionEvents> make_session_events();

}  // namespace morvella::platform
