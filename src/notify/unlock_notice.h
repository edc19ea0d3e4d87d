#pragma once
// The message the program exists for: on unlock, while pushing is on, one text message to the
// chat robot's webhook saying when the computer was unlocked.
#include <functional>
#include <string_view>

#include "app/settings.h"
#include "http/http_request.h"
#include "session/clock.h"
#include "text/text.h"

namespace morvella {

// Sends one request and returns the response body, empty when the request failed.
using RequestFunction = std::function<Bytes(std::string_view url, const HttpRequestOptions& options)>;
// Writes one event line.
using LogFunction = std::function<void(std::string_view message)>;

class UnlockNotice {
 public:
  // The settings are read at each call, so edits made meanwhile take effect.
  UnlockNotice(const Settings& settings, const Clock& clock, RequestFunction request, LogFunction log);

  // When the push flag is exactly "真": posts the notice, blocking until the robot has answered,
  // then logs whether it arrived. Otherwise does nothing.
  void send_unlock_notice() const;

 private:
  const Settings& settings_;
  const Clock& clock_;
  RequestFunction request_;
  LogFunction log_;
};

}  // namespace morvella
