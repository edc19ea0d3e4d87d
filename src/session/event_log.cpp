#include "session/event_log.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/log_file.h"
#include "text/fixed_texts.h"
#include "text/text_rules.h"

namespace morvella {
namespace {

// How much of the file moves per read and write. Any size gives the same bytes; measured with
// bench/event_log.sh, 4 KiB blocks took five times a file copy on 100 MB, 256 KiB under one.
constexpr std::int64_t kMoveBlockSize = 1 << 18;

Text line_of(const Clock& clock, std::string_view message) {
  Text line = time_text(clock.local_now());
  line += ' ';
  line += message;
  line += "\r\n";
  return line;
}

bool read_exactly(platform::LogFile& file, char* data, std::int64_t size) {
  while (size > 0) {
    const std::int64_t got = file.read(data, static_cast<std::size_t>(size));
    if (got <= 0) return false;
    data += got;
    size -= got;
  }
  return true;
}

// Puts `line` in front of the whole content, moving it towards the end last block first so
// that nothing is overwritten before it has been read. The new length is reserved first, so a
// full disk stops the insertion before any byte has moved.
bool insert_at_start(platform::LogFile& file, std::string_view line) {
  const std::int64_t length = file.length();
  const auto shift = static_cast<std::int64_t>(line.size());
  if (length < 0 || !file.reserve(length + shift)) return false;
  std::vector<char> block(static_cast<std::size_t>(std::min(length, kMoveBlockSize)));
  for (std::int64_t end = length; end > 0;) {
    const std::int64_t size = std::min(end, kMoveBlockSize);
    end -= size;
    if (!file.seek(end) || !read_exactly(file, block.data(), size)) return false;
    if (!file.seek(end + shift) || !file.write(block.data(), static_cast<std::size_t>(size)))
      return false;
  }
  return file.seek(0) && file.write(line.data(), line.size());
}

// The file's text as the box shows it: up to the first NUL or Ctrl-Z that is not the second byte
// of a double-byte character; a lead byte directly followed by NUL goes with that NUL.
std::string_view shown_text(std::string_view content) {
  for (std::size_t i = 0; i < content.size(); i += character_width(content, i)) {
    const char byte = content[i];
    if (byte == '\0' || byte == '\x1A') return content.substr(0, i);
    if (character_width(content, i) == 2 && content[i + 1] == '\0') return content.substr(0, i);
  }
  return content;
}

// The whole file from its start; false when it cannot be read.
bool read_all(platform::LogFile& file, std::string& content) {
  const std::int64_t length = file.length();
  if (length < 0 || !file.seek(0)) return false;
  content.resize(static_cast<std::size_t>(length));
  return read_exactly(file, content.data(), length);
}

}  // namespace

Text time_text(const LocalTime& time) {
  Text text = std::to_string(time.year) + Text(fixed::kYear) + std::to_string(time.month) +
              Text(fixed::kMonth) + std::to_string(time.day) + Text(fixed::kDay);
  const bool any_minute = time.minute != 0 || time.second != 0;
  if (time.hour == 0 && !any_minute) return text;
  text += std::to_string(time.hour) + Text(fixed::kHour);
  if (!any_minute) return text;
  text += std::to_string(time.minute) + Text(fixed::kMinute);
  if (time.second == 0) return text;
  return text + std::to_string(time.second) + Text(fixed::kSecond);
}

void EventLog::log_event(std::string_view message) {
  box_.append(time_text(clock_.local_now()));
  box_.append(" ");
  box_.append(message);
  box_.append("\r\n");

  const auto file = platform::LogFile::open_existing(kLogFilePath);
  if (!file) return;
  // The clock is read again for the file's copy, as the box's and the file's lines are formed
  // apart; they may differ by a second.
  insert_at_start(*file, line_of(clock_, message));
}

void EventLog::preload_log() {
  const auto file = platform::LogFile::open_existing(kLogFilePath);
  if (!file) {
    // Creates nothing where a file exists that could not be opened: that one stays as it is.
    platform::LogFile::create_new(kLogFilePath);
    return;
  }
  std::string content;
  if (!read_all(*file, content)) return;
  const std::string_view text = shown_text(content);
  if (!text.empty()) box_.append(text);
}

}  // namespace morvella
