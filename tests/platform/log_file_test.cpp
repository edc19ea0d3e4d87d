#include "platform/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scratch_directory.h"

namespace morvella::platform {
namespace {

using morvella::testing::read_file;
using morvella::testing::write_file;

TEST(LogFile, OpeningNeverCreatesAndCreatingNeverReplaces) {
  morvella::testing::ScratchDirectory directory;
  EXPECT_EQ(LogFile::open_existing("./log.txt"), nullptr);
  EXPECT_FALSE(std::filesystem::exists("log.txt"));

  EXPECT_TRUE(LogFile::create_new("./log.txt"));
  EXPECT_EQ(std::filesystem::file_size("log.txt"), 0u);
  write_file("log.txt", "kept");
  EXPECT_FALSE(LogFile::create_new("./log.txt"));
  EXPECT_EQ(read_file("log.txt"), "kept");
}

TEST(LogFile, ReadsWritesSeeksAndReserves) {
  morvella::testing::ScratchDirectory directory;
  write_file("log.txt", "abcdef");
  auto file = LogFile::open_existing("./log.txt");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->length(), 6);
  ASSERT_TRUE(file->reserve(10));
  EXPECT_EQ(file->length(), 10);
  ASSERT_TRUE(file->seek(2));
  char two[2];
  EXPECT_EQ(file->read(two, 2), 2);
  EXPECT_EQ(std::string(two, 2), "cd");
  ASSERT_TRUE(file->seek(6));
  EXPECT_TRUE(file->write("ghij", 4));
  ASSERT_TRUE(file->seek(10));
  EXPECT_EQ(file->read(two, 2), 0);
  file.reset();
  EXPECT_EQ(read_file("log.txt"), "abcdefghij");
}

// Others may read, write and delete the file while it is open.
TEST(LogFile, SharesEverything) {
  morvella::testing::ScratchDirectory directory;
  write_file("log.txt", "x");
  auto first = LogFile::open_existing("./log.txt");
  auto second = LogFile::open_existing("./log.txt");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(read_file("log.txt"), "x");
  std::error_code error;
  EXPECT_TRUE(std::filesystem::remove("log.txt", error)) << error.message();
}

}  // namespace
}  // namespace morvella::platform
