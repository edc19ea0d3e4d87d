#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/fake_controls.h"
#include "support/scratch_directory.h"
#include "text/fixed_texts.h"

namespace morvella {
namespace {

using testing::FakeCheckBox;
using testing::FakeEditBox;
using testing::read_file;
using testing::ScratchDirectory;
using testing::write_file;

const std::string kIni(kSettingsFilePath);
const std::string kTrue(fixed::kTrue);
const std::string kFalse(fixed::kFalse);

std::string key_line(std::string_view key, const std::string& value) {
  return std::string(key) + "=" + value + "\r\n";
}

// The window's controls wired to the store as the window wires them.
class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStoreTest() {
    webhook.on_text_changed = [this] { store.on_webhook_edited(); };
    content.on_text_changed = [this] { store.on_content_edited(); };
    keyword.on_text_changed = [this] { store.on_keyword_edited(); };
    secret.on_text_changed = [this] { store.on_secret_edited(); };
    push.on_clicked = [this] { store.on_push_toggled(); };
    autostart.on_clicked = [this] { store.on_autostart_toggled(); };
  }

  ScratchDirectory directory;
  Settings settings;
  FakeEditBox webhook, content{Text(fixed::kDefaultContent)}, keyword, secret;
  FakeCheckBox push, autostart;
  SettingsStore store{settings, {webhook, content, keyword, secret, push, autostart}};
};

TEST_F(SettingsStoreTest, FirstStartWritesTheFourTextKeysInOrder) {
  store.load_settings();
  for (const FakeEditBox* box : {&webhook, &content, &keyword, &secret}) EXPECT_EQ(box->text(), "");
  EXPECT_FALSE(push.checked());
  EXPECT_FALSE(autostart.checked());
  for (const Text* field : {&settings.push_flag, &settings.autostart_flag, &settings.webhook_address,
                            &settings.push_content, &settings.keyword, &settings.secret})
    EXPECT_EQ(*field, "");
  EXPECT_EQ(read_file(kIni), "[Morvella]\r\n" + key_line(fixed::kWebhookKey, "") +
                                 key_line(fixed::kContentKey, "") + key_line(fixed::kKeywordKey, "") +
                                 key_line(fixed::kSecretKey, ""));
}

// Only the exact text 真 ticks a box; the field keeps whatever was stored.
TEST_F(SettingsStoreTest, FlagsKeepTheStoredText) {
  write_file(kIni, "[Morvella]\r\n" + key_line(fixed::kPushKey, "1") +
                       key_line(fixed::kAutostartKey, kTrue));
  store.load_settings();
  EXPECT_FALSE(push.checked());
  EXPECT_EQ(settings.push_flag, "1");
  EXPECT_TRUE(autostart.checked());
  EXPECT_EQ(settings.autostart_flag, kTrue);
}

TEST_F(SettingsStoreTest, TickingAndUntickingStoresFalse) {
  store.load_settings();
  push.click();
  EXPECT_EQ(settings.push_flag, kTrue);
  push.click();
  EXPECT_EQ(settings.push_flag, kFalse);
  autostart.click();
  EXPECT_EQ(settings.autostart_flag, kTrue);
  const std::string file = read_file(kIni);
  EXPECT_NE(file.find(key_line(fixed::kPushKey, kFalse)), std::string::npos) << file;
  EXPECT_NE(file.find(key_line(fixed::kAutostartKey, kTrue)), std::string::npos) << file;
}

TEST_F(SettingsStoreTest, EachKeystrokeWritesTheFile) {
  store.load_settings();
  for (const std::string typed : {"a", "ab", "abc"}) {
    webhook.set_text(typed);
    EXPECT_NE(read_file(kIni).find(key_line(fixed::kWebhookKey, typed)), std::string::npos);
    EXPECT_EQ(settings.webhook_address, typed);
  }
}

// Values come back without surrounding blanks and one pair of quotes, cut to 10,239 bytes of
// whole characters; the load's write-back stores them so.
TEST_F(SettingsStoreTest, LoadedValuesAreTrimmedUnquotedAndCut) {
  const std::string long_value(10300, 'x');
  const std::string chinese = "\xD6\xD0\xCE\xC4";  // 中文
  write_file(kIni, "[Morvella]\r\n" + key_line(fixed::kWebhookKey, long_value) +
                       key_line(fixed::kContentKey, "'" + chinese + "'") +
                       key_line(fixed::kKeywordKey, "  \"abc\"  ") +
                       key_line(fixed::kSecretKey, "  x y  "));
  store.load_settings();
  EXPECT_EQ(webhook.text(), long_value.substr(0, 10239));
  EXPECT_EQ(content.text(), chinese);
  EXPECT_EQ(keyword.text(), "abc");
  EXPECT_EQ(secret.text(), "x y");
  EXPECT_EQ(settings.webhook_address, webhook.text());
  EXPECT_EQ(settings.push_content, content.text());
  EXPECT_EQ(settings.keyword, "abc");
  EXPECT_EQ(read_file(kIni), "[Morvella]\r\n" + key_line(fixed::kWebhookKey, long_value.substr(0, 10239)) +
                                 key_line(fixed::kContentKey, chinese) +
                                 key_line(fixed::kKeywordKey, "abc") + key_line(fixed::kSecretKey, "x y"));
}

// A settings file that cannot be written leaves the program running as set.
TEST_F(SettingsStoreTest, UnwritableFileStillUpdatesTheFields) {
  std::filesystem::create_directory(kIni);
  store.load_settings();
  webhook.set_text("http://a");
  push.click();
  EXPECT_EQ(settings.webhook_address, "http://a");
  EXPECT_EQ(settings.push_flag, kTrue);
  EXPECT_TRUE(std::filesystem::is_directory(kIni));
}

TEST_F(SettingsStoreTest, ReadOnlyFileIsKept) {
  const std::string stored = "[Morvella]\r\n" + key_line(fixed::kWebhookKey, "old");
  write_file(kIni, stored);
  std::filesystem::permissions(kIni, std::filesystem::perms::owner_read);
  if (std::ofstream(kIni, std::ios::app)) GTEST_SKIP() << "this user may write read-only files";
  store.load_settings();
  webhook.set_text("new");
  EXPECT_EQ(settings.webhook_address, "new");
  EXPECT_EQ(read_file(kIni), stored);
}

// Whatever the file holds, the controls and the fields agree after loading.
TEST_F(SettingsStoreTest, GarbageFileLoadsConsistently) {
  std::mt19937 random(11);
  const std::string alphabet = std::string("[]=;\"' \t\r\n\x1A\x80\xFF\xD6\xD0" "abMorvela\0", 25) +
                               std::string(fixed::kPushKey) + std::string(fixed::kWebhookKey);
  for (int round = 0; round < 20; ++round) {
    std::string garbage = "[Morvella]\r\n";
    for (int i = 0; i < 400; ++i) garbage += alphabet[random() % alphabet.size()];
    write_file(kIni, garbage);
    store.load_settings();
    EXPECT_EQ(settings.webhook_address, webhook.text());
    EXPECT_EQ(settings.push_content, content.text());
    EXPECT_EQ(push.checked(), settings.push_flag == kTrue);
  }
}

}  // namespace
}  // namespace morvella
