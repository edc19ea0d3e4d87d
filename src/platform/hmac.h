#pragma once
// Keyed hashing from the system's crypto library, for signing webhook requests.
#include "text/text.h"

namespace morvella::platform {

// HMAC-SHA256 of `message` keyed with `key`: 32 bytes, or empty when the system refuses.
Bytes hmac_sha256(const Bytes& key, const Bytes& message);

}  // namespace morvella::platform
