// notice_probe: sends one unlock notice through the real request routine and the system clock,
// for the end-to-end tests against the mock robot.
//
//   notice_probe SETTINGS_FILE
// The file holds four lines of GBK text: webhook address, push content, keyword, secret.
// Pushing is on. Prints each line the notice logs, one per line.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/settings.h"
#include "http/http_request.h"
#include "notify/unlock_notice.h"
#include "session/clock.h"
#include "text/fixed_texts.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: notice_probe SETTINGS_FILE\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  morvella::Settings settings;
  settings.push_flag = std::string(morvella::fixed::kTrue);
  for (morvella::Text* value : {&settings.webhook_address, &settings.push_content, &settings.keyword, &settings.secret})
    std::getline(in, *value);
  if (!in) {
    std::fprintf(stderr, "notice_probe: %s must hold four lines\n", argv[1]);
    return 2;
  }
  const morvella::SystemClock clock;
  const morvella::UnlockNotice notice(
      settings, clock,
      [](std::string_view url, const morvella::HttpRequestOptions& options) {
        return morvella::http_request(url, options);
      },
      [](std::string_view message) {
        std::fwrite(message.data(), 1, message.size(), stdout);
        std::fputc('\n', stdout);
      });
  notice.send_unlock_notice();
  return 0;
}
