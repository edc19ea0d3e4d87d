#pragma once
// The program's frame: what happens when the main window is ready and when it closes, and which
// handler each control's event reaches. The window and the system come in through seams, so the
// whole start-up and shut-down can run against stand-ins.
#include <functional>
#include <optional>

#include "app/settings.h"
#include "app/settings_store.h"
#include "notify/unlock_notice.h"
#include "platform/session_events.h"
#include "platform/window.h"
#include "session/clock.h"
#include "session/event_log.h"
#include "session/session_handler.h"

namespace morvella {

// The user's autostart entry (platform/autostart.h); each gives false when it failed.
struct AutostartEntry {
  std::function<bool()> enable;
  std::function<bool()> disable;
  std::function<bool()> ensure;  // re-creates a missing or stale entry
};

// What the program reaches beyond its window.
struct SystemServices {
  const Clock& clock;
  RequestFunction request;
  platform::SessionEvents& session_events;
  AutostartEntry autostart;
};

class Program final : public platform::WindowEvents {
 public:
  explicit Program(SystemServices system);

  // Shows the earlier log, loads the settings (re-creating a missing autostart entry while
  // "开机启动" is stored on), then watches the session. When the system refuses to report
  // session changes, says so once and closes the window.
  void on_window_ready(platform::Window& window) override;
  // Undoes the watching: the window's own procedure back first, then the registration.
  void on_window_closing() override;
  // Each edit box and check box reaches its settings handler; ticking "开机启动" also creates the
  // autostart entry and unticking removes it.
  void on_text_changed(int id) override;
  void on_clicked(int id) override;

  const Settings& settings() const { return settings_; }

 private:
  void log_event(std::string_view message);

  SystemServices system_;
  Settings settings_;
  UnlockNotice notice_;
  SessionHandler session_handler_;
  // Both work on controls, which exist once the window does.
  std::optional<EventLog> log_;
  std::optional<SettingsStore> store_;
  bool watching_ = false;
};

// Opens the main window and runs until it is closed; the process's exit code.
int run_program();

}  // namespace morvella
