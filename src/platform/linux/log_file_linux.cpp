#include "platform/log_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace morvella::platform {
namespace {

class PosixLogFile final : public LogFile {
 public:
  explicit PosixLogFile(int fd) : fd_(fd) {}
  ~PosixLogFile() override { ::close(fd_); }
  PosixLogFile(const PosixLogFile&) = delete;
  PosixLogFile& operator=(const PosixLogFile&) = delete;

  std::int64_t length() override {
    struct stat info {};
    return ::fstat(fd_, &info) == 0 ? info.st_size : -1;
  }

  bool seek(std::int64_t offset) override { return ::lseek(fd_, offset, SEEK_SET) == offset; }

  std::int64_t read(void* data, std::size_t size) override {
    ssize_t got;
    do got = ::read(fd_, data, size);
    while (got < 0 && errno == EINTR);
    return got;
  }

  bool write(const void* data, std::size_t size) override {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
      const ssize_t done = ::write(fd_, next, size);
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) return false;
      next += done;
      size -= static_cast<std::size_t>(done);
    }
    return true;
  }

  bool reserve(std::int64_t new_length) override {
    const std::int64_t old_length = length();
    if (old_length < 0) return false;
    if (new_length <= old_length) return true;
    if (::posix_fallocate(fd_, old_length, new_length - old_length) == 0) return true;
    // A failed allocation may have grown the file part way; give the space back.
    (void)::ftruncate(fd_, old_length);
    return false;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<LogFile> LogFile::open_existing(std::string_view path) {
  const int fd = ::open(std::string(path).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixLogFile>(fd);
}

bool LogFile::create_new(std::string_view path) {
  const int fd = ::open(std::string(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace morvella::platform
