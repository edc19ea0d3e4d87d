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
