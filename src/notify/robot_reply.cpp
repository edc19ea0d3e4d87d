#include "notify/robot_reply.h"

#include <nlohmann/json.hpp>

#include "notify/codecs.h"
#include "text/fixed_texts.h"

namespace morvella {
namespace {

Text failure(std::string_view reason) { return Text(fixed::kRemindFailedMessage) + Text(reason); }

// The robot's message, as GBK on one line: a line break in it would split the log line in two.
Text readable_errmsg(const nlohmann::json& reply) {
  const auto errmsg = reply.find("errmsg");
  if (errmsg == reply.end() || !errmsg->is_string()) return {};
  Text text = utf16_to_text(multibyte_to_utf16(bytes_of(errmsg->get_ref<const std::string&>()), kCodePageUtf8),
                            kCodePageGbk);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return text;
}

}  // namespace

Text robot_reply_message(const Bytes& reply) {
  if (reply.empty()) return failure(fixed::kNoReplyReason);
  const auto parsed = nlohmann::json::parse(reply.begin(), reply.end(), nullptr, /*allow_exceptions=*/false);
  if (!parsed.is_object()) return failure(fixed::kInvalidReplyReason);
  const auto errcode = parsed.find("errcode");
  if (errcode == parsed.end() || !errcode->is_number_integer()) return failure(fixed::kInvalidReplyReason);
  if (*errcode == 0) return Text(fixed::kRemindedMessage);
  const Text errmsg = readable_errmsg(parsed);
  return failure(errcode->dump() + (errmsg.empty() ? "" : " " + errmsg));
}

}  // namespace morvella
