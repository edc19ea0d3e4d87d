#pragma once
// The event log: each event becomes a line at the end of the window's log box and a line at the
// top of the log file, newest first. File failures are silent; the box always gets its line.
#include <string_view>

#include "app/controls.h"
#include "session/clock.h"
#include "text/text.h"

namespace morvella {

// Relative, so the file lies in the working directory.
inline constexpr std::string_view kLogFilePath = "./tixingrizhi.txt";

// The date with the time of day after it, numbers without leading zeros and trailing zero parts
// left out: 2022年7月2日9时5分, and at midnight the date alone.
Text time_text(const LocalTime& time);

class EventLog {
 public:
  EventLog(const Clock& clock, LogBox& box) : clock_(clock), box_(box) {}

  // Appends "time message\r\n" to the box, then inserts the same line, with the clock read
  // afresh, at the top of the log file if that file exists and opens.
  void log_event(std::string_view message);

  // Shows the log file's text in the box, or creates the file empty when there is none.
  void preload_log();

 private:
  const Clock& clock_;
  LogBox& box_;
};

}  // namespace morvella
