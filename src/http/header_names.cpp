#include "http/header_names.h"

#include "text/text_rules.h"

namespace morvella {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// "content-type" becomes "Content-Type". A trailing "-" is not kept here: the caller takes the
// rest of the line from the hyphen on, so the line keeps it.
Text capitalize_words(std::string_view name) {
  if (!contains(name, "-")) return capitalize_first(name);
  Text out;
  const TextList words = split(name, "-");
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) out += '-';
    out += capitalize_first(words[i]);
  }
  return out;
}

}  // namespace

Text normalize_header_names(std::string_view block) {
  Text out;
  for (const Text& line : split(block, kLineBreak)) {
    const std::int64_t colon = find_forward(line, ":");
    if (colon == -1) continue;  // not a header line
    const Text name = capitalize_words(std::string_view(line).substr(0, static_cast<std::size_t>(colon - 1)));
    out += name;
    out.append(line, name.size());
    out += kLineBreak;
  }
  if (!out.empty()) out.resize(out.size() - kLineBreak.size());
  return out;
}

Text capitalize_first(std::string_view text) {
  if (text.empty()) return {};
  return ascii_upper(text.substr(0, 1)) + Text(text.substr(1));
}

}  // namespace morvella
