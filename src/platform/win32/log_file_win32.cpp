#include "platform/log_file.h"

#include <windows.h>

#include <string>

namespace morvella::platform {
namespace {

// Larger requests are split so each fits the DWORD counts of ReadFile and WriteFile.
constexpr std::size_t kLargestTransfer = 1u << 30;

class Win32LogFile final : public LogFile {
 public:
  explicit Win32LogFile(HANDLE handle) : handle_(handle) {}
  ~Win32LogFile() override { CloseHandle(handle_); }
  Win32LogFile(const Win32LogFile&) = delete;
  Win32LogFile& operator=(const Win32LogFile&) = delete;

  std::int64_t length() override {
    LARGE_INTEGER size;
    return GetFileSizeEx(handle_, &size) ? size.QuadPart : -1;
  }

  bool seek(std::int64_t offset) override {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(handle_, distance, nullptr, FILE_BEGIN) != 0;
  }

  std::int64_t read(void* data, std::size_t size) override {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(size < kLargestTransfer ? size : kLargestTransfer);
    return ReadFile(handle_, data, wanted, &got, nullptr) ? static_cast<std::int64_t>(got) : -1;
  }

  bool write(const void* data, std::size_t size) override {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
      DWORD done = 0;
      const DWORD wanted = static_cast<DWORD>(size < kLargestTransfer ? size : kLargestTransfer);
      if (!WriteFile(handle_, next, wanted, &done, nullptr) || done == 0) return false;
      next += done;
      size -= done;
    }
    return true;
  }

  bool reserve(std::int64_t new_length) override {
    const std::int64_t old_length = length();
    if (old_length < 0) return false;
    if (new_length <= old_length) return true;
    // SetEndOfFile allocates the clusters of a file that is not sparse, or fails for want of
    // them and leaves the file as it was.
    return seek(new_length) && SetEndOfFile(handle_) != 0;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<LogFile> LogFile::open_existing(std::string_view path) {
  const HANDLE handle = CreateFileA(std::string(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32LogFile>(handle);
}

bool LogFile::create_new(std::string_view path) {
  const HANDLE handle = CreateFileA(std::string(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

}  // namespace morvella::platform
