#include "http/url_parts.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "http/markers.h"
#include "text/text_rules.h"

namespace morvella {
namespace {

constexpr std::string_view kHttps = "https://";
constexpr std::string_view kHttp = "http://";

// The url lower-cased with a closing "/", and the 1-based position where its host begins.
// Lower-casing keeps every byte in place, so the position holds in the url as written too.
struct LoweredUrl {
  Text text;
  std::int64_t host_start = 1;
};

LoweredUrl lower_and_locate_host(std::string_view url) {
  LoweredUrl lowered{ascii_lower(url)};
  if (lowered.text.empty() || lowered.text.back() != '/') lowered.text.push_back('/');
  if (lowered.text.starts_with(kHttps)) {
    lowered.host_start = static_cast<std::int64_t>(kHttps.size()) + 1;
  } else if (const std::int64_t http = find_forward(lowered.text, kHttp); http != -1) {
    lowered.host_start = http + static_cast<std::int64_t>(kHttp.size());
  }
  return lowered;
}

// From the host's start up to the next "/", port included.
Text plain_host(std::string_view url, bool domain_only) {
  const LoweredUrl lowered = lower_and_locate_host(url);
  const std::int64_t slash = find_forward(lowered.text, "/", lowered.host_start);
  if (slash == -1) return {};
  Text host = substring(lowered.text, lowered.host_start, slash - lowered.host_start);
  if (domain_only) {
    const TextList labels = split(host, ".");
    if (labels.size() >= 2) host = labels[labels.size() - 2] + "." + labels.back();
  }
  return host;
}

// Keeps the last extra_labels + 2 labels (+ 1 with domain_only), or the whole host when it has
// too few dots. A dot in the last byte never counts.
Text labelled_host(std::string_view url, bool domain_only, int extra_labels) {
  Text host = replace_all(replace_all(ascii_lower(url), kHttp, ""), kHttps, "");
  if (const std::int64_t slash = find_forward(host, "/"); slash != -1)
    host.resize(static_cast<std::size_t>(slash - 1));

  // Each dot's position once, so a huge extra_labels costs nothing and walking left from dot
  // to dot stays linear.
  const auto length = static_cast<std::int64_t>(host.size());
  std::vector<std::int64_t> dots;
  for (std::int64_t at = find_forward(host, "."); at != -1 && at < length; at = find_forward(host, ".", at + 1))
    dots.push_back(at);

  // The dot number extra_labels + 1 from the right, and the one left of it.
  const std::int64_t cut = static_cast<std::int64_t>(dots.size()) - 1 - std::max(extra_labels, 0);
  if (domain_only) {
    if (cut >= 0) host.erase(0, static_cast<std::size_t>(dots[cut]));
  } else if (cut >= 1) {
    host.erase(0, static_cast<std::size_t>(dots[cut - 1]));
  }
  return host;
}

// Full-width digits (A3 B0..A3 B9) become their ASCII forms; every other character stays.
Text half_width_digits(std::string_view text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); i += character_width(text, i)) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = character_width(text, i) == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9)
      out.push_back(static_cast<char>('0' + (trail - 0xB0)));
    else
      out.append(text.substr(i, character_width(text, i)));
  }
  return out;
}

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Leading blanks, an optional sign, then digits up to the first non-digit; no digits gives 0.
// A value beyond the int range is clamped to it.
int leading_integer(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t value = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) value = std::min(value * 10 + (text[i] - '0'), limit);
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

Text url_host(std::string_view url, bool domain_only, bool keep_port, std::optional<int> extra_labels) {
  Text host = extra_labels ? labelled_host(url, domain_only, *extra_labels) : plain_host(url, domain_only);
  if (keep_port || find_forward(host, ":") == -1) return host;
  return text_before_marker(host, ":");
}

int url_port(std::string_view url) {
  const Text host = url_host(url, false, true);
  if (const std::int64_t colon = find_backward(host, ":"); colon != -1)
    return leading_integer(half_width_digits(std::string_view(host).substr(colon)));
  return ascii_lower(url.substr(0, 5)) == "https" ? 443 : 80;
}

Text url_path(std::string_view url) {
  // The first "/" after where the host begins: searching for the host's text instead could
  // match inside the scheme (the host "t" in "http://t/x").
  const std::int64_t slash = find_forward(url, "/", lower_and_locate_host(url).host_start);
  if (slash == -1) return "/";
  return Text(url.substr(static_cast<std::size_t>(slash - 1)));
}

}  // namespace morvella
