#include "app/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fake_window.h"
#include "app/main_window_layout.h"
#include "support/fake_clock.h"
#include "support/scratch_directory.h"
#include "text/fixed_texts.h"

namespace morvella {
namespace {

using testing::FakeClock;
using testing::FakeSessionEvents;
using testing::FakeWindow;
using testing::read_file;
using testing::ScratchDirectory;
using testing::write_file;

using Calls = std::vector<std::string>;

const std::string kLog(kLogFilePath);
const std::string kSettingsFile(kSettingsFilePath);
const std::string kTrue(fixed::kTrue);
const std::string kWebhook = "http://127.0.0.1:9/robot/send?access_token=t";
const std::string kLocked(fixed::kLockedMessage);
const std::string kUnlocked(fixed::kUnlockedMessage);
// 2022年7月2日9时5分7秒
const std::string kAt = "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5" "9\xCA\xB1" "5\xB7\xD6" "7\xC3\xEB";

// One program with its window, over stand-ins for the system, in a fresh working directory.
class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(bool registration_succeeds = true) : session(registration_succeeds) {}

  void start() { program.on_window_ready(window); }

  std::string log_box_text() { return window.log_box(control_id::log_box).text(); }

  // A settings file as an earlier run leaves it: one section, GBK, CR LF.
  static void write_settings(const std::vector<std::pair<std::string_view, std::string>>& values) {
    std::string file = "[Morvella]\r\n";
    for (const auto& [key, value] : values) file += std::string(key) + "=" + value + "\r\n";
    write_file(kSettingsFile, file);
  }

  ScratchDirectory directory;
  FakeClock clock{{{2022, 7, 2, 9, 5, 7}}};
  std::vector<std::string> requested_urls;
  FakeSessionEvents session;
  Calls autostart_calls;
  Program program{{
      clock,
      [this](std::string_view url, const HttpRequestOptions&) {
        requested_urls.emplace_back(url);
        return Bytes{};
      },
      session,
      {[this] { return autostart_calls.emplace_back("enable"), true; },
       [this] { return autostart_calls.emplace_back("disable"), true; },
       [this] { return autostart_calls.emplace_back("ensure"), true; }},
  }};
  FakeWindow window{program};
};

class RefusedRegistration : public ProgramTest {
 protected:
  RefusedRegistration() : ProgramTest(false) {}
};

TEST_F(ProgramTest, StartsWatchingAfterTheLogIsShown) {
  write_file(kLog, "earlier\r\n");
  start();

  EXPECT_EQ(log_box_text(), "earlier\r\n");
  EXPECT_EQ(session.calls, (Calls{"register", "install"}));
  EXPECT_TRUE(window.message_boxes.empty());
  EXPECT_EQ(window.destroy_requests, 0);
}

TEST_F(ProgramTest, SessionChangesReachTheLog) {
  start();
  session.deliver(7);
  session.deliver(3);  // a remote connect: nothing
  session.deliver(8);  // pushing is off: no request

  const std::string lines = kAt + " " + kLocked + "\r\n" + kAt + " " + kUnlocked + "\r\n";
  EXPECT_EQ(log_box_text(), lines);
  EXPECT_EQ(read_file(kLog), kAt + " " + kUnlocked + "\r\n" + kAt + " " + kLocked + "\r\n");
  EXPECT_TRUE(requested_urls.empty());
}

TEST_F(ProgramTest, ClosingPutsTheProcedureBackBeforeUnregisteringAndLogsNothing) {
  start();
  program.on_window_closing();

  EXPECT_EQ(session.calls, (Calls{"register", "install", "restore", "unregister"}));
  EXPECT_EQ(log_box_text(), "");
  EXPECT_EQ(read_file(kLog), "");
}

TEST_F(ProgramTest, LoadsTheSettingsIntoTheControlsAndSavesEachChange) {
  write_settings({{fixed::kPushKey, kTrue}, {fixed::kWebhookKey, kWebhook}});
  start();

  EXPECT_TRUE(window.check_box(control_id::push_check).checked());
  EXPECT_FALSE(window.check_box(control_id::autostart_check).checked());
  EXPECT_EQ(window.edit_box(control_id::webhook_box).text(), kWebhook);
  EXPECT_EQ(window.edit_box(control_id::content_box).text(), "") << "the layout's default text is replaced";
  EXPECT_EQ(program.settings().push_flag, kTrue);
  EXPECT_EQ(program.settings().webhook_address, kWebhook);

  window.edit_box(control_id::keyword_box).set_text("k");
  window.edit_box(control_id::secret_box).set_text("s");
  window.edit_box(control_id::content_box).set_text("c");
  window.check_box(control_id::push_check).click();
  EXPECT_EQ(program.settings().keyword, "k");
  EXPECT_EQ(program.settings().secret, "s");
  EXPECT_EQ(program.settings().push_content, "c");
  EXPECT_EQ(program.settings().push_flag, fixed::kFalse);
  const std::string file = read_file(kSettingsFile);
  for (const std::string& line : {std::string(fixed::kKeywordKey) + "=k", std::string(fixed::kSecretKey) + "=s",
                                 std::string(fixed::kContentKey) + "=c",
                                 std::string(fixed::kPushKey) + "=" + std::string(fixed::kFalse)})
    EXPECT_NE(file.find(line + "\r\n"), std::string::npos) << line;
}

TEST_F(ProgramTest, UnlockWithPushingOnSendsTheNoticeBeforeItsLine) {
  write_settings({{fixed::kPushKey, kTrue}, {fixed::kWebhookKey, kWebhook}});
  start();
  session.deliver(8);

  EXPECT_EQ(requested_urls, (std::vector<std::string>{kWebhook}));
  const TextList& pieces = window.log_box(control_id::log_box).pieces();
  ASSERT_EQ(pieces.size(), 8u) << "the notice's line, then the unlock line";
  EXPECT_NE(pieces[2], kUnlocked);
  EXPECT_EQ(pieces[6], kUnlocked);
}

TEST_F(ProgramTest, AutostartEntryFollowsTheCheckBox) {
  write_settings({{fixed::kAutostartKey, kTrue}});
  start();
  EXPECT_EQ(autostart_calls, (Calls{"ensure"})) << "a stored 真 re-creates a missing entry";

  window.check_box(control_id::autostart_check).click();
  window.check_box(control_id::autostart_check).click();
  EXPECT_EQ(autostart_calls, (Calls{"ensure", "disable", "enable"}));
  EXPECT_EQ(program.settings().autostart_flag, kTrue);
}

TEST_F(ProgramTest, AutostartEntryIsLeftAloneUnlessStoredOn) {
  for (const std::string& stored : {std::string(fixed::kFalse), std::string("1"), std::string("")}) {
    write_settings({{fixed::kAutostartKey, stored}});
    program.on_window_ready(window);
    EXPECT_TRUE(autostart_calls.empty()) << stored;
  }
}

TEST_F(RefusedRegistration, SaysSoOnceAndClosesTheWindowWithoutWatching) {
  start();

  ASSERT_EQ(window.message_boxes.size(), 1u);
  EXPECT_EQ(window.message_boxes[0].first, fixed::kRegistrationFailedText);
  EXPECT_EQ(window.message_boxes[0].second, fixed::kRegistrationFailedCaption);
  EXPECT_EQ(window.destroy_requests, 1);
  EXPECT_EQ(session.calls, (Calls{"register"}));

  session.deliver(7);
  program.on_window_closing();
  EXPECT_EQ(session.calls, (Calls{"register", "unregister"}));
  EXPECT_EQ(log_box_text(), "");
  EXPECT_EQ(read_file(kLog), "");
}

}  // namespace
}  // namespace morvella
