// The request seam on Windows: each operation forwards to WinINet as it is.
#include "platform/internet.h"

#include <windows.h>
#include <wininet.h>

namespace morvella::platform {
namespace {

class WinInet final : public Internet {
 public:
  InternetHandle InternetOpenA(const char* agent, std::uint32_t access_type, const char* proxy,
                               const char* proxy_bypass, std::uint32_t flags) override {
    return ::InternetOpenA(agent, access_type, proxy, proxy_bypass, flags);
  }

  InternetHandle InternetConnectA(InternetHandle session, const char* server_name, std::uint16_t port,
                                  const char* user_name, const char* password, std::uint32_t service,
                                  std::uint32_t flags, std::uintptr_t context) override {
    return ::InternetConnectA(session, server_name, port, user_name, password, service, flags, context);
  }

  InternetHandle HttpOpenRequestA(InternetHandle connection, const char* verb, const char* object_name,
                                  const char* version, const char* referrer, const char** accept_types,
                                  std::uint32_t flags, std::uintptr_t context) override {
    return ::HttpOpenRequestA(connection, verb, object_name, version, referrer, accept_types, flags, context);
  }

  bool InternetSetOptionA(InternetHandle handle, std::uint32_t option, const void* buffer,
                          std::uint32_t buffer_length) override {
    return ::InternetSetOptionA(handle, option, const_cast<void*>(buffer), buffer_length) != FALSE;
  }

  bool HttpSendRequestA(InternetHandle request, const char* headers, std::uint32_t headers_length,
                        const void* optional, std::uint32_t optional_length) override {
    return ::HttpSendRequestA(request, headers, headers_length, const_cast<void*>(optional), optional_length) !=
           FALSE;
  }

  bool InternetReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                        std::uint32_t* bytes_read) override {
    DWORD count = 0;
    const bool ok = ::InternetReadFile(request, buffer, bytes_to_read, &count) != FALSE;
    *bytes_read = ok ? count : 0;
    return ok;
  }

  bool HttpQueryInfoA(InternetHandle request, std::uint32_t info_level, void* buffer,
                      std::uint32_t* buffer_length, std::uint32_t* index) override {
    DWORD length = *buffer_length;
    DWORD index_value = index ? *index : 0;
    const bool ok = ::HttpQueryInfoA(request, info_level, buffer, &length, index ? &index_value : nullptr) != FALSE;
    *buffer_length = length;
    if (index) *index = index_value;
    return ok;
  }

  bool InternetCloseHandle(InternetHandle handle) override { return ::InternetCloseHandle(handle) != FALSE; }
};

}  // namespace

Internet& system_internet() {
  static WinInet internet;
  return internet;
}

}  // namespace morvella::platform
