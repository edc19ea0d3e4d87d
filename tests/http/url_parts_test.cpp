#include "http/url_parts.h"

#include <gtest/gtest.h>

#include <climits>

namespace morvella {
namespace {

struct HostCase {
  const char* url;
  bool domain_only;
  bool keep_port;
  std::optional<int> extra_labels;
  const char* expected;
};

TEST(UrlHost, PlainMode) {
  const HostCase cases[] = {
      {"HTTPS://Oapi.DingTalk.COM/robot/send?x=Y", false, false, {}, "oapi.dingtalk.com"},
      {"http://a.com", false, false, {}, "a.com"},
      {"a.com/x", false, false, {}, "a.com"},
      {"a.com", false, false, {}, "a.com"},
      {"x http://a.com/", false, false, {}, "a.com"},
      {"http://a.com:8080/x", false, false, {}, "a.com"},
      {"http://a.com:8080/x", false, true, {}, "a.com:8080"},
      {"http://l1.l2.l3.l4/x", true, false, {}, "l3.l4"},
      {"http://l1.l2.l3.l4:81/", true, true, {}, "l3.l4:81"},
      {"http://localhost/", true, false, {}, "localhost"},
      {"http://a..b/", true, false, {}, ".b"},
      {"https://a.com?x=1", false, false, {}, "a.com?x=1"},
      {"https://", false, false, {}, ""},
      {"", false, false, {}, ""},
      // 丄 is 81 41: its second byte is no letter and stays.
      {"http://\x81\x41.COM/", false, false, {}, "\x81\x41.com"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(url_host(c.url, c.domain_only, c.keep_port, c.extra_labels), c.expected) << c.url;
}

TEST(UrlHost, LabelCountMode) {
  const HostCase cases[] = {
      {"http://l1.l2.l3.l4/p", false, false, 0, "l3.l4"},
      {"http://l1.l2.l3.l4/p", true, false, 0, "l4"},
      {"http://l1.l2.l3.l4/p", false, false, 1, "l2.l3.l4"},
      {"http://l1.l2.l3.l4/p", true, false, 1, "l3.l4"},
      {"https://l1.l2.l3.l4/p", false, false, -5, "l3.l4"},
      {"a.b", false, false, 1, "a.b"},
      {"a.b", true, false, 1, "a.b"},
      {"localhost", true, false, 0, "localhost"},
      {"a.b.c.", false, false, 0, "b.c."},  // a dot in the last byte never counts
      {"a.b.c.", true, false, 0, "c."},
      {"https://l1.l2.l3:8080/x", false, false, 0, "l2.l3"},
      {"https://l1.l2.l3:8080/x", false, true, 0, "l2.l3:8080"},
      {"HTTP://A.B.C", false, false, INT_MAX, "a.b.c"},
      {"http://a.b.c", true, false, INT_MAX, "a.b.c"},
      {"http://a.b.c", false, false, INT_MIN, "b.c"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(url_host(c.url, c.domain_only, c.keep_port, c.extra_labels), c.expected)
        << c.url << " extra_labels " << *c.extra_labels;
}

TEST(UrlHost, LongRunOfDotsWithHugeLabelCount) {
  const std::string host(1 << 18, '.');
  EXPECT_EQ(url_host("http://" + host + "/", false, false, INT_MAX), host);
  EXPECT_EQ(url_host("http://" + host + "/", false, false, 3), ".....");
  EXPECT_EQ(url_host("http://" + host + "/", true), ".");
}

TEST(UrlPort, Cases) {
  const std::pair<const char*, int> cases[] = {
      {"http://a.com:8080/x", 8080},
      {"https://a.com:8443", 8443},
      {"HTTPS://a.com/", 443},
      {"hTtPs://a.com", 443},
      {"http://a.com/", 80},
      {"a.com", 80},
      {"http://[::1]:8080/", 8080},
      {"http://a.com: 12/", 12},
      {"http://a.com:abc/", 0},
      {"http://a.com:/", 0},
      {"http://a.com:\xA3\xB8\xA3\xB0/", 80},  // full-width ８０
      {"http://a.com:8\xA3\xB1/", 81},
      {"http://a.com:99999999999/", INT_MAX},
      {"http://a.com:-99999999999/", INT_MIN},
      {"", 80},
  };
  for (const auto& [url, port] : cases) EXPECT_EQ(url_port(url), port) << url;
}

TEST(UrlPath, Cases) {
  const std::pair<const char*, const char*> cases[] = {
      {"https://oapi.dingtalk.com/robot/send?access_token=AbC", "/robot/send?access_token=AbC"},
      {"HTTP://A.COM/Path", "/Path"},
      {"http://a.com:8080/x#f", "/x#f"},
      {"a.com/P/Q", "/P/Q"},
      {"http://a.com", "/"},
      {"https://a.com?x=1", "/"},
      {"http://t/x", "/x"},  // the host's text also occurs inside the scheme
      {"https://", "/"},
      {"", "/"},
  };
  for (const auto& [url, path] : cases) EXPECT_EQ(url_path(url), path) << url;
}

}  // namespace
}  // namespace morvella
