#include "platform/autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include "support/scratch_directory.h"

namespace morvella {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the test's lifetime and puts the old value back after.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    set(value);
  }
  ~ScopedEnvironment() { set(old_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  void set(const std::optional<std::string>& value) {
    if (value) {
      setenv(name_, value->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

// The working directory and the configuration home are both fresh scratch directories.
class AutostartTest : public ::testing::Test {
 protected:
  fs::path config() const { return home_.path() / "config"; }
  fs::path entry() const { return config() / "autostart" / "morvella.desktop"; }

  testing::ScratchDirectory home_;
  ScopedEnvironment xdg_{"XDG_CONFIG_HOME", config().string()};
  testing::ScratchDirectory working_;
};

TEST_F(AutostartTest, EnableWritesAnEntryAndDisableRemovesIt) {
  EXPECT_FALSE(platform::autostart_is_current());
  ASSERT_TRUE(platform::enable_autostart());
  const std::string program = fs::read_symlink("/proc/self/exe").string();
  ASSERT_EQ(program.find_first_of("\"`$\\%"), std::string::npos) << "the expectation below quotes plainly";
  EXPECT_EQ(testing::read_file(entry()), "[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Morvella\n"
                                         "Exec=\"" + program + "\"\n"
                                         "Path=" + fs::current_path().string() + "\n");
  EXPECT_TRUE(platform::autostart_is_current());
  EXPECT_EQ(std::distance(fs::directory_iterator(entry().parent_path()), fs::directory_iterator()), 1)
      << "nothing but the entry is left in the folder";
  EXPECT_TRUE(platform::disable_autostart());
  EXPECT_FALSE(fs::exists(entry()));
  EXPECT_FALSE(platform::autostart_is_current());
  EXPECT_TRUE(platform::disable_autostart()) << "nothing left to remove is no failure";
}

TEST_F(AutostartTest, EnsureRecreatesMissingOrStaleEntries) {
  ASSERT_TRUE(platform::ensure_autostart());
  EXPECT_TRUE(platform::autostart_is_current()) << "missing entry created";

  testing::write_file(entry(), "[Desktop Entry]\nType=Application\nName=Morvella\nExec=\"/old/morvella\"\nPath=" +
                                   fs::current_path().string() + "\n");
  EXPECT_FALSE(platform::autostart_is_current()) << "another program";
  ASSERT_TRUE(platform::ensure_autostart());
  EXPECT_TRUE(platform::autostart_is_current());

  const fs::path moved = working_.path() / "moved";
  fs::create_directory(moved);
  fs::current_path(moved);
  EXPECT_FALSE(platform::autostart_is_current()) << "another working directory";
  ASSERT_TRUE(platform::ensure_autostart());
  EXPECT_NE(testing::read_file(entry()).find("\nPath=" + moved.string() + "\n"), std::string::npos);
}

TEST_F(AutostartTest, WorkingDirectoryIsEscaped) {
  const fs::path odd = working_.path() / "back\\slash\nline";
  fs::create_directory(odd);
  fs::current_path(odd);
  ASSERT_TRUE(platform::enable_autostart());
  EXPECT_NE(testing::read_file(entry()).find("\nPath=" + working_.path().string() + "/back\\\\slash\\nline\n"),
            std::string::npos);
  EXPECT_TRUE(platform::autostart_is_current());
}

TEST_F(AutostartTest, RelativeOrMissingConfigHomeFallsBackToHome) {
  const ScopedEnvironment home("HOME", home_.path().string());
  for (const std::optional<std::string>& xdg : {std::optional<std::string>("relative/config"),
                                               std::optional<std::string>(""), std::optional<std::string>()}) {
    const ScopedEnvironment relative("XDG_CONFIG_HOME", xdg);
    ASSERT_TRUE(platform::enable_autostart());
    EXPECT_TRUE(fs::exists(home_.path() / ".config" / "autostart" / "morvella.desktop"));
    EXPECT_FALSE(fs::exists(working_.path() / "relative"));
    ASSERT_TRUE(platform::disable_autostart());
  }
}

}  // namespace
}  // namespace morvella
