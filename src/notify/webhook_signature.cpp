#include "notify/webhook_signature.h"

#include <string>

#include "notify/codecs.h"
#include "platform/hmac.h"

namespace morvella {
namespace {

Text base64(const Bytes& data) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  Text out;
  out.reserve((data.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < data.size(); i += 3) {
    const std::size_t left = data.size() - i;
    const std::uint32_t group = static_cast<std::uint32_t>(data[i]) << 16 |
                                (left > 1 ? static_cast<std::uint32_t>(data[i + 1]) << 8 : 0) |
                                (left > 2 ? data[i + 2] : 0);
    out += kAlphabet[group >> 18 & 0x3F];
    out += kAlphabet[group >> 12 & 0x3F];
    out += left > 1 ? kAlphabet[group >> 6 & 0x3F] : '=';
    out += left > 2 ? kAlphabet[group & 0x3F] : '=';
  }
  return out;
}

}  // namespace

Text webhook_signature(std::string_view timestamp, std::string_view secret) {
  // The robot keys and signs with the secret as UTF-8; the settings hold it as GBK.
  const Bytes key = text_to_utf8(secret);
  Bytes message = bytes_of(timestamp);
  message.push_back('\n');
  message.insert(message.end(), key.begin(), key.end());
  return base64(platform::hmac_sha256(key, message));
}

Text signed_webhook_address(std::string_view address, std::string_view secret, std::int64_t unix_millis) {
  if (secret.empty()) return Text(address);
  const Text timestamp = std::to_string(unix_millis);
  Text signed_address(address);
  signed_address += address.find('?') == std::string_view::npos ? "?" : "&";
  signed_address += "timestamp=" + timestamp;
  // Base64's "+", "/" and "=" must reach the robot percent-encoded.
  signed_address += "&sign=" + url_encode(webhook_signature(timestamp, secret), true);
  return signed_address;
}

}  // namespace morvella
