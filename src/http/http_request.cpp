#include "http/http_request.h"

#include <cstdint>
#include <string>

#include "http/cookies.h"
#include "http/header_names.h"
#include "http/markers.h"
#include "http/url_parts.h"
#include "platform/internet.h"
#include "text/text_rules.h"

namespace morvella {
namespace {

using platform::Internet;
using platform::InternetHandle;

constexpr std::string_view kDefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
constexpr const char* kVerbs[] = {"GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr int kMethodHead = 2;
constexpr std::uint32_t kReadChunk = 1024;
constexpr std::uint32_t kRawHeaderBuffer = 5000;

// Certificates are checked in full, revocation aside: the webhook address carries the robot's
// access token, and an offline revocation server must not block a push.
constexpr std::uint32_t kSecurityFlags = platform::kSecurityIgnoreRevocation;

// Closes a handle when the call leaves; declared in opening order, so they close in reverse.
class HandleCloser {
 public:
  HandleCloser(Internet& internet, InternetHandle handle) : internet_(internet), handle_(handle) {}
  ~HandleCloser() {
    if (handle_) internet_.InternetCloseHandle(handle_);
  }
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;
  InternetHandle get() const { return handle_; }

 private:
  Internet& internet_;
  InternetHandle handle_;
};

bool is_secure(std::string_view url) { return ascii_lower(substring(url, 1, 8)) == "https://"; }

// The exact-case User-Agent line's value; failing that, whatever follows the block's first colon.
Text user_agent(const Text& block) {
  if (!contains(block, "User-Agent:", true)) return Text(kDefaultUserAgent);
  Text agent = trim(text_between(block + "\r\n", "User-Agent:", "\r\n"));
  return agent.empty() ? value_after_colon(block) : agent;
}

InternetHandle open_session(Internet& internet, const Text& agent, const HttpRequestOptions& options,
                            bool secure) {
  if (options.proxy.empty()) {
    return internet.InternetOpenA(agent.c_str(), platform::kOpenTypeDirect, nullptr, nullptr, 0);
  }
  const Text proxy = options.use_socks ? "SOCKS=" + options.proxy : secure ? options.proxy : "http=" + options.proxy;
  return internet.InternetOpenA(agent.c_str(), platform::kOpenTypeProxy, proxy.c_str(), "", 0);
}

std::uint32_t request_flags(const HttpRequestOptions& options, bool secure) {
  std::uint32_t flags = platform::kFlagReload | platform::kFlagNeedFile;
  if (options.cookies) flags |= platform::kFlagNoCookies;
  if (options.no_redirect) flags |= platform::kFlagNoAutoRedirect;
  flags |= secure ? platform::kFlagSecure : platform::kFlagIgnoreRedirectToHttps;
  return flags;
}

// Presence tests are substring searches anywhere in the block, ignoring case.
void add_default_headers(Text& block, std::string_view url, int method) {
  if (block.empty()) block = "Accept: */*";
  if (!contains(block, "Accept:", true)) block += "\r\nAccept: */*";
  if (!contains(block, "Referer:", true)) block += "\r\nReferer: " + Text(url);
  if (!contains(block, "Accept-Language:", true)) block += "\r\nAccept-Language: zh-cn";
  if (method == kMethodPost && !contains(block, "Content-Type:", true)) {
    block += "\r\nContent-Type: application/x-www-form-urlencoded";
  }
}

void add_cookie_header(Text& block, const Text& cookies) {
  if (cookies.empty()) return;
  block += contains(cookies, "Cookie:") ? "\r\n" + cookies : "\r\nCookie: " + cookies;
}

// The whole body; false when a read fails, so a body cut off is never taken for a complete one.
bool read_body(Internet& internet, InternetHandle request, Bytes& body) {
  std::uint8_t chunk[kReadChunk];
  for (;;) {
    std::uint32_t count = 0;
    if (!internet.InternetReadFile(request, chunk, kReadChunk, &count)) return false;
    if (count == 0) return true;
    body.insert(body.end(), chunk, chunk + count);
  }
}

// The raw response headers, whole: a block too long for the first buffer is asked for again
// at the size the platform reports.
bool query_raw_headers(Internet& internet, InternetHandle request, Text& headers) {
  Bytes buffer(kRawHeaderBuffer, ' ');
  std::uint32_t length = kRawHeaderBuffer;
  if (!internet.HttpQueryInfoA(request, platform::kQueryRawHeadersCrlf, buffer.data(), &length, nullptr)) {
    if (length <= buffer.size()) return false;
    buffer.assign(length, ' ');
    if (!internet.HttpQueryInfoA(request, platform::kQueryRawHeadersCrlf, buffer.data(), &length, nullptr)) {
      return false;
    }
  }
  headers = text_from_bytes(buffer);
  return true;
}

// True when the response announced a longer body than arrived: a connection that broke off
// mid-body may read as a clean end on some platforms (WinINet among them). A HEAD answer and
// a 304 announce the length of a body they never carry.
bool body_cut_short(const Text& raw_headers, const Bytes& body, int method) {
  const TextList lines = split(raw_headers, "\r\n");
  if (method == kMethodHead || lines.empty() || text_between(lines[0] + " ", " ", " ") == "304") return false;
  for (const Text& line : lines) {
    if (ascii_lower(text_before_marker(line, ":")) != "content-length") continue;
    const Text announced = value_after_colon(line);
    return announced.find_first_not_of("0123456789") == Text::npos && announced.size() < 19 &&
           body.size() < std::stoull(announced.empty() ? "0" : announced);
  }
  return false;
}

// The name=value of every exact-case Set-Cookie line, attributes dropped, "; " between them.
Text collect_cookies(const Text& raw_headers) {
  Text cookies;
  for (const Text& line : split(raw_headers, "\r\n")) {
    if (text_before_marker(line, ": ") != "Set-Cookie") continue;
    const Text item = contains(line, ";") ? trim(text_between(line, "Set-Cookie:", ";"))
                                          : trim(replace_all(line, "Set-Cookie:", "", true));
    cookies += item + "; ";
  }
  if (!cookies.empty()) cookies.resize(cookies.size() - 2);
  return cookies;
}

}  // namespace

Bytes http_request(Internet& internet, std::string_view url, const HttpRequestOptions& options) {
  Text headers = options.normalize_headers ? normalize_header_names(options.headers) : options.headers;
  const int method = options.method < 0 || options.method > 7 ? kMethodGet : options.method;
  const bool secure = is_secure(url);
  const int port = url_port(url);
  // A port beyond 16 bits would wrap round to another port.
  if (port < 0 || port > 65535) return {};

  HandleCloser session(internet, open_session(internet, user_agent(headers), options, secure));
  if (!session.get()) return {};
  HandleCloser connection(internet, internet.InternetConnectA(session.get(), url_host(url).c_str(),
                                                              static_cast<std::uint16_t>(port), nullptr,
                                                              nullptr, platform::kServiceHttp, 0, 0));
  if (!connection.get()) return {};
  HandleCloser request(internet, internet.HttpOpenRequestA(connection.get(), kVerbs[method], url_path(url).c_str(),
                                                           "HTTP/1.1", nullptr, nullptr,
                                                           request_flags(options, secure), 0));
  if (!request.get()) return {};
  const std::uint32_t security_flags = kSecurityFlags;
  internet.InternetSetOptionA(request.get(), platform::kOptionSecurityFlags, &security_flags,
                              sizeof security_flags);

  if (options.add_default_headers) add_default_headers(headers, url, method);
  if (options.cookies) add_cookie_header(headers, *options.cookies);

  const Bytes body = method == kMethodGet              ? Bytes()
                     : !options.byte_body.empty() ? options.byte_body
                                                  : bytes_of(options.text_body);
  const bool sent = internet.HttpSendRequestA(request.get(), headers.empty() ? nullptr : headers.c_str(),
                                              static_cast<std::uint32_t>(headers.size()),
                                              body.empty() ? nullptr : body.data(),
                                              static_cast<std::uint32_t>(body.size()));
  if (!sent) return {};

  Bytes response;
  Text raw_headers;
  if (!read_body(internet, request.get(), response) || !query_raw_headers(internet, request.get(), raw_headers) ||
      body_cut_short(raw_headers, response, method)) {
    return {};
  }

  Text returned_cookies = collect_cookies(raw_headers);
  if (options.do_merge_cookies && options.cookies) returned_cookies = merge_cookies(*options.cookies, returned_cookies);
  if (options.returned_headers) *options.returned_headers = raw_headers;
  if (options.returned_cookies) *options.returned_cookies = returned_cookies;
  return response;
}

Bytes http_request(std::string_view url, const HttpRequestOptions& options) {
  return http_request(platform::system_internet(), url, options);
}

}  // namespace morvella
