// A full disk stops a log insertion before anything moves, and a settings write before the file
// is touched: shown on a small tmpfs, where this process may mount one.
#include <sys/mount.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/log_file.h"
#include "platform/private_profile.h"
#include "session/event_log.h"
#include "support/fake_clock.h"
#include "support/fake_controls.h"
#include "support/scratch_directory.h"

namespace morvella {
namespace {

using testing::read_file;
using testing::write_file;

class FullDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disk_ = directory_.path() / "disk";
    std::filesystem::create_directory(disk_);
    if (::mount("tmpfs", disk_.c_str(), "tmpfs", 0, "size=256k") != 0)
      GTEST_SKIP() << "cannot mount a tmpfs here";
    mounted_ = true;
    std::filesystem::current_path(disk_);
  }
  void TearDown() override {
    std::filesystem::current_path(directory_.path());
    if (mounted_) ::umount2(disk_.c_str(), MNT_DETACH);
  }

  // Fills what is left of the disk.
  static void fill_disk() {
    std::ofstream filler("filler", std::ios::binary);
    const std::string chunk(4096, 'f');
    for (int i = 0; i < 1024 && filler.write(chunk.data(), chunk.size()); ++i) filler.flush();
  }

  testing::ScratchDirectory directory_;
  std::filesystem::path disk_;
  bool mounted_ = false;
};

TEST_F(FullDiskTest, InsertionFailsBeforeMovingAnything) {
  // Whole pages, so one more byte needs space the disk no longer has.
  std::string earlier;
  while (earlier.size() < 64 * 1024) earlier += "2022 earlier line\r\n";
  earlier.resize(64 * 1024);
  write_file(kLogFilePath, earlier);
  fill_disk();

  auto file = platform::LogFile::open_existing(kLogFilePath);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->reserve(64 * 1024 + 30));
  EXPECT_EQ(file->length(), 64 * 1024);
  file.reset();

  testing::FakeClock clock({{2022, 7, 2, 9, 5, 7}});
  testing::FakeLogBox box;
  EventLog(clock, box).log_event("A");
  EXPECT_FALSE(box.text().empty());
  EXPECT_TRUE(read_file(kLogFilePath) == earlier);
}

TEST_F(FullDiskTest, SettingsWriteFailsWithoutHarmingTheFile) {
  const std::string stored = "[Morvella]\r\nK=v\r\n";
  write_file("settings.ini", stored);
  fill_disk();
  EXPECT_FALSE(platform::write_profile_string("Morvella", "K", std::string(8192, 'x'), "./settings.ini"));
  EXPECT_EQ(read_file("settings.ini"), stored);
}

}  // namespace
}  // namespace morvella
