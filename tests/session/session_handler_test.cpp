#include "session/session_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/fixed_texts.h"

namespace morvella {
namespace {

constexpr const char* kNotice = "<notice>";

// Records the notice and the log lines in the order they happen.
std::vector<std::string> events_for(std::uintptr_t code) {
  std::vector<std::string> events;
  const SessionHandler handler([&] { events.emplace_back(kNotice); },
                               [&](std::string_view message) { events.emplace_back(message); });
  handler.on_session_change(code);
  return events;
}

TEST(SessionHandler, Codes) {
  const std::string locked(fixed::kLockedMessage);
  const std::string unlocked(fixed::kUnlockedMessage);
  const struct {
    const char* name;
    std::uintptr_t code;
    std::vector<std::string> events;
  } cases[] = {
      {"lock logs once, no notice", 7, {locked}},
      {"unlock sends the notice before logging", 8, {kNotice, unlocked}},
      {"console connect", 1, {}},
      {"console disconnect", 2, {}},
      {"remote connect", 3, {}},
      {"remote disconnect", 4, {}},
      {"logon", 5, {}},
      {"logoff", 6, {}},
      {"remote control", 9, {}},
      {"a later code", 10, {}},
      {"zero", 0, {}},
      {"high bits above the code are not ignored", (std::uintptr_t{1} << 20) | 8, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(events_for(c.code), c.events) << c.name;
}

}  // namespace
}  // namespace morvella
