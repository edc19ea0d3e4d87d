#pragma once
// The program's one HTTP client operation: a synchronous, one-shot request over the
// WinINet-shaped seam. On any failure it returns an empty body and leaves the out-values as the
// caller passed them.
#include <string_view>

#include "text/text.h"

namespace morvella {

namespace platform {
class Internet;  // platform/internet.h
}

inline constexpr int kMethodGet = 0;
inline constexpr int kMethodPost = 1;

// Everything but the URL, with its defaults. A null pointer is an omitted argument; `cookies`
// supplied at all (even empty) switches off the platform's own cookies and enables the merge.
struct HttpRequestOptions {
  int method = kMethodGet;        // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT
  Text text_body;
  Text* cookies = nullptr;        // in and out
  Text* returned_cookies = nullptr;
  Text headers;
  Text* returned_headers = nullptr;
  bool no_redirect = false;
  Bytes byte_body;                // takes precedence over text_body
  Text proxy;
  bool do_merge_cookies = true;
  bool add_default_headers = true;
  bool normalize_headers = true;
  bool use_socks = false;
};

Bytes http_request(platform::Internet& internet, std::string_view url,
                   const HttpRequestOptions& options = {});

// The same over the system's own implementation of the seam.
Bytes http_request(std::string_view url, const HttpRequestOptions& options = {});

}  // namespace morvella
