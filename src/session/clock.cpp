#include "session/clock.h"

#include <chrono>
#include <ctime>

namespace morvella {

LocalTime SystemClock::local_now() const {
  const std::time_t now = std::time(nullptr);
  // One GUI thread reads the clock, so the shared buffer of localtime is safe here.
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return {};
  return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
          local->tm_hour,        local->tm_min,     local->tm_sec};
}

std::int64_t SystemClock::unix_millis() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace morvella
