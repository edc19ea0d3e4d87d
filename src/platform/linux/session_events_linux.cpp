#include "platform/session_events.h"

namespace morvella::platform {
namespace {

// No session source is wired up on Linux yet: registration is refused, so nothing is installed.
class UnavailableSessionEvents final : public SessionEvents {
 public:
  bool register_window(Window&) override { return false; }
  void install(SessionChangeHandler) override {}
  void restore() override {}
  void unregister_window() override {}
};

}  // namespace

std::unique_ptr<SessionEvents> make_session_events() { return std::make_unique<UnavailableSessionEvents>(); }

}  // namespace morvella::platform
