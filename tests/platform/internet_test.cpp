// The request seam's failure contract, the same on both platforms: a request that cannot be
// sent fails at the send, and afterwards reads give 0 bytes. (What the header query gives then
// differs between WinINet builds; the request never asks after a failed send.)
#include "platform/internet.h"

#include <gtest/gtest.h>

namespace morvella::platform {
namespace {

TEST(Internet, RefusedConnectionFailsAtTheSendAndReadsGiveNothing) {
  Internet& internet = system_internet();
  InternetHandle session = internet.InternetOpenA("probe", kOpenTypeDirect, nullptr, nullptr, 0);
  ASSERT_NE(session, nullptr);
  const std::uint32_t short_wait = 5000;
  EXPECT_TRUE(internet.InternetSetOptionA(session, kOptionConnectTimeout, &short_wait, sizeof short_wait));
  // Port 1 on loopback: nothing listens there on a test machine.
  InternetHandle connection =
      internet.InternetConnectA(session, "127.0.0.1", 1, nullptr, nullptr, kServiceHttp, 0, 0);
  ASSERT_NE(connection, nullptr);
  InternetHandle request = internet.HttpOpenRequestA(connection, "GET", "/", "HTTP/1.1", nullptr, nullptr,
                                                     kFlagReload | kFlagNoCookies, 0);
  ASSERT_NE(request, nullptr);
  const std::uint32_t revocation_only = kSecurityIgnoreRevocation;
  internet.InternetSetOptionA(request, kOptionSecurityFlags, &revocation_only, sizeof revocation_only);

  EXPECT_FALSE(internet.HttpSendRequestA(request, nullptr, 0, nullptr, 0));
  char buffer[1024];
  std::uint32_t count = 99;
  internet.InternetReadFile(request, buffer, sizeof buffer, &count);
  EXPECT_EQ(count, 0u);

  EXPECT_TRUE(internet.InternetCloseHandle(request));
  EXPECT_TRUE(internet.InternetCloseHandle(connection));
  EXPECT_TRUE(internet.InternetCloseHandle(session));
}

}  // namespace
}  // namespace morvella::platform
