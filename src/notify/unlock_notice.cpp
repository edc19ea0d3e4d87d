#include "notify/unlock_notice.h"

#include <utility>

#include "notify/codecs.h"
#include "notify/name_value_list.h"
#include "notify/robot_reply.h"
#include "notify/webhook_signature.h"
#include "session/event_log.h"
#include "text/fixed_texts.h"

namespace morvella {
namespace {

constexpr std::string_view kEscapePrefix = "\\u";
constexpr std::string_view kBodyPrefix = "{\"msgtype\": \"text\",\"text\": {\"content\":\"";
constexpr std::string_view kBodySuffix = "\"}}";
constexpr std::string_view kContentType = "application/json;charset=utf-8;";
constexpr std::string_view kUserAgent =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/50.0.2661.87 "
    "Safari/537.36";

// Everything the user typed is escaped, so the body is ASCII JSON whatever the text holds.
Text notice_body(std::string_view time, std::string_view push_content, std::string_view keyword) {
  Text content = Text(fixed::kTimeLabel) + Text(time) + Text(fixed::kContentOpening) + Text(push_content) +
                 Text(fixed::kFullStop);
  if (!keyword.empty()) content += Text(fixed::kKeywordContentLabel) + Text(keyword);
  return Text(kBodyPrefix) + escape_unicode(content, kEscapePrefix) + Text(kBodySuffix);
}

Text notice_headers() {
  NameValueList headers;
  headers.add("Content-Type", kContentType);
  headers.add("User-Agent", kUserAgent);
  return headers.to_header_text();
}

}  // namespace

UnlockNotice::UnlockNotice(const Settings& settings, const Clock& clock, RequestFunction request, LogFunction log)
    : settings_(settings), clock_(clock), request_(std::move(request)), log_(std::move(log)) {}

void UnlockNotice::send_unlock_notice() const {
  if (settings_.push_flag != fixed::kTrue) return;
  HttpRequestOptions options;
  options.method = kMethodPost;
  options.text_body = notice_body(time_text(clock_.local_now()), settings_.push_content, settings_.keyword);
  options.headers = notice_headers();
  const Text url = signed_webhook_address(settings_.webhook_address, settings_.secret, clock_.unix_millis());
  log_(robot_reply_message(request_(url, options)));
}

}  // namespace morvella
