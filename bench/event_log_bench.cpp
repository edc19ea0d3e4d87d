// Times the event log on the log file in a given directory.
//
//   event_log_bench insert DIR REPEATS   median seconds of one log_event
//   event_log_bench preload DIR REPEATS  median seconds of one preload_log
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "session/clock.h"
#include "session/event_log.h"
#include "text/fixed_texts.h"

namespace {

class DiscardingLogBox final : public morvella::LogBox {
 public:
  void append(std::string_view piece) override { appended += piece.size(); }
  std::size_t appended = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: event_log_bench insert|preload DIR REPEATS\n");
    return 2;
  }
  const std::string mode = argv[1];
  std::filesystem::current_path(argv[2]);
  const int repeats = std::max(1, std::atoi(argv[3]));

  morvella::SystemClock clock;
  std::vector<double> seconds;
  for (int i = 0; i < repeats; ++i) {
    DiscardingLogBox box;
    morvella::EventLog log(clock, box);
    const auto start = std::chrono::steady_clock::now();
    if (mode == "insert")
      log.log_event(morvella::fixed::kLockedMessage);
    else
      log.preload_log();
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("%.6f\n", seconds[seconds.size() / 2]);
  return 0;
}
