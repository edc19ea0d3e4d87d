#pragma once
// The window toolkit: one top-level window built from a portable layout table, its controls
// seen through the interfaces of app/controls.h, and the message loop. Every call is made on
// the thread that runs the loop.
#include <memory>
#include <span>
#include <string_view>

#include "app/controls.h"

namespace morvella::platform {

enum class ControlKind {
  label,      // plain static text
  check_box,  // two states, toggled by its own click
  edit_box,   // one line, scrolls sideways, no length limit
  log_box,    // many lines wrapped at its width, vertical scroll bar, no length limit
};

// Pixels at 96 DPI; the toolkit scales them to the screen's resolution.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlLayout {
  int id;  // unique among the window's controls, above 0
  ControlKind kind;
  Bounds bounds;  // in the window's client area
  std::string_view text;
};

struct WindowLayout {
  std::string_view title;
  int outer_width;  // the whole window, frame and title bar included
  int outer_height;
  std::span<const ControlLayout> controls;
};

class Window;

// What the toolkit tells its user. Events come from inside the message loop, except the first,
// which open_window raises itself.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // The window and all its controls exist and are shown; raised once.
  virtual void on_window_ready(Window& window) = 0;
  // The window is being destroyed; its controls can still be used.
  virtual void on_window_closing() = 0;
  // An edit box's text changed, by the user or by EditBox::set_text.
  virtual void on_text_changed(int control_id) = 0;
  // A check box was clicked, after it toggled itself.
  virtual void on_clicked(int control_id) = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  // The control of that id and kind; the layout guarantees it exists.
  virtual EditBox& edit_box(int control_id) = 0;
  virtual CheckBox& check_box(int control_id) = 0;
  virtual LogBox& log_box(int control_id) = 0;
  // Destroys the window later, from the message loop, as closing it does.
  virtual void request_destroy() = 0;
  // A message box with one OK button, no icon and no owner, blocking every window of this
  // program until the user has closed it.
  virtual void show_message_box(std::string_view text, std::string_view caption) = 0;
  // The system's own handle of the window, for the other seams that work on it.
  virtual void* native_handle() const = 0;
};

// Creates the window centred on the screen with every control of the layout, shows it, then
// raises ready. Null when the system refuses to create it.
std::unique_ptr<Window> open_window(const WindowLayout& layout, WindowEvents& events);

// Runs until the program's last window is gone; returns the process's exit code.
int run_message_loop();

}  // namespace morvella::platform
