#pragma once
// The six settings between the settings file, the window's controls and `Settings`. The file is
// read once at start-up and written at every change; failures to read or write are silent.
#include <cstddef>
#include <string_view>

#include "app/controls.h"
#include "app/settings.h"
#include "text/text.h"

namespace morvella {

// Relative, so the file lies in the working directory.
inline constexpr std::string_view kSettingsFilePath = "./tixingpeizhi.ini";
// A value is read into this many bytes with its terminating NUL: at most 10,239 come back.
inline constexpr std::size_t kSettingsReadCapacity = 10240;

struct SettingsControls {
  EditBox& webhook_box;
  EditBox& content_box;
  EditBox& keyword_box;
  EditBox& secret_box;
  CheckBox& push_check;
  CheckBox& autostart_check;
};

class SettingsStore {
 public:
  SettingsStore(Settings& settings, SettingsControls controls)
      : settings_(settings), controls_(controls) {}

  // Fills the controls from the file (each box's text-changed handler writes its value back),
  // then reads the six keys again into `Settings`.
  void load_settings();

  // Text-changed handlers: the box's text goes to the file, then into its field.
  void on_webhook_edited();
  void on_content_edited();
  void on_keyword_edited();
  void on_secret_edited();
  // Clicked handlers: "真" or "假" goes into the field, then to the file.
  void on_push_toggled();
  void on_autostart_toggled();

 private:
  Text read(std::string_view key) const;
  void write(std::string_view key, std::string_view value) const;
  void load_check(CheckBox& check, std::string_view key) const;
  void on_text_edited(const EditBox& box, std::string_view key, Text& field) const;
  void on_check_toggled(const CheckBox& check, std::string_view key, Text& field) const;

  Settings& settings_;
  SettingsControls controls_;
};

}  // namespace morvella
