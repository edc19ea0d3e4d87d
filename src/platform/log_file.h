#pragma once
// The log file's access to the system: one open file, closed when the object goes. Every
// operation reports failure by its result; nothing throws.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace morvella::platform {

class LogFile {
 public:
  // Opens an existing file for reading and writing, never creating it, and lets other
  // processes read, write and delete it meanwhile. Null when it cannot be opened.
  static std::unique_ptr<LogFile> open_existing(std::string_view path);
  // Creates an empty file only where no file of that name exists; an existing one is never
  // emptied or replaced. True when the file was created.
  static bool create_new(std::string_view path);

  virtual ~LogFile() = default;
  // The file's length in bytes, -1 when it cannot be read.
  virtual std::int64_t length() = 0;
  virtual bool seek(std::int64_t offset) = 0;
  // Reads up to `size` bytes at the current position; the count read (0 at the end), -1 on error.
  virtual std::int64_t read(void* data, std::size_t size) = 0;
  // Writes all `size` bytes at the current position.
  virtual bool write(const void* data, std::size_t size) = 0;
  // Grows the file to `new_length` with disk space really allocated, so that writes up to that
  // length cannot fail for want of space. On failure the file keeps its length and content.
  virtual bool reserve(std::int64_t new_length) = 0;
};

}  // namespace morvella::platform
