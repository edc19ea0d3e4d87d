#pragma once
// Stand-ins for the window's controls that record what the program did to them and raise the
// events the real toolkit raises.
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "app/controls.h"
#include "text/text.h"

namespace morvella::testing {

class FakeLogBox final : public LogBox {
 public:
  void append(std::string_view piece) override {
    text_ += piece;
    pieces_.emplace_back(piece);
  }
  const Text& text() const { return text_; }
  const TextList& pieces() const { return pieces_; }

 private:
  Text text_;
  TextList pieces_;
};

// Setting the text raises text-changed once, as typing does on the real control.
class FakeEditBox final : public EditBox {
 public:
  explicit FakeEditBox(Text initial = {}) : text_(std::move(initial)) {}
  Text text() const override { return text_; }
  void set_text(std::string_view text) override {
    text_ = text;
    if (on_text_changed) on_text_changed();
  }
  std::function<void()> on_text_changed;

 private:
  Text text_;
};

// Only click() raises the clicked event, after toggling, as a user's click does.
class FakeCheckBox final : public CheckBox {
 public:
  bool checked() const override { return checked_; }
  void set_checked(bool checked) override { checked_ = checked; }
  void click() {
    checked_ = !checked_;
    if (on_clicked) on_clicked();
  }
  std::function<void()> on_clicked;

 private:
  bool checked_ = false;
};

}  // namespace morvella::testing
