#include "platform/hmac.h"

#include <windows.h>

#include <bcrypt.h>

namespace morvella::platform {
namespace {

class AlgorithmHandle {
 public:
  AlgorithmHandle() {
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA256_ALGORITHM, nullptr,
                                                    BCRYPT_ALG_HANDLE_HMAC_FLAG)))
      handle_ = nullptr;
  }
  ~AlgorithmHandle() {
    if (handle_ != nullptr) BCryptCloseAlgorithmProvider(handle_, 0);
  }
  AlgorithmHandle(const AlgorithmHandle&) = delete;
  AlgorithmHandle& operator=(const AlgorithmHandle&) = delete;
  BCRYPT_ALG_HANDLE get() const { return handle_; }

 private:
  BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class HashHandle {
 public:
  HashHandle(BCRYPT_ALG_HANDLE algorithm, const Bytes& key) {
    // BCrypt only reads the key, whatever its parameter's constness says.
    auto* secret = const_cast<PUCHAR>(key.data());
    if (!BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &handle_, nullptr, 0, secret,
                                         static_cast<ULONG>(key.size()), 0)))
      handle_ = nullptr;
  }
  ~HashHandle() {
    if (handle_ != nullptr) BCryptDestroyHash(handle_);
  }
  HashHandle(const HashHandle&) = delete;
  HashHandle& operator=(const HashHandle&) = delete;
  BCRYPT_HASH_HANDLE get() const { return handle_; }

 private:
  BCRYPT_HASH_HANDLE handle_ = nullptr;
};

constexpr ULONG kSha256Size = 32;

}  // namespace

Bytes hmac_sha256(const Bytes& key, const Bytes& message) {
  const AlgorithmHandle algorithm;
  if (algorithm.get() == nullptr) return {};
  const HashHandle hash(algorithm.get(), key);
  if (hash.get() == nullptr) return {};
  auto* input = const_cast<PUCHAR>(message.data());
  if (!BCRYPT_SUCCESS(BCryptHashData(hash.get(), input, static_cast<ULONG>(message.size()), 0))) return {};
  Bytes digest(kSha256Size);
  if (!BCRYPT_SUCCESS(BCryptFinishHash(hash.get(), digest.data(), kSha256Size, 0))) return {};
  return digest;
}

}  // namespace morvella::platform
