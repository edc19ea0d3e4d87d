#include "platform/hmac.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace morvella::platform {

Bytes hmac_sha256(const Bytes& key, const Bytes& message) {
  // OpenSSL rejects a null key pointer even with length 0.
  static const unsigned char kNoKey = 0;
  Bytes digest(EVP_MAX_MD_SIZE);
  unsigned int length = 0;
  if (HMAC(EVP_sha256(), key.empty() ? &kNoKey : key.data(), static_cast<int>(key.size()),
           message.data(), message.size(), digest.data(), &length) == nullptr)
    return {};
  digest.resize(length);
  return digest;
}

}  // namespace morvella::platform
