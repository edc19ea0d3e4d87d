#pragma once
// The HTTP client seam: the eight WinINet operations the request uses, with WinINet's arguments,
// constants and results. Windows forwards to WinINet; Linux gives the same behaviour on libcurl.
// Handles are opaque; null means failure. Options set on a session or connection are inherited
// by the handles opened from it afterwards.
#include <cstdint>

namespace morvella::platform {

using InternetHandle = void*;

inline constexpr std::uint32_t kOpenTypeDirect = 1;  // INTERNET_OPEN_TYPE_DIRECT
inline constexpr std::uint32_t kOpenTypeProxy = 3;   // INTERNET_OPEN_TYPE_PROXY
inline constexpr std::uint32_t kServiceHttp = 3;     // INTERNET_SERVICE_HTTP

// Request flags (HttpOpenRequestA).
inline constexpr std::uint32_t kFlagReload = 0x80000000;
inline constexpr std::uint32_t kFlagNeedFile = 0x10;
inline constexpr std::uint32_t kFlagNoCookies = 0x80000;
inline constexpr std::uint32_t kFlagNoAutoRedirect = 0x200000;
inline constexpr std::uint32_t kFlagSecure = 0x800000;
inline constexpr std::uint32_t kFlagIgnoreRedirectToHttps = 0x4000;

// Options (InternetSetOptionA). Time-outs are 4-byte milliseconds.
inline constexpr std::uint32_t kOptionConnectTimeout = 2;
inline constexpr std::uint32_t kOptionSendTimeout = 5;
inline constexpr std::uint32_t kOptionReceiveTimeout = 6;
inline constexpr std::uint32_t kOptionSecurityFlags = 31;

// Security flags (kOptionSecurityFlags): certificate problems to ignore.
inline constexpr std::uint32_t kSecurityIgnoreRevocation = 0x80;
inline constexpr std::uint32_t kSecurityIgnoreUnknownCa = 0x100;
inline constexpr std::uint32_t kSecurityIgnoreWrongUsage = 0x200;
inline constexpr std::uint32_t kSecurityIgnoreCertCnInvalid = 0x1000;
inline constexpr std::uint32_t kSecurityIgnoreCertDateInvalid = 0x2000;
inline constexpr std::uint32_t kSecurityIgnoreRedirectToHttp = 0x8000;

// HttpQueryInfoA: the status line and header lines, each ended by CR LF, then an empty line
// and a NUL. A buffer too small fails and sets the length to the size needed.
inline constexpr std::uint32_t kQueryRawHeadersCrlf = 22;

class Internet {
 public:
  virtual ~Internet() = default;

  // `proxy` and `proxy_bypass` may be null (direct access).
  virtual InternetHandle InternetOpenA(const char* agent, std::uint32_t access_type, const char* proxy,
                                       const char* proxy_bypass, std::uint32_t flags) = 0;
  virtual InternetHandle InternetConnectA(InternetHandle session, const char* server_name,
                                          std::uint16_t port, const char* user_name, const char* password,
                                          std::uint32_t service, std::uint32_t flags,
                                          std::uintptr_t context) = 0;
  virtual InternetHandle HttpOpenRequestA(InternetHandle connection, const char* verb, const char* object_name,
                                          const char* version, const char* referrer,
                                          const char** accept_types, std::uint32_t flags,
                                          std::uintptr_t context) = 0;
  virtual bool InternetSetOptionA(InternetHandle handle, std::uint32_t option, const void* buffer,
                                  std::uint32_t buffer_length) = 0;
  // Sends the request and receives the response headers, following redirects unless told not to.
  virtual bool HttpSendRequestA(InternetHandle request, const char* headers, std::uint32_t headers_length,
                                const void* optional, std::uint32_t optional_length) = 0;
  // The next bytes of the body; a count of 0 at the end of the data and after any failure.
  virtual bool InternetReadFile(InternetHandle request, void* buffer, std::uint32_t bytes_to_read,
                                std::uint32_t* bytes_read) = 0;
  virtual bool HttpQueryInfoA(InternetHandle request, std::uint32_t info_level, void* buffer,
                              std::uint32_t* buffer_length, std::uint32_t* index) = 0;
  virtual bool InternetCloseHandle(InternetHandle handle) = 0;
};

// The system's own implementation, shared by the whole process.
Internet& system_internet();

}  // namespace morvella::platform
