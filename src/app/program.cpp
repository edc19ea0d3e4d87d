#include "app/program.h"

#include <utility>

#include "app/main_window_layout.h"
#include "text/fixed_texts.h"

namespace morvella {

Program::Program(SystemServices system)
    : system_(std::move(system)),
      notice_(settings_, system_.clock, system_.request, [this](std::string_view message) { log_event(message); }),
      session_handler_([this] { notice_.send_unlock_notice(); },
                       [this](std::string_view message) { log_event(message); }) {}

void Program::on_window_ready(platform::Window& window) {
  log_.emplace(system_.clock, window.log_box(control_id::log_box));
  log_->preload_log();
  store_.emplace(settings_, SettingsControls{
                                window.edit_box(control_id::webhook_box),
                                window.edit_box(control_id::content_box),
                                window.edit_box(control_id::keyword_box),
                                window.edit_box(control_id::secret_box),
                                window.check_box(control_id::push_check),
                                window.check_box(control_id::autostart_check),
                            });
  store_->load_settings();
  if (settings_.autostart_flag == fixed::kTrue) system_.autostart.ensure();
  platform::SessionEvents& session = system_.session_events;
  if (!session.register_window(window)) {
    window.show_message_box(fixed::kRegistrationFailedText, fixed::kRegistrationFailedCaption);
    window.request_destroy();
    return;
  }
  session.install([this](std::uintptr_t code) { session_handler_.on_session_change(code); });
  watching_ = true;
}

void Program::on_window_closing() {
  if (watching_) system_.session_events.restore();
  watching_ = false;
  system_.session_events.unregister_window();
}

void Program::on_text_changed(int id) {
  if (!store_) return;
  switch (id) {
    case control_id::webhook_box:
      store_->on_webhook_edited();
      break;
    case control_id::content_box:
      store_->on_content_edited();
      break;
    case control_id::keyword_box:
      store_->on_keyword_edited();
      break;
    case control_id::secret_box:
      store_->on_secret_edited();
      break;
  }
}

void Program::on_clicked(int id) {
  if (!store_) return;
  switch (id) {
    case control_id::push_check:
      store_->on_push_toggled();
      break;
    case control_id::autostart_check:
      store_->on_autostart_toggled();
      if (settings_.autostart_flag == fixed::kTrue) {
        system_.autostart.enable();
      } else {
        system_.autostart.disable();
      }
      break;
  }
}

void Program::log_event(std::string_view message) { log_->log_event(message); }

}  // namespace morvella
