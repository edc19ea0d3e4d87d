#pragma once
// Taking a URL apart for the request: host (lower-cased), port and path.
#include <optional>
#include <string_view>

#include "text/text.h"

namespace morvella {

// Plain mode without `extra_labels`; label-count mode when it is given, whatever its value.
Text url_host(std::string_view url, bool domain_only = false, bool keep_port = false,
              std::optional<int> extra_labels = std::nullopt);

// The explicit port, else 443 for https and 80 otherwise; 0 for a port that is not a number.
// Full-width digits count as digits; a value beyond the int range is clamped to it.
int url_port(std::string_view url);

// Everything after the host, query and fragment included; always begins with "/".
Text url_path(std::string_view url);

}  // namespace morvella
