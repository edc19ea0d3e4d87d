#pragma once
// The robot's signing option: a timestamp and an HMAC-SHA256 signature added to the webhook
// address, keyed with the secret the user copied from the robot's settings.
#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace morvella {

// Base64 (standard alphabet, with padding) of HMAC-SHA256 keyed with the secret's UTF-8 form
// over the timestamp, LF and that same secret.
Text webhook_signature(std::string_view timestamp, std::string_view secret);

// The address with "timestamp" and the URL-encoded "sign" appended as query parameters; an empty
// secret leaves the address as it is.
Text signed_webhook_address(std::string_view address, std::string_view secret, std::int64_t unix_millis);

}  // namespace morvella
