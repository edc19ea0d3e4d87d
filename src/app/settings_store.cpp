#include "app/settings_store.h"

#include "platform/private_profile.h"
#include "text/fixed_texts.h"

namespace morvella {

Text SettingsStore::read(std::string_view key) const {
  return platform::read_profile_string(fixed::kSettingsSection, key, kSettingsReadCapacity,
                                       kSettingsFilePath);
}

// A failed write is not reported: the field still takes the value, so the running program
// behaves as set, and the next start shows what the file kept.
void SettingsStore::write(std::string_view key, std::string_view value) const {
  platform::write_profile_string(fixed::kSettingsSection, key, value, kSettingsFilePath);
}

void SettingsStore::load_check(CheckBox& check, std::string_view key) const {
  check.set_checked(false);
  if (read(key) == fixed::kTrue) check.set_checked(true);
}

void SettingsStore::load_settings() {
  load_check(controls_.push_check, fixed::kPushKey);
  load_check(controls_.autostart_check, fixed::kAutostartKey);
  // Set even when empty, so the layout's default content text gives way to the stored one.
  controls_.webhook_box.set_text(read(fixed::kWebhookKey));
  controls_.content_box.set_text(read(fixed::kContentKey));
  controls_.keyword_box.set_text(read(fixed::kKeywordKey));
  controls_.secret_box.set_text(read(fixed::kSecretKey));

  settings_.push_flag = read(fixed::kPushKey);
  settings_.autostart_flag = read(fixed::kAutostartKey);
  settings_.webhook_address = read(fixed::kWebhookKey);
  settings_.push_content = read(fixed::kContentKey);
  settings_.keyword = read(fixed::kKeywordKey);
  settings_.secret = read(fixed::kSecretKey);
}

void SettingsStore::on_text_edited(const EditBox& box, std::string_view key, Text& field) const {
  write(key, box.text());
  field = box.text();
}

void SettingsStore::on_check_toggled(const CheckBox& check, std::string_view key,
                                     Text& field) const {
  field = check.checked() ? fixed::kTrue : fixed::kFalse;
  write(key, field);
}

void SettingsStore::on_webhook_edited() {
  on_text_edited(controls_.webhook_box, fixed::kWebhookKey, settings_.webhook_address);
}
void SettingsStore::on_content_edited() {
  on_text_edited(controls_.content_box, fixed::kContentKey, settings_.push_content);
}
void SettingsStore::on_keyword_edited() {
  on_text_edited(controls_.keyword_box, fixed::kKeywordKey, settings_.keyword);
}
void SettingsStore::on_secret_edited() {
  on_text_edited(controls_.secret_box, fixed::kSecretKey, settings_.secret);
}
void SettingsStore::on_push_toggled() {
  on_check_toggled(controls_.push_check, fixed::kPushKey, settings_.push_flag);
}
void SettingsStore::on_autostart_toggled() {
  on_check_toggled(controls_.autostart_check, fixed::kAutostartKey, settings_.autostart_flag);
}

}  // namespace morvella
