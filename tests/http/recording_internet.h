#pragma once
// A fake request seam: records every argument it is handed and answers with a canned response.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/internet.h"
#include "text/text.h"

namespace morvella::testing {

class RecordingInternet final : public platform::Internet {
 public:
  using Handle = platform::InternetHandle;

  // What the fake answers.
  bool fail_open = false, fail_connect = false, fail_request = false, fail_send = false, fail_read = false;
  std::string response_headers = "HTTP/1.1 200 OK\r\n\r\n";
  Bytes response_body;

  // What it was handed (a null text records as nullopt).
  std::string agent;
  std::uint32_t access_type = 0;
  std::optional<std::string> proxy, proxy_bypass;
  std::string host;
  std::uint16_t port = 0;
  std::uint32_t service = 0;
  std::string verb, object_name, version;
  std::uint32_t request_flags = 0;
  std::optional<std::uint32_t> security_flags;
  std::optional<std::string> sent_headers;
  std::uint32_t sent_headers_length = 0;
  std::optional<Bytes> sent_body;
  std::uint32_t sent_body_length = 0;
  std::vector<std::uint32_t> read_sizes;
  std::vector<std::uint32_t> query_capacities;
  std::vector<Handle> closed;

  Handle session() { return &session_; }
  Handle connection() { return &connection_; }
  Handle request() { return &request_; }

  Handle InternetOpenA(const char* a, std::uint32_t type, const char* p, const char* bypass, std::uint32_t) override {
    agent = a;
    access_type = type;
    proxy = p ? std::optional<std::string>(p) : std::nullopt;
    proxy_bypass = bypass ? std::optional<std::string>(bypass) : std::nullopt;
    return fail_open ? nullptr : session();
  }
  Handle InternetConnectA(Handle, const char* server, std::uint16_t p, const char*, const char*, std::uint32_t s,
                          std::uint32_t, std::uintptr_t) override {
    host = server;
    port = p;
    service = s;
    return fail_connect ? nullptr : connection();
  }
  Handle HttpOpenRequestA(Handle, const char* v, const char* object, const char* ver, const char*, const char**,
                          std::uint32_t flags, std::uintptr_t) override {
    verb = v;
    object_name = object;
    version = ver;
    request_flags = flags;
    return fail_request ? nullptr : request();
  }
  bool InternetSetOptionA(Handle, std::uint32_t option, const void* buffer, std::uint32_t length) override {
    if (option == platform::kOptionSecurityFlags && length == 4) {
      std::uint32_t value;
      std::memcpy(&value, buffer, 4);
      security_flags = value;
    }
    return true;
  }
  bool HttpSendRequestA(Handle, const char* headers, std::uint32_t headers_length, const void* body,
                        std::uint32_t body_length) override {
    sent_headers = headers ? std::optional<std::string>(std::string(headers, headers_length)) : std::nullopt;
    sent_headers_length = headers_length;
    const auto* bytes = static_cast<const std::uint8_t*>(body);
    sent_body = body ? std::optional<Bytes>(Bytes(bytes, bytes + body_length)) : std::nullopt;
    sent_body_length = body_length;
    return !fail_send;
  }
  bool InternetReadFile(Handle, void* buffer, std::uint32_t size, std::uint32_t* read) override {
    read_sizes.push_back(size);
    const std::size_t count = std::min<std::size_t>(size, response_body.size() - read_position_);
    if (fail_read && read_position_ > 0) {  // fails after the first chunk, as a cut connection does
      *read = 0;
      return false;
    }
    if (count) std::memcpy(buffer, response_body.data() + read_position_, count);
    read_position_ += count;
    *read = static_cast<std::uint32_t>(count);
    return true;
  }
  bool HttpQueryInfoA(Handle, std::uint32_t level, void* buffer, std::uint32_t* length, std::uint32_t*) override {
    query_capacities.push_back(*length);
    if (level != platform::kQueryRawHeadersCrlf || response_headers.empty()) return false;
    if (*length < response_headers.size() + 1) {
      *length = static_cast<std::uint32_t>(response_headers.size() + 1);
      return false;
    }
    std::memcpy(buffer, response_headers.c_str(), response_headers.size() + 1);
    *length = static_cast<std::uint32_t>(response_headers.size());
    return true;
  }
  bool InternetCloseHandle(Handle handle) override {
    closed.push_back(handle);
    return true;
  }

 private:
  char session_ = 0, connection_ = 0, request_ = 0;
  std::size_t read_position_ = 0;
};

}  // namespace morvella::testing
