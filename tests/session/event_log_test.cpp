#include "session/event_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/fake_clock.h"
#include "support/fake_controls.h"
#include "support/scratch_directory.h"
#include "text/fixed_texts.h"

namespace morvella {
namespace {

using testing::FakeClock;
using testing::FakeLogBox;
using testing::read_file;
using testing::ScratchDirectory;
using testing::write_file;

const std::string kLog(kLogFilePath);
const std::string kLocked(fixed::kLockedMessage);
// 2022年7月2日9时5分7秒 and the second after it
const std::string kAt7 = "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5" "9\xCA\xB1" "5\xB7\xD6" "7\xC3\xEB";
const std::string kAt8 = "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5" "9\xCA\xB1" "5\xB7\xD6" "8\xC3\xEB";
const LocalTime k0907{2022, 7, 2, 9, 5, 7};
const LocalTime k0908{2022, 7, 2, 9, 5, 8};

TEST(TimeText, LeavesOutTrailingZeroParts) {
  const struct {
    LocalTime time;
    std::string text;
  } cases[] = {
      {{2022, 7, 2, 9, 5, 7}, kAt7},
      {{2022, 7, 2, 9, 5, 0}, "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5" "9\xCA\xB1" "5\xB7\xD6"},
      {{2022, 7, 2, 9, 0, 0}, "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5" "9\xCA\xB1"},
      {{2022, 7, 2, 0, 0, 30}, "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5" "0\xCA\xB1" "0\xB7\xD6" "30\xC3\xEB"},
      {{2022, 7, 2, 0, 0, 0}, "2022\xC4\xEA" "7\xD4\xC2" "2\xC8\xD5"},
      {{1999, 12, 31, 23, 59, 59}, "1999\xC4\xEA" "12\xD4\xC2" "31\xC8\xD5" "23\xCA\xB1" "59\xB7\xD6" "59\xC3\xEB"},
  };
  for (const auto& c : cases) EXPECT_EQ(time_text(c.time), c.text) << c.text;
}

class EventLogTest : public ::testing::Test {
 protected:
  ScratchDirectory directory;
  FakeLogBox box;
};

TEST_F(EventLogTest, BoxAndFileEachReadTheClock) {
  write_file(kLog, "old\r\n");
  FakeClock clock({k0907, k0908});
  EventLog(clock, box).log_event(kLocked);

  EXPECT_EQ(box.pieces(), (TextList{kAt7, " ", kLocked, "\r\n"}));
  EXPECT_EQ(read_file(kLog), kAt8 + " " + kLocked + "\r\nold\r\n");
}

TEST_F(EventLogTest, EmptyMessageKeepsTheSpace) {
  write_file(kLog, "");
  FakeClock clock({k0907});
  EventLog(clock, box).log_event("");

  EXPECT_EQ(box.text(), kAt7 + " \r\n");
  EXPECT_EQ(read_file(kLog), kAt7 + " \r\n");
}

TEST_F(EventLogTest, BoxOldestLastAndFileNewestFirstAcrossARestart) {
  FakeClock clock({k0907});
  {
    EventLog log(clock, box);
    log.preload_log();
    ASSERT_TRUE(std::filesystem::exists(kLog));
    for (const char* message : {"A", "B", "C"}) log.log_event(message);
  }
  EXPECT_EQ(box.text(), kAt7 + " A\r\n" + kAt7 + " B\r\n" + kAt7 + " C\r\n");
  EXPECT_EQ(read_file(kLog), kAt7 + " C\r\n" + kAt7 + " B\r\n" + kAt7 + " A\r\n");

  FakeLogBox restarted;
  EventLog log(clock, restarted);
  log.preload_log();
  log.log_event("D");
  EXPECT_EQ(restarted.text(),
            kAt7 + " C\r\n" + kAt7 + " B\r\n" + kAt7 + " A\r\n" + kAt7 + " D\r\n");
}

TEST_F(EventLogTest, MissingFileAtStartIsCreatedEmptyAndShowsNothing) {
  FakeClock clock({k0907});
  EventLog(clock, box).preload_log();
  EXPECT_TRUE(box.pieces().empty());
  ASSERT_TRUE(std::filesystem::exists(kLog));
  EXPECT_EQ(std::filesystem::file_size(kLog), 0u);
}

TEST_F(EventLogTest, FileDeletedWhileRunningIsNotCreatedAgain) {
  FakeClock clock({k0907});
  EventLog log(clock, box);
  log.preload_log();
  std::filesystem::remove(kLog);
  log.log_event(kLocked);
  EXPECT_EQ(box.text(), kAt7 + " " + kLocked + "\r\n");
  EXPECT_FALSE(std::filesystem::exists(kLog));
}

// A name that exists but cannot be opened as a file stays as it is; events reach the box only.
TEST_F(EventLogTest, UnopenableLogIsLeftAlone) {
  std::filesystem::create_directory(kLog);
  write_file(std::filesystem::path(kLog) / "inside", "kept");
  FakeClock clock({k0907});
  EventLog log(clock, box);
  log.preload_log();
  EXPECT_TRUE(box.pieces().empty());
  log.log_event("A");
  EXPECT_EQ(box.text(), kAt7 + " A\r\n");
  EXPECT_TRUE(std::filesystem::is_directory(kLog));
  EXPECT_EQ(read_file(std::filesystem::path(kLog) / "inside"), "kept");
}

TEST_F(EventLogTest, ReadOnlyLogIsLeftAlone) {
  write_file(kLog, "earlier\r\n");
  std::filesystem::permissions(kLog, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  if (std::ofstream(kLog, std::ios::app)) GTEST_SKIP() << "this user may write read-only files";
  FakeClock clock({k0907});
  EventLog log(clock, box);
  log.preload_log();
  log.log_event("A");
  EXPECT_EQ(box.text(), kAt7 + " A\r\n");
  EXPECT_EQ(read_file(kLog), "earlier\r\n");
}

// The box shows the text before the first NUL or Ctrl-Z that is not a trail byte; later
// insertions still go in front of the whole file.
TEST_F(EventLogTest, PreloadStopsAtNulAndCtrlZ) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    std::string file;
    std::string shown;
  } cases[] = {
      {"plain", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"nul", "ab\0cd"s, "ab"},
      {"ctrl-z", "ab\x1A" "cd", "ab"},
      {"ctrl-z as trail byte", "a\xB0\x1A" "b\0c"s, "a\xB0\x1A" "b"},
      {"nul as trail byte drops its lead", "a\xB0\0b"s, "a"},
      {"lone lead at the end", "a\xB0", "a\xB0"},
      {"invalid pairs pass", "\xFF\xFF\x80\x41", "\xFF\xFF\x80\x41"},
      {"nul first", "\0abc"s, ""},
  };
  for (const auto& c : cases) {
    write_file(kLog, c.file);
    FakeLogBox fresh;
    FakeClock clock({k0907});
    EventLog log(clock, fresh);
    log.preload_log();
    EXPECT_EQ(fresh.text(), c.shown) << c.name;
    EXPECT_EQ(fresh.pieces().size(), c.shown.empty() ? 0u : 1u) << c.name;
    log.log_event("A");
    EXPECT_EQ(read_file(kLog), kAt7 + " A\r\n" + c.file) << c.name;
  }
}

// Content of several move blocks, not a multiple of any block size, moves intact.
TEST_F(EventLogTest, LargeFileMovesIntact) {
  std::mt19937 random(7);
  std::string content(3 * 1024 * 1024 + 4097, '\0');
  for (char& byte : content) byte = static_cast<char>(random());
  write_file(kLog, content);
  FakeClock clock({k0907});
  EventLog log(clock, box);
  log.log_event("A");
  log.log_event("B");
  EXPECT_TRUE(read_file(kLog) == kAt7 + " B\r\n" + kAt7 + " A\r\n" + content);
}

}  // namespace
}  // namespace morvella
