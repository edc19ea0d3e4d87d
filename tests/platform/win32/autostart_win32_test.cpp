#include "platform/autostart.h"

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_directory.h"

namespace morvella {
namespace {

namespace fs = std::filesystem;

struct Shortcut {
  std::wstring target;
  std::wstring directory;
};

std::wstring shortcut_path() {
  PWSTR folder = nullptr;
  EXPECT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, 0, nullptr, &folder)));
  const std::wstring path = folder ? std::wstring(folder) + L"\\Morvella.lnk" : std::wstring();
  CoTaskMemFree(folder);
  return path;
}

std::wstring program_path() {
  std::vector<wchar_t> buffer(32768);
  return std::wstring(buffer.data(), GetModuleFileNameW(nullptr, buffer.data(), 32768));
}

// Opens the shortcut file through the shell, as the session start-up does.
class ShortcutFile {
 public:
  ShortcutFile() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                     reinterpret_cast<void**>(&link_));
    if (link_) link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file_));
  }
  ~ShortcutFile() {
    if (file_) file_->Release();
    if (link_) link_->Release();
    CoUninitialize();
  }
  ShortcutFile(const ShortcutFile&) = delete;
  ShortcutFile& operator=(const ShortcutFile&) = delete;

  Shortcut read() {
    std::vector<wchar_t> target(32768), directory(32768);
    EXPECT_TRUE(file_ && SUCCEEDED(file_->Load(shortcut_path().c_str(), STGM_READ)));
    if (!file_) return {};
    link_->GetPath(target.data(), 32768, nullptr, SLGP_RAWPATH);
    link_->GetWorkingDirectory(directory.data(), 32768);
    return {target.data(), directory.data()};
  }
  void write(const Shortcut& shortcut) {
    ASSERT_TRUE(file_);
    link_->SetPath(shortcut.target.c_str());
    link_->SetWorkingDirectory(shortcut.directory.c_str());
    ASSERT_TRUE(SUCCEEDED(file_->Save(shortcut_path().c_str(), TRUE)));
  }

 private:
  IShellLinkW* link_ = nullptr;
  IPersistFile* file_ = nullptr;
};

bool same_path(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The Startup folder is the prefix's own, so every test leaves it without the shortcut.
class AutostartTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::disable_autostart()); }
  void TearDown() override { platform::disable_autostart(); }
  bool shortcut_exists() const { return GetFileAttributesW(shortcut_path().c_str()) != INVALID_FILE_ATTRIBUTES; }

  testing::ScratchDirectory working_;
};

TEST_F(AutostartTest, EnableCreatesTheShortcutAndDisableRemovesIt) {
  EXPECT_FALSE(platform::autostart_is_current());
  ASSERT_TRUE(platform::enable_autostart());
  const Shortcut shortcut = ShortcutFile().read();
  EXPECT_TRUE(same_path(shortcut.target, program_path()));
  EXPECT_TRUE(same_path(shortcut.directory, fs::current_path().wstring()));
  EXPECT_TRUE(platform::autostart_is_current());

  EXPECT_TRUE(platform::disable_autostart());
  EXPECT_FALSE(shortcut_exists());
  EXPECT_FALSE(platform::autostart_is_current());
  EXPECT_TRUE(platform::disable_autostart()) << "nothing left to remove is no failure";
}

TEST_F(AutostartTest, EnsureRecreatesMissingOrStaleShortcuts) {
  ASSERT_TRUE(platform::ensure_autostart());
  EXPECT_TRUE(platform::autostart_is_current()) << "missing shortcut created";

  ShortcutFile().write({L"C:\\old\\morvella.exe", fs::current_path().wstring()});
  EXPECT_FALSE(platform::autostart_is_current()) << "another program";
  ASSERT_TRUE(platform::ensure_autostart());
  EXPECT_TRUE(same_path(ShortcutFile().read().target, program_path()));

  const fs::path moved = working_.path() / "moved";
  fs::create_directory(moved);
  fs::current_path(moved);
  EXPECT_FALSE(platform::autostart_is_current()) << "another working directory";
  ASSERT_TRUE(platform::ensure_autostart());
  EXPECT_TRUE(same_path(ShortcutFile().read().directory, fs::current_path().wstring()));
}

}  // namespace
}  // namespace morvella
