// Header-name normalising: every kept line holds a colon, only letters of the name are raised,
// everything from the first colon on is untouched, and a second pass changes nothing.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "http/header_names.h"
#include "text/text_rules.h"

using namespace morvella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string block(reinterpret_cast<const char*>(data), size);
  const Text normalized = normalize_header_names(block);
  FUZZ_CHECK(normalized.size() <= block.size());
  FUZZ_CHECK(normalize_header_names(normalized) == normalized);

  // Each output line is the next input line that holds a colon, with only its name raised.
  const TextList in_lines = split(block, "\r\n");
  std::size_t next = 0;
  for (const Text& line : split(normalized, "\r\n")) {
    const std::int64_t colon = find_forward(line, ":");
    FUZZ_CHECK(colon != -1);
    while (next < in_lines.size() && find_forward(in_lines[next], ":") == -1) ++next;
    FUZZ_CHECK(next < in_lines.size());
    const Text& original = in_lines[next++];
    FUZZ_CHECK(line.size() == original.size());
    const auto name_size = static_cast<std::size_t>(colon - 1);
    FUZZ_CHECK(line.compare(name_size, Text::npos, original, name_size) == 0);
    for (std::size_t i = 0; i < name_size; ++i) {
      const bool raised = original[i] >= 'a' && original[i] <= 'z' && line[i] == original[i] - 'a' + 'A';
      FUZZ_CHECK(line[i] == original[i] || raised);
    }
  }
  return 0;
}
