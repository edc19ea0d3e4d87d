// One HTTP exchange on libcurl, matching what WinINet puts on the wire and hands back.
#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string_view>

#include "platform/internet.h"
#include "platform/linux/curl_transfer.h"

namespace morvella::platform::linux_curl {
namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// libcurl set up once, with the one cookie store every request without NO_COOKIES shares,
// as WinINet keeps one per process.
class CurlGlobal {
 public:
  CurlGlobal() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    share_ = curl_share_init();
    curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CurlGlobal::lock);
    curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CurlGlobal::unlock);
    curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
  }
  CURLSH* cookie_share() const { return share_; }

 private:
  static void lock(CURL*, curl_lock_data, curl_lock_access, void* self) {
    static_cast<CurlGlobal*>(self)->mutex_.lock();
  }
  static void unlock(CURL*, curl_lock_data, void* self) { static_cast<CurlGlobal*>(self)->mutex_.unlock(); }

  std::mutex mutex_;
  CURLSH* share_ = nullptr;
};

CurlGlobal& curl_global() {
  static CurlGlobal global;
  return global;
}

// The proxy WinINet would use for this scheme, as a libcurl proxy URL; empty for none.
// Entries are "scheme=host:port" or a bare "host:port" that serves every scheme.
std::string proxy_for(std::string_view list, bool secure) {
  std::string bare, socks, matching;
  std::size_t pos = 0;
  while (pos < list.size()) {
    std::size_t end = list.find_first_of(" ;", pos);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view entry = list.substr(pos, end - pos);
    pos = end + 1;
    if (entry.empty()) continue;
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) {
      bare = "http://" + std::string(entry);
      continue;
    }
    const std::string scheme = lower(entry.substr(0, equals));
    const std::string address(entry.substr(equals + 1));
    if (scheme == "socks") socks = "socks4://" + address;
    if (scheme == (secure ? "https" : "http")) matching = "http://" + address;
  }
  if (!matching.empty()) return matching;
  if (!bare.empty()) return bare;
  return socks;
}

// libcurl refuses URLs holding spaces, control bytes or raw 8-bit bytes; they go out escaped.
std::string url_safe(std::string_view object_name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : object_name) {
    if (c <= 0x20 || c >= 0x7F) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

struct HeaderList {
  curl_slist* list = nullptr;
  ~HeaderList() { curl_slist_free_all(list); }
  void add(const std::string& line) { list = curl_slist_append(list, line.c_str()); }
};

// The caller's header lines; libcurl's own Accept, Content-Type and Expect are suppressed, since
// WinINet sends none of them. Of its own, WinINet sends Host, User-Agent and, for every verb but
// GET, Content-Length: libcurl sends the same three.
void build_headers(const TransferRequest& request, HeaderList& out) {
  std::set<std::string> names;
  std::string_view rest = request.headers;
  while (!rest.empty()) {
    std::size_t end = rest.find("\r\n");
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) continue;
    names.insert(lower(line.substr(0, colon)));
    const std::string_view value = line.substr(colon + 1);
    const bool empty_value = value.find_first_not_of(' ') == std::string_view::npos;
    // libcurl reads "Name:" as "remove Name"; "Name;" sends it with an empty value.
    out.add(empty_value ? std::string(line.substr(0, colon)) + ";" : std::string(line));
  }
  if (request.verb == "HEAD" && !names.count("content-length")) out.add("Content-Length: 0");
  if (!names.count("accept")) out.add("Accept:");
  if (!names.count("content-type")) out.add("Content-Type:");
  out.add("Expect:");
}

struct Collector {
  TransferResult* result;
  bool final_headers = false;
};

// Each response of the exchange (redirects, proxy answers, 100 Continue) starts a new block,
// so the block kept is the last response's, as WinINet reports it.
size_t on_header(char* data, size_t size, size_t count, void* user) {
  auto* collector = static_cast<Collector*>(user);
  std::string_view line(data, size * count);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  std::string& headers = collector->result->raw_headers;
  if (line.substr(0, 5) == "HTTP/") {
    headers.clear();
    collector->final_headers = false;
  }
  headers.append(line).append("\r\n");
  if (line.empty()) collector->final_headers = true;
  return size * count;
}

size_t on_body(char* data, size_t size, size_t count, void* user) {
  auto* body = static_cast<std::vector<std::uint8_t>*>(user);
  body->insert(body->end(), data, data + size * count);
  return size * count;
}

void set_security(CURL* easy, std::uint32_t security_flags) {
  const bool ignore_chain =
      security_flags & (kSecurityIgnoreUnknownCa | kSecurityIgnoreCertDateInvalid | kSecurityIgnoreWrongUsage);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, ignore_chain ? 0L : 1L);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, (security_flags & kSecurityIgnoreCertCnInvalid) ? 0L : 2L);
  // OpenSSL's own override of the trust store, as other OpenSSL programs honour it.
  if (const char* bundle = std::getenv("SSL_CERT_FILE")) curl_easy_setopt(easy, CURLOPT_CAINFO, bundle);
}

void set_redirects(CURL* easy, const TransferRequest& request) {
  const bool follow = !(request.flags & kFlagNoAutoRedirect);
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, follow ? 1L : 0L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 30L);
  const bool secure = request.flags & kFlagSecure;
  const bool to_https_allowed = secure || (request.flags & kFlagIgnoreRedirectToHttps);
  const bool to_http_allowed = !secure || (request.security_flags & kSecurityIgnoreRedirectToHttp);
  const char* allowed = to_https_allowed && to_http_allowed ? "http,https" : to_https_allowed ? "https" : "http";
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, allowed);
}

void set_method_and_body(CURL* easy, const TransferRequest& request) {
  // libcurl sends no body with HEAD (WinINet does): only an empty one looks the same on the
  // wire, through the Content-Length header WinINet sends with it.
  if (request.verb == "HEAD") {
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    return;
  }
  // WinINet announces a Content-Length, 0 included, for every verb but a bodiless GET.
  if (request.has_body || request.verb != "GET") {
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request.body.empty() ? "" : reinterpret_cast<const char*>(request.body.data()));
  }
  if (request.verb != "GET" && request.verb != "POST") {
    curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
  }
}

}  // namespace

TransferResult perform_transfer(const TransferRequest& request) {
  TransferResult result;
  CURL* easy = curl_easy_init();
  if (!easy) return result;
  const bool secure = request.flags & kFlagSecure;
  const std::string origin = std::string(secure ? "https://" : "http://") + request.host + ":" +
                             std::to_string(request.port);
  const std::string proxy = request.use_proxy ? proxy_for(request.proxy_list, secure) : std::string();

  curl_easy_setopt(easy, CURLOPT_URL, (origin + url_safe(request.object_name)).c_str());
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, request.agent.c_str());
  // An empty proxy and no-proxy list keep the environment's proxy variables out.
  curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
  curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.timeouts.connect_ms));
  // A transfer that moves nothing for the receive time-out ends, as WinINet's would.
  const long idle_seconds = std::max<long>(1, (std::max(request.timeouts.receive_ms, request.timeouts.send_ms) + 999) / 1000);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, idle_seconds);
  if (!(request.flags & kFlagNoCookies)) {
    curl_easy_setopt(easy, CURLOPT_SHARE, curl_global().cookie_share());
    curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
  }
  set_security(easy, request.security_flags);
  set_redirects(easy, request);
  set_method_and_body(easy, request);

  HeaderList headers;
  build_headers(request, headers);
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.list);

  Collector collector{&result};
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &on_header);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &collector);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &on_body);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &result.body);

  const CURLcode code = curl_easy_perform(easy);
  long status = 0;  // stays 0 when only a proxy tunnel answered
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
  result.sent = collector.final_headers && status != 0;
  result.body_complete = code == CURLE_OK;
  curl_easy_cleanup(easy);
  return result;
}

}  // namespace morvella::platform::linux_curl
