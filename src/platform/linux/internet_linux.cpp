// The request seam on Linux: WinINet's handles and operations over one libcurl exchange per
// request. The exchange runs in HttpSendRequestA; reads then serve its body from memory.
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/internet.h"
#include "platform/linux/curl_transfer.h"

namespace morvella::platform {
namespace {

using linux_curl::Timeouts;
using linux_curl::TransferRequest;
using linux_curl::TransferResult;

enum class Kind { kSession, kConnection, kRequest };

struct HandleData {
  Kind kind = Kind::kSession;
  Timeouts timeouts;
  std::string agent;
  bool use_proxy = false;
  std::string proxy_list;
  std::string host;
  std::uint16_t port = 0;
  std::string verb;
  std::string object_name;
  std::uint32_t flags = 0;
  std::uint32_t security_flags = 0;
  TransferResult result;
  std::size_t read_position = 0;
  bool failed = false;  // not sent, or the body broke off: reads give nothing
};

std::string text_or_empty(const char* text) { return text ? text : ""; }

std::string text_or_default(const char* text, const char* fallback) {
  return text && *text ? text : fallback;
}

class CurlInternet final : public Internet {
 public:
  InternetHandle InternetOpenA(const char* agent, std::uint32_t access_type, const char* proxy, const char*,
                               std::uint32_t) override {
    auto data = std::make_unique<HandleData>();
    data->agent = text_or_empty(agent);
    data->use_proxy = access_type == kOpenTypeProxy;
    data->proxy_list = text_or_empty(proxy);
    return add(std::move(data));
  }

  InternetHandle InternetConnectA(InternetHandle session, const char* server_name, std::uint16_t port,
                                  const char*, const char*, std::uint32_t service, std::uint32_t,
                                  std::uintptr_t) override {
    std::lock_guard lock(mutex_);
    const HandleData* parent = find(session, Kind::kSession);
    if (!parent || service != kServiceHttp || !server_name || !*server_name) return nullptr;
    auto data = std::make_unique<HandleData>(*parent);
    data->kind = Kind::kConnection;
    data->host = server_name;
    data->port = port;
    return add_locked(std::move(data));
  }

  InternetHandle HttpOpenRequestA(InternetHandle connection, const char* verb, const char* object_name,
                                  const char*, const char*, const char**, std::uint32_t flags,
                                  std::uintptr_t) override {
    std::lock_guard lock(mutex_);
    const HandleData* parent = find(connection, Kind::kConnection);
    if (!parent) return nullptr;
    auto data = std::make_unique<HandleData>(*parent);
    data->kind = Kind::kRequest;
    data->verb = text_or_default(verb, "GET");
    data->object_name = text_or_default(object_name, "/");
    data->flags = flags;
    if (data->port == 0) data->port = (flags & kFlagSecure) ? 443 : 80;
    return add_locked(std::move(data));
  }

  bool InternetSetOptionA(InternetHandle handle, std::uint32_t option, const void* buffer,
                          std::uint32_t buffer_length) override {
    std::lock_guard lock(mutex_);
    HandleData* data = find(handle);
    if (!data || !buffer || buffer_length != sizeof(std::uint32_t)) return false;
    std::uint32_t value = 0;
    std::memcpy(&value, buffer, sizeof value);
    switch (option) {
      case kOptionConnectTimeout: data->timeouts.connect_ms = value; return true;
      case kOptionSendTimeout: data->timeouts.send_ms = value; return true;
      case kOptionReceiveTimeout: data->timeouts.receive_ms = value; return true;
      case kOptionSecurityFlags:
        if (data->kind != Kind::kRequest) return false;
        data->security_flags = value;
        return true;
      default: return false;
    }
  }

  bool HttpSendRequestA(InternetHandle request, const char* headers, std::uint32_t headers_length,
                        const void* optional, std::uint32_t optional_length) override {
    TransferRequest transfer;
    {
      std::lock_guard lock(mutex_);
      const HandleData* data = find(request, Kind::kRequest);
      if (!data) return false;
      transfer.agent = data->agent;
      transfer.use_proxy = data->use_proxy;
      transfer.proxy_list = data->proxy_list;
      transfer.host = data->host;
      transfer.port = data->port;
      transfer.verb = data->verb;
      transfer.object_name = data->object_name;
      transfer.flags = data->flags;
      transfer.security_flags = data->security_flags;
      transfer.timeouts = data->timeouts;
    }
    if (headers) {
      // WinINet takes a length of -1 as "up to the NUL".
      transfer.headers = headers_length == 0xFFFFFFFFu ? std::string(headers) : std::string(headers, headers_length);
    }
    if (optional && optional_length) {
      const auto* bytes = static_cast<const std::uint8_t*>(optional);
      transfer.body.assign(bytes, bytes + optional_length);
      transfer.has_body = true;
    }
    TransferResult result = linux_curl::perform_transfer(transfer);

    std::lock_guard lock(mutex_);
    HandleData* data = find(request, Kind::kRequest);
    if (!data) return false;
    data->failed = !result.sent;
    data->result = std::move(result);
    data->read_position = 0;
    return !data->failed;
  }

  bool InternetReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                        std::uint32_t* bytes_read) override {
    *bytes_read = 0;
    std::lock_guard lock(mutex_);
    HandleData* data = find(request, Kind::kRequest);
    if (!data || data->failed) return false;
    const auto& body = data->result.body;
    const std::size_t count = std::min<std::size_t>(bytes_to_read, body.size() - data->read_position);
    if (count == 0 && !data->result.body_complete) {
      // The connection broke off: what arrived has been served, now the failure shows.
      data->failed = true;
      return false;
    }
    if (count) std::memcpy(buffer, body.data() + data->read_position, count);
    data->read_position += count;
    *bytes_read = static_cast<std::uint32_t>(count);
    return true;
  }

  bool HttpQueryInfoA(InternetHandle request, std::uint32_t info_level, void* buffer, std::uint32_t* buffer_length,
                      std::uint32_t*) override {
    std::lock_guard lock(mutex_);
    const HandleData* data = find(request, Kind::kRequest);
    if (!data || info_level != kQueryRawHeadersCrlf || data->result.raw_headers.empty()) return false;
    const std::string& headers = data->result.raw_headers;
    const std::size_t needed = headers.size() + 1;
    if (!buffer || *buffer_length < needed) {
      *buffer_length = static_cast<std::uint32_t>(needed);  // ERROR_INSUFFICIENT_BUFFER
      return false;
    }
    std::memcpy(buffer, headers.c_str(), needed);
    *buffer_length = static_cast<std::uint32_t>(headers.size());
    return true;
  }

  bool InternetCloseHandle(InternetHandle handle) override {
    std::lock_guard lock(mutex_);
    return handles_.erase(handle) == 1;
  }

 private:
  InternetHandle add(std::unique_ptr<HandleData> data) {
    std::lock_guard lock(mutex_);
    return add_locked(std::move(data));
  }
  InternetHandle add_locked(std::unique_ptr<HandleData> data) {
    InternetHandle handle = data.get();
    handles_.emplace(handle, std::move(data));
    return handle;
  }
  HandleData* find(InternetHandle handle) {
    const auto found = handles_.find(handle);
    return found == handles_.end() ? nullptr : found->second.get();
  }
  HandleData* find(InternetHandle handle, Kind kind) {
    HandleData* data = find(handle);
    return data && data->kind == kind ? data : nullptr;
  }

  std::mutex mutex_;
  std::unordered_map<InternetHandle, std::unique_ptr<HandleData>> handles_;
};

}  // namespace

Internet& system_internet() {
  static CurlInternet internet;
  return internet;
}

}  // namespace morvella::platform
