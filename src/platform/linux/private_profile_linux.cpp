#include "platform/private_profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/linux/ini_text.h"

namespace morvella::platform {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool read_all(int fd, std::string& content) {
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    content.append(chunk, static_cast<std::size_t>(got));
  }
}

bool write_all_at_start(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t wrote = ::pwrite(fd, content.data() + done, content.size() - done,
                                   static_cast<off_t>(done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

}  // namespace

Text read_profile_string(std::string_view section, std::string_view key, std::size_t capacity,
                         std::string_view path) {
  const FileDescriptor file(::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC));
  std::string content;
  if (file.get() < 0 || !read_all(file.get(), content)) return {};
  return ini_value(content, section, key, capacity);
}

// The file is rewritten in place, and its new length is allocated before the first byte is
// written, so a full disk fails the write without harming what the file held.
bool write_profile_string(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view path) {
  const FileDescriptor file(::open(std::string(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  std::string content;
  if (file.get() < 0 || !read_all(file.get(), content)) return false;
  const auto changed = ini_with_value(content, section, key, value);
  if (!changed) return true;
  if (changed->size() > content.size() &&
      ::posix_fallocate(file.get(), 0, static_cast<off_t>(changed->size())) != 0) {
    (void)::ftruncate(file.get(), static_cast<off_t>(content.size()));
    return false;
  }
  return write_all_at_start(file.get(), *changed) &&
         ::ftruncate(file.get(), static_cast<off_t>(changed->size())) == 0;
}

}  // namespace morvella::platform
