#include <memory>

#include "app/main_window_layout.h"
#include "app/program.h"
#include "http/http_request.h"
#include "platform/autostart.h"

namespace morvella {

int run_program() {
  const SystemClock clock;
  const std::unique_ptr<platform::SessionEvents> session_events = platform::make_session_events();
  Program program({
      clock,
      [](std::string_view url, const HttpRequestOptions& options) { return http_request(url, options); },
      *session_events,
      {&platform::enable_autostart, &platform::disable_autostart, &platform::ensure_autostart},
  });
  const std::unique_ptr<platform::Window> window = platform::open_window(main_window_layout(), program);
  if (window == nullptr) return 1;
  return platform::run_message_loop();
}

}  // namespace morvella
