#pragma once
// What the program's logic needs of the window's controls. The window toolkit implements these
// over real controls; tests use fakes that record what happened.
#include <string_view>

#include "text/text.h"

namespace morvella {

class LogBox {
 public:
  virtual ~LogBox() = default;
  // Adds the piece at the very end of the box's text, whatever the caret or selection was, and
  // leaves the caret at the end with the end scrolled into view.
  virtual void append(std::string_view piece) = 0;
};

class EditBox {
 public:
  virtual ~EditBox() = default;
  virtual Text text() const = 0;
  // Raises the box's text-changed event once, as typing does.
  virtual void set_text(std::string_view text) = 0;
};

class CheckBox {
 public:
  virtual ~CheckBox() = default;
  virtual bool checked() const = 0;
  // Raises no clicked event: only the user's click does.
  virtual void set_checked(bool checked) = 0;
};

}  // namespace morvella
