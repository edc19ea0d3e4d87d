#pragma once
// Stand-ins for the window toolkit and the session-event source: they record what the program
// asked of them and raise the events the real ones raise.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window_layout.h"
#include "platform/session_events.h"
#include "platform/window.h"
#include "support/fake_controls.h"

namespace morvella::testing {

// Built from the main window's layout, so every id the program asks for exists.
class FakeWindow final : public platform::Window {
 public:
  explicit FakeWindow(platform::WindowEvents& events) {
    for (const platform::ControlLayout& control : main_window_layout().controls) {
      const int id = control.id;
      switch (control.kind) {
        case platform::ControlKind::edit_box:
          edit_boxes_[id] = FakeEditBox(Text(control.text));
          edit_boxes_[id].on_text_changed = [&events, id] { events.on_text_changed(id); };
          break;
        case platform::ControlKind::check_box:
          check_boxes_[id].on_clicked = [&events, id] { events.on_clicked(id); };
          break;
        case platform::ControlKind::log_box:
          log_boxes_[id];
          break;
        case platform::ControlKind::label:
          break;
      }
    }
  }

  FakeEditBox& edit_box(int control_id) override { return edit_boxes_.at(control_id); }
  FakeCheckBox& check_box(int control_id) override { return check_boxes_.at(control_id); }
  FakeLogBox& log_box(int control_id) override { return log_boxes_.at(control_id); }
  void request_destroy() override { ++destroy_requests; }
  void show_message_box(std::string_view text, std::string_view caption) override {
    message_boxes.emplace_back(text, caption);
  }
  void* native_handle() const override { return nullptr; }

  int destroy_requests = 0;
  std::vector<std::pair<std::string, std::string>> message_boxes;  // text, caption

 private:
  std::map<int, FakeEditBox> edit_boxes_;
  std::map<int, FakeCheckBox> check_boxes_;
  std::map<int, FakeLogBox> log_boxes_;
};

class FakeSessionEvents final : public platform::SessionEvents {
 public:
  explicit FakeSessionEvents(bool registration_succeeds) : registration_succeeds_(registration_succeeds) {}

  bool register_window(platform::Window&) override {
    calls.emplace_back("register");
    return registration_succeeds_;
  }
  void install(platform::SessionChangeHandler handler) override {
    calls.emplace_back("install");
    handler_ = std::move(handler);
  }
  void restore() override {
    calls.emplace_back("restore");
    handler_ = nullptr;
  }
  void unregister_window() override { calls.emplace_back("unregister"); }

  // What the system does on a session change; nothing reaches the program unless installed.
  void deliver(std::uintptr_t code) const {
    if (handler_) handler_(code);
  }

  std::vector<std::string> calls;

 private:
  bool registration_succeeds_;
  platform::SessionChangeHandler handler_;
};

}  // namespace morvella::testing
