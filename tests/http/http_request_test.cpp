#include "http/http_request.h"

#include <gtest/gtest.h>

#include <functional>

#include "http/recording_internet.h"

namespace morvella {
namespace {

using testing::RecordingInternet;

constexpr std::uint32_t kBaseFlags = 0x80000000 | 0x10;
constexpr std::uint32_t kSecure = 0x800000;
constexpr std::uint32_t kIgnoreRedirectToHttps = 0x4000;
constexpr std::uint32_t kNoCookies = 0x80000;
constexpr std::uint32_t kNoRedirect = 0x200000;
const std::string kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
const std::string kNoticeAgent =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/50.0.2661.87 Safari/537.36";
const std::string kNoticeBlock = "Content-Type: application/json;charset=utf-8;\r\nUser-Agent: " + kNoticeAgent;

TEST(HttpRequest, UnlockNoticeRequestPassesEveryArgument) {
  ASSERT_EQ(kNoticeBlock.size(), 167u);
  RecordingInternet internet;
  internet.response_body = bytes_of(R"({"errcode":0,"errmsg":"ok"})");
  const std::string url = "https://oapi.dingtalk.com/robot/send?access_token=TOKEN";
  HttpRequestOptions options;
  options.method = kMethodPost;
  options.text_body = R"({"msgtype":"text"})";
  options.headers = kNoticeBlock;

  EXPECT_EQ(http_request(internet, url, options), internet.response_body);

  EXPECT_EQ(internet.agent, kNoticeAgent);
  EXPECT_EQ(internet.access_type, 1u);
  EXPECT_EQ(internet.proxy, std::nullopt);
  EXPECT_EQ(internet.proxy_bypass, std::nullopt);
  EXPECT_EQ(internet.host, "oapi.dingtalk.com");
  EXPECT_EQ(internet.port, 443);
  EXPECT_EQ(internet.service, 3u);
  EXPECT_EQ(internet.verb, "POST");
  EXPECT_EQ(internet.object_name, "/robot/send?access_token=TOKEN");
  EXPECT_EQ(internet.version, "HTTP/1.1");
  EXPECT_EQ(internet.request_flags, kBaseFlags | kSecure);
  // Certificates are checked: only an unreachable revocation check is let through.
  EXPECT_EQ(internet.security_flags, 0x80u);
  const std::string sent = kNoticeBlock + "\r\nAccept: */*\r\nReferer: " + url + "\r\nAccept-Language: zh-cn";
  EXPECT_EQ(internet.sent_headers, sent);
  EXPECT_EQ(internet.sent_headers_length, sent.size());
  EXPECT_EQ(internet.sent_body, bytes_of(R"({"msgtype":"text"})"));
  EXPECT_EQ(internet.sent_body_length, 18u);
  const std::vector<void*> reverse_order = {internet.request(), internet.connection(), internet.session()};
  EXPECT_EQ(internet.closed, reverse_order);
}

struct SendCase {
  const char* name;
  std::string url;
  std::function<void(HttpRequestOptions&)> set;
  std::string verb;
  std::uint32_t flags;
  std::uint16_t port;
  std::optional<std::string> headers;  // exactly as sent
  std::optional<std::string> body;
  std::string agent = kDefaultAgent;
};

TEST(HttpRequest, WhatIsSent) {
  const std::string plain = "http://h.example/p";
  const std::string defaults = "\r\nReferer: " + plain + "\r\nAccept-Language: zh-cn";
  Text empty_cookies;
  Text cookies_a = "a=1";
  Text cookies_with_name = "Cookie: a=1";
  const SendCase cases[] = {
      {"method 8 is GET", plain, [](auto& o) { o.method = 8; o.text_body = "t"; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps, 80, "Accept: */*" + defaults, std::nullopt},
      {"method -1 is GET", plain, [](auto& o) { o.method = -1; }, "GET", kBaseFlags | kIgnoreRedirectToHttps, 80,
       "Accept: */*" + defaults, std::nullopt},
      {"capital scheme is secure", "HTTPS://H.example/p", [](auto& o) { o.add_default_headers = false; }, "GET",
       kBaseFlags | kSecure, 443, std::nullopt, std::nullopt},
      {"GET sends no byte body", plain,
       [](auto& o) { o.byte_body = bytes_of("b"); o.add_default_headers = false; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps, 80, std::nullopt, std::nullopt},
      {"byte body over text body", plain,
       [](auto& o) { o.method = 3; o.text_body = "text"; o.byte_body = Bytes{'b', 0, 'c'}; o.add_default_headers = false; },
       "PUT", kBaseFlags | kIgnoreRedirectToHttps, 80, std::nullopt, std::string("b\0c", 3)},
      {"HEAD sends its text body", plain, [](auto& o) { o.method = 2; o.text_body = "t"; o.add_default_headers = false; },
       "HEAD", kBaseFlags | kIgnoreRedirectToHttps, 80, std::nullopt, "t"},
      {"POST gets a form Content-Type", plain, [](auto& o) { o.method = 1; }, "POST",
       kBaseFlags | kIgnoreRedirectToHttps, 80,
       "Accept: */*" + defaults + "\r\nContent-Type: application/x-www-form-urlencoded", std::nullopt},
      {"defaults found in any case and as substrings", plain,
       [](auto& o) { o.headers = "accept-language: en\r\nX-Referer: r"; o.normalize_headers = false; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps, 80, "accept-language: en\r\nX-Referer: r\r\nAccept: */*", std::nullopt},
      {"cookies without defaults start with a line break", plain,
       [&](auto& o) { o.add_default_headers = false; o.cookies = &cookies_a; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps | kNoCookies, 80, "\r\nCookie: a=1", std::nullopt},
      {"cookies holding Cookie: are their own line", plain,
       [&](auto& o) { o.add_default_headers = false; o.cookies = &cookies_with_name; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps | kNoCookies, 80, "\r\nCookie: a=1", std::nullopt},
      {"empty cookies switch platform cookies off and send none", plain,
       [&](auto& o) { o.add_default_headers = false; o.cookies = &empty_cookies; o.no_redirect = true; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps | kNoCookies | kNoRedirect, 80, std::nullopt, std::nullopt},
      {"capital User-Agent without normalisation", "http://h.example:8080/p",
       [](auto& o) { o.headers = "X-A: first\r\nUSER-AGENT: agent"; o.normalize_headers = false; o.add_default_headers = false; },
       "GET", kBaseFlags | kIgnoreRedirectToHttps, 8080, "X-A: first\r\nUSER-AGENT: agent", std::nullopt,
       "first\r\nUSER-AGENT: agent"},
      {"empty User-Agent value", plain,
       [](auto& o) { o.headers = "X-A: first\r\nUser-Agent: "; o.add_default_headers = false; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps, 80, "X-A: first\r\nUser-Agent: ", std::nullopt, "first\r\nUser-Agent:"},
      {"header names are normalised", plain,
       [](auto& o) { o.headers = "content-type: x\r\nuser-agent: me"; o.add_default_headers = false; }, "GET",
       kBaseFlags | kIgnoreRedirectToHttps, 80, "Content-Type: x\r\nUser-Agent: me", std::nullopt, "me"},
  };
  for (const SendCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingInternet internet;
    HttpRequestOptions options;
    c.set(options);
    http_request(internet, c.url, options);
    EXPECT_EQ(internet.verb, c.verb);
    EXPECT_EQ(internet.request_flags, c.flags);
    EXPECT_EQ(internet.port, c.port);
    EXPECT_EQ(internet.agent, c.agent);
    EXPECT_EQ(internet.sent_headers, c.headers);
    EXPECT_EQ(internet.sent_headers_length, c.headers ? c.headers->size() : 0u);
    EXPECT_EQ(internet.sent_body, c.body ? std::optional<Bytes>(bytes_of(*c.body)) : std::nullopt);
  }
}

TEST(HttpRequest, ProxyTexts) {
  struct Case {
    std::string url;
    bool use_socks;
    std::string proxy_text;
  } cases[] = {
      {"http://h/", true, "SOCKS=127.0.0.1:1080"},
      {"https://h/", true, "SOCKS=127.0.0.1:1080"},
      {"http://h/", false, "http=127.0.0.1:1080"},
      {"https://h/", false, "127.0.0.1:1080"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url + (c.use_socks ? " socks" : ""));
    RecordingInternet internet;
    HttpRequestOptions options;
    options.proxy = "127.0.0.1:1080";
    options.use_socks = c.use_socks;
    http_request(internet, c.url, options);
    EXPECT_EQ(internet.access_type, 3u);
    EXPECT_EQ(internet.proxy, c.proxy_text);
    EXPECT_EQ(internet.proxy_bypass, "");
  }
}

TEST(HttpRequest, CollectsExactCaseSetCookieLinesAndMerges) {
  RecordingInternet internet;
  internet.response_headers =
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nset-cookie: lower=1\r\nSet-Cookie: b=2\r\n\r\n";
  Text cookies, returned_cookies, returned_headers;
  HttpRequestOptions options;
  options.returned_cookies = &returned_cookies;
  options.returned_headers = &returned_headers;
  EXPECT_TRUE(http_request(internet, "http://h/", options).empty());
  EXPECT_EQ(returned_cookies, "a=1; b=2");
  EXPECT_EQ(returned_headers, internet.response_headers);

  cookies = "b=7; c=3";
  options.cookies = &cookies;
  http_request(internet, "http://h/", options);
  EXPECT_EQ(returned_cookies, "a=1; b=2; c=3");
  EXPECT_EQ(cookies, "a=1; b=2; c=3");

  cookies = "b=7";
  options.do_merge_cookies = false;
  http_request(internet, "http://h/", options);
  EXPECT_EQ(returned_cookies, "a=1; b=2");
  EXPECT_EQ(cookies, "b=7");

  internet.response_headers = "HTTP/1.1 204 No Content\r\n\r\n";
  http_request(internet, "http://h/", options);
  EXPECT_EQ(returned_cookies, "");
}

TEST(HttpRequest, LongHeadersAreFetchedWholeAtTheSizeNeeded) {
  RecordingInternet internet;
  internet.response_headers = "HTTP/1.1 200 OK\r\nX-Filler: " + std::string(6000, 'v') + "\r\nSet-Cookie: late=1\r\n\r\n";
  Text returned_cookies, returned_headers;
  HttpRequestOptions options;
  options.returned_cookies = &returned_cookies;
  options.returned_headers = &returned_headers;
  http_request(internet, "http://h/", options);
  EXPECT_EQ(returned_headers, internet.response_headers);
  EXPECT_EQ(returned_cookies, "late=1");
  const std::vector<std::uint32_t> capacities = {5000, static_cast<std::uint32_t>(internet.response_headers.size() + 1)};
  EXPECT_EQ(internet.query_capacities, capacities);
}

TEST(HttpRequest, ReadsTheBodyInChunksOf1024) {
  RecordingInternet internet;
  for (int i = 0; i < 2500; ++i) internet.response_body.push_back(static_cast<std::uint8_t>(i));
  EXPECT_EQ(http_request(internet, "http://h/"), internet.response_body);
  EXPECT_EQ(internet.read_sizes, std::vector<std::uint32_t>(4, 1024));
}

TEST(HttpRequest, FailuresGiveAnEmptyBodyAndLeaveOutValuesAlone) {
  struct Case {
    const char* name;
    std::function<void(RecordingInternet&)> fail;
    std::size_t handles_closed;
  } cases[] = {
      {"no session", [](auto& i) { i.fail_open = true; }, 0},
      {"no connection", [](auto& i) { i.fail_connect = true; }, 1},
      {"no request", [](auto& i) { i.fail_request = true; }, 2},
      {"send fails", [](auto& i) { i.fail_send = true; }, 3},
      {"read breaks off", [](auto& i) { i.fail_read = true; }, 3},
      {"headers unavailable", [](auto& i) { i.response_headers.clear(); }, 3},
      {"body shorter than announced",
       [](auto& i) { i.response_headers = "HTTP/1.1 200 OK\r\ncontent-length: 100\r\n\r\n"; }, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingInternet internet;
    internet.response_headers = "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n\r\n";
    internet.response_body = bytes_of("partial body");
    c.fail(internet);
    Text cookies = "mine=1", returned_cookies = "before", returned_headers = "before";
    HttpRequestOptions options;
    options.cookies = &cookies;
    options.returned_cookies = &returned_cookies;
    options.returned_headers = &returned_headers;
    EXPECT_TRUE(http_request(internet, "http://h/", options).empty());
    EXPECT_EQ(cookies, "mine=1");
    EXPECT_EQ(returned_cookies, "before");
    EXPECT_EQ(returned_headers, "before");
    const std::vector<void*> all = {internet.request(), internet.connection(), internet.session()};
    EXPECT_EQ(internet.closed, std::vector<void*>(all.end() - c.handles_closed, all.end()));
  }
}

TEST(HttpRequest, AnnouncedLengthsThatCarryNoBodyAreNotCutShort) {
  struct Case {
    const char* name;
    int method;
    std::string headers;
  } cases[] = {
      {"HEAD", 2, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n"},
      {"304", 0, "HTTP/1.1 304 Not Modified\r\nContent-Length: 100\r\n\r\n"},
      {"exact length", 0, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingInternet internet;
    internet.response_headers = c.headers;
    internet.response_body = c.method == 2 ? Bytes() : bytes_of(c.name[0] == '3' ? "" : "ok");
    Text returned_headers;
    HttpRequestOptions options;
    options.method = c.method;
    options.returned_headers = &returned_headers;
    EXPECT_EQ(http_request(internet, "http://h/", options), internet.response_body);
    EXPECT_EQ(returned_headers, c.headers);
  }
}

TEST(HttpRequest, PortBeyondSixteenBitsOpensNothing) {
  RecordingInternet internet;
  EXPECT_TRUE(http_request(internet, "http://h:70000/").empty());
  EXPECT_TRUE(internet.agent.empty());
}

}  // namespace
}  // namespace morvella
