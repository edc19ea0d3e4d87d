#pragma once
// One HTTP exchange on libcurl, shaped to look on the wire and in its results as WinINet's would.
#include <cstdint>
#include <string>
#include <vector>

namespace morvella::platform::linux_curl {

struct Timeouts {
  // WinINet's defaults, so that a silent server cannot hold the caller for ever.
  std::uint32_t connect_ms = 60000;
  std::uint32_t send_ms = 30000;
  std::uint32_t receive_ms = 30000;
};

struct TransferRequest {
  std::string agent;
  bool use_proxy = false;
  std::string proxy_list;  // WinINet's proxy text: "host:port", "http=host:port", "SOCKS=host:port"
  std::string host;
  std::uint16_t port = 80;
  std::string verb;
  std::string object_name;
  std::uint32_t flags = 0;           // the request flags
  std::uint32_t security_flags = 0;  // certificate problems to ignore
  Timeouts timeouts;
  std::string headers;  // CR LF separated lines, as handed to HttpSendRequestA
  std::vector<std::uint8_t> body;
  bool has_body = false;
};

struct TransferResult {
  bool sent = false;           // a final response's headers arrived
  bool body_complete = false;  // and its body ended as announced
  std::string raw_headers;     // status line and header lines, each ended by CR LF, then CR LF
  std::vector<std::uint8_t> body;
};

TransferResult perform_transfer(const TransferRequest& request);

}  // namespace morvella::platform::linux_curl
