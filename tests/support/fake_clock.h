#pragma once
// A clock that gives the listed times one per read, then keeps giving the last.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "session/clock.h"

namespace morvella::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::vector<LocalTime> times, std::int64_t millis = 0)
      : times_(std::move(times)), millis_(millis) {}
  LocalTime local_now() const override {
    const LocalTime now = times_.at(next_);
    if (next_ + 1 < times_.size()) ++next_;
    return now;
  }
  std::int64_t unix_millis() const override { return millis_; }

 private:
  std::vector<LocalTime> times_;
  std::int64_t millis_;
  mutable std::size_t next_ = 0;
};

}  // namespace morvella::testing
