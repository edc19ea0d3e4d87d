#include "platform/hmac.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace morvella {
namespace {

std::string hex(const Bytes& bytes) {
  std::string out;
  char digits[3];
  for (const auto b : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", b);
    out += digits;
  }
  return out;
}

TEST(HmacSha256, KnownAnswers) {
  const struct {
    const char* name;
    Bytes key;
    Bytes message;
    const char* digest;
  } cases[] = {
      {"robot signing example", bytes_of("this is a secret"), bytes_of("1577262236757\nthis is a secret"),
       "0c9ac4eaa772546090cfdcf9af6303b8d70d021c189ee024ca3d77731d7af420"},
      {"robot signing SEC secret", bytes_of("SEC000000000000000000000"),
       bytes_of("1577262236757\nSEC000000000000000000000"),
       "c4e24807c78da1859e2f2dba10c64e95cd918ce25bb4fbfd1d88e6f84dee00b5"},
      {"RFC 4231 case 2", bytes_of("Jefe"), bytes_of("what do ya want for nothing?"),
       "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
      {"RFC 4231 case 6, key longer than a block", Bytes(131, 0xAA),
       bytes_of("Test Using Larger Than Block-Size Key - Hash Key First"),
       "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
      {"empty key and message", {}, {}, "b613679a0814d9ec772f95d778c35fc5ff1697c493715653c6c712144292c5ad"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(platform::hmac_sha256(c.key, c.message)), c.digest) << c.name;
}

}  // namespace
}  // namespace morvella
