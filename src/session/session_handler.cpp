#include "session/session_handler.h"

#include <utility>

#include "text/fixed_texts.h"

namespace morvella {

SessionHandler::SessionHandler(std::function<void()> send_unlock_notice,
                               std::function<void(std::string_view)> log_event)
    : send_unlock_notice_(std::move(send_unlock_notice)), log_event_(std::move(log_event)) {}

void SessionHandler::on_session_change(std::uintptr_t code) const {
  if (code == kSessionLock) {
    log_event_(fixed::kLockedMessage);
  } else if (code == kSessionUnlock) {
    send_unlock_notice_();
    log_event_(fixed::kUnlockedMessage);
  }
}

}  // namespace morvella
