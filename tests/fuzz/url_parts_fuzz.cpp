// URL parts on any text: the path begins with "/" and is the URL's own tail, the plain-mode host
// stops before any "/" (and before any ":" unless the port is kept), and the port falls back
// to 80 or 443 only when the host carries none.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "http/url_parts.h"
#include "text/text_rules.h"

using namespace morvella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool domain_only = input.ConsumeBool();
  const bool keep_port = input.ConsumeBool();
  std::optional<int> extra_labels;
  if (input.ConsumeBool())
    extra_labels = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange<int>(-2, 6);
  const std::string url = input.ConsumeRemainingBytesAsString();

  const Text path = url_path(url);
  FUZZ_CHECK(path.starts_with('/'));
  FUZZ_CHECK(path == "/" || url.ends_with(path));

  const Text host = url_host(url, domain_only, keep_port, extra_labels);
  FUZZ_CHECK(host.size() <= url.size() + 1);
  FUZZ_CHECK(url_host(ascii_lower(url), domain_only, keep_port, extra_labels) == host);
  if (!extra_labels) {
    FUZZ_CHECK(find_forward(host, "/") == -1);
    if (!keep_port) FUZZ_CHECK(find_forward(host, ":") == -1);
  }

  const int port = url_port(url);
  if (find_backward(url_host(url, false, true), ":") == -1) FUZZ_CHECK(port == 80 || port == 443);
  return 0;
}
