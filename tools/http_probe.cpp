// http_probe: sends one request through http_request and reports what came back, for the
// end-to-end tests. Bytes that must arrive unchanged (headers, bodies) travel through files.
//
//   http_probe [options] URL
//     --method N            method index
//     --text-file F         text body from a file      --bytes-file F   byte body from a file
//     --headers-file F      header block from a file   --cookies TEXT   cookies to submit ("" allowed)
//     --proxy ADDRESS       --socks                    --no-redirect    --no-merge
//     --no-default-headers  --no-normalize             --timeout MS     (connect, send and receive)
//     --body-out F          --headers-out F
// Prints body-length, returned-cookies, cookies and returned-headers-length lines; an out-value
// the request left alone prints as "(untouched)".
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "http/http_request.h"
#include "platform/internet.h"

namespace {

using morvella::Bytes;
using morvella::Text;
using morvella::platform::Internet;
using morvella::platform::InternetHandle;

const Text kUntouched = "(untouched)";

Text read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The system's seam with short time-outs on every session it opens.
class TimeoutInternet final : public Internet {
 public:
  TimeoutInternet(Internet& inner, std::uint32_t timeout_ms) : inner_(inner), timeout_ms_(timeout_ms) {}

  // Set on the session and on the connection: WinINet implementations differ in which of the
  // two hands its time-outs down to the request.
  InternetHandle InternetOpenA(const char* agent, std::uint32_t access_type, const char* proxy, const char* bypass,
                               std::uint32_t flags) override {
    return with_timeouts(inner_.InternetOpenA(agent, access_type, proxy, bypass, flags));
  }
  InternetHandle InternetConnectA(InternetHandle session, const char* server, std::uint16_t port, const char* user,
                                  const char* password, std::uint32_t service, std::uint32_t flags,
                                  std::uintptr_t context) override {
    return with_timeouts(inner_.InternetConnectA(session, server, port, user, password, service, flags, context));
  }
  InternetHandle HttpOpenRequestA(InternetHandle connection, const char* verb, const char* object,
                                  const char* version, const char* referrer, const char** accept_types,
                                  std::uint32_t flags, std::uintptr_t context) override {
    return inner_.HttpOpenRequestA(connection, verb, object, version, referrer, accept_types, flags, context);
  }
  bool InternetSetOptionA(InternetHandle handle, std::uint32_t option, const void* buffer,
                          std::uint32_t length) override {
    return inner_.InternetSetOptionA(handle, option, buffer, length);
  }
  bool HttpSendRequestA(InternetHandle request, const char* headers, std::uint32_t headers_length,
                        const void* body, std::uint32_t body_length) override {
    return inner_.HttpSendRequestA(request, headers, headers_length, body, body_length);
  }
  bool InternetReadFile(InternetHandle request, void* buffer, std::uint32_t size, std::uint32_t* read) override {
    return inner_.InternetReadFile(request, buffer, size, read);
  }
  bool HttpQueryInfoA(InternetHandle request, std::uint32_t level, void* buffer, std::uint32_t* length,
                      std::uint32_t* index) override {
    return inner_.HttpQueryInfoA(request, level, buffer, length, index);
  }
  bool InternetCloseHandle(InternetHandle handle) override { return inner_.InternetCloseHandle(handle); }

 private:
  InternetHandle with_timeouts(InternetHandle handle) {
    if (handle) {
      for (std::uint32_t option : {morvella::platform::kOptionConnectTimeout, morvella::platform::kOptionSendTimeout,
                                   morvella::platform::kOptionReceiveTimeout}) {
        inner_.InternetSetOptionA(handle, option, &timeout_ms_, sizeof timeout_ms_);
      }
    }
    return handle;
  }

  Internet& inner_;
  std::uint32_t timeout_ms_;
};

int usage() {
  std::cerr << "usage: http_probe [options] URL (see the file's opening comment)\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  morvella::HttpRequestOptions options;
  std::optional<Text> cookies;
  Text returned_cookies = kUntouched;
  Text returned_headers = kUntouched;
  std::string body_out, headers_out, url;
  std::optional<std::uint32_t> timeout_ms;

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--method" && has_value) options.method = std::atoi(argv[++i]);
    else if (arg == "--text-file" && has_value) options.text_body = read_file(argv[++i]);
    else if (arg == "--bytes-file" && has_value) options.byte_body = morvella::bytes_of(read_file(argv[++i]));
    else if (arg == "--headers-file" && has_value) options.headers = read_file(argv[++i]);
    else if (arg == "--cookies" && has_value) cookies = argv[++i];
    else if (arg == "--proxy" && has_value) options.proxy = argv[++i];
    else if (arg == "--socks") options.use_socks = true;
    else if (arg == "--no-redirect") options.no_redirect = true;
    else if (arg == "--no-merge") options.do_merge_cookies = false;
    else if (arg == "--no-default-headers") options.add_default_headers = false;
    else if (arg == "--no-normalize") options.normalize_headers = false;
    else if (arg == "--timeout" && has_value) timeout_ms = static_cast<std::uint32_t>(std::atol(argv[++i]));
    else if (arg == "--body-out" && has_value) body_out = argv[++i];
    else if (arg == "--headers-out" && has_value) headers_out = argv[++i];
    else if (arg.rfind("--", 0) != 0 && url.empty()) url = arg;
    else return usage();
  }
  if (url.empty()) return usage();
  if (cookies) options.cookies = &*cookies;
  options.returned_cookies = &returned_cookies;
  options.returned_headers = &returned_headers;

  Internet& system = morvella::platform::system_internet();
  TimeoutInternet with_timeouts(system, timeout_ms.value_or(0));
  const Bytes body = morvella::http_request(timeout_ms ? with_timeouts : system, url, options);

  if (!body_out.empty()) write_file(body_out, body.data(), body.size());
  if (!headers_out.empty()) write_file(headers_out, returned_headers.data(), returned_headers.size());
  std::cout << "body-length: " << body.size() << "\n"
            << "returned-cookies: " << returned_cookies << "\n"
            << "cookies: " << (cookies ? *cookies : Text("(not supplied)")) << "\n"
            << "returned-headers-length: "
            << (returned_headers == kUntouched ? kUntouched : std::to_string(returned_headers.size())) << "\n";
  return 0;
}
