#pragma once
// The wall clock, behind an interface so tests can fix the time.
#include <cstdint>

namespace morvella {

struct LocalTime {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The local date and time, whole seconds.
  virtual LocalTime local_now() const = 0;
  // Milliseconds since the Unix epoch, for request signatures.
  virtual std::int64_t unix_millis() const = 0;
};

// The system clock: the C library's time converted to local time.
class SystemClock final : public Clock {
 public:
  LocalTime local_now() const override;
  std::int64_t unix_millis() const override;
};

}  // namespace morvella
