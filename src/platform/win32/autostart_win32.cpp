#include "platform/autostart.h"

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

namespace morvella::platform {
namespace {

// COM for the calls of one operation; works whether or not the thread already had it.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  // A thread already in the other apartment model can still use the shell link.
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (object_ != nullptr) object_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  T* operator->() const { return object_; }
  T* get() const { return object_; }
  void** out() { return reinterpret_cast<void**>(&object_); }

 private:
  T* object_ = nullptr;
};

std::wstring startup_shortcut_path() {
  PWSTR folder = nullptr;
  std::wstring path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder)))
    path = std::wstring(folder) + L"\\Morvella.lnk";
  CoTaskMemFree(folder);
  return path;
}

std::wstring program_path() {
  // Long paths can exceed MAX_PATH; the buffer grows until the name fits.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<wchar_t> buffer(size);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return std::wstring(buffer.data(), length);
  }
  return {};
}

std::wstring working_directory() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) return {};
  std::vector<wchar_t> buffer(size);
  const DWORD length = GetCurrentDirectoryW(size, buffer.data());
  return length == 0 || length >= size ? std::wstring() : std::wstring(buffer.data(), length);
}

bool create_shell_link(ComRef<IShellLinkW>& link) {
  return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out()));
}

bool same_path(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

bool enable_autostart() {
  const ComScope com;
  const std::wstring shortcut = startup_shortcut_path();
  const std::wstring program = program_path();
  const std::wstring directory = working_directory();
  if (!com.usable() || shortcut.empty() || program.empty() || directory.empty()) return false;
  ComRef<IShellLinkW> link;
  ComRef<IPersistFile> file;
  return create_shell_link(link) && SUCCEEDED(link->SetPath(program.c_str())) &&
         SUCCEEDED(link->SetWorkingDirectory(directory.c_str())) &&
         SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) &&
         SUCCEEDED(file->Save(shortcut.c_str(), TRUE));
}

bool disable_autostart() {
  const std::wstring shortcut = startup_shortcut_path();
  if (shortcut.empty()) return false;
  return DeleteFileW(shortcut.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool autostart_is_current() {
  const ComScope com;
  const std::wstring shortcut = startup_shortcut_path();
  if (!com.usable() || shortcut.empty() || GetFileAttributesW(shortcut.c_str()) == INVALID_FILE_ATTRIBUTES)
    return false;
  ComRef<IShellLinkW> link;
  ComRef<IPersistFile> file;
  if (!create_shell_link(link) || FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
      FAILED(file->Load(shortcut.c_str(), STGM_READ)))
    return false;
  std::vector<wchar_t> target(32768);
  std::vector<wchar_t> directory(32768);
  if (link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, SLGP_RAWPATH) != S_OK ||
      FAILED(link->GetWorkingDirectory(directory.data(), static_cast<int>(directory.size()))))
    return false;
  return same_path(target.data(), program_path()) && same_path(directory.data(), working_directory());
}

}  // namespace morvella::platform
