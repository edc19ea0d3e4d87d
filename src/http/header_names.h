#pragma once
// Header blocks: CR LF separated "name: value" lines with no line break after the last.
#include <string_view>

#include "text/text.h"

namespace morvella {

// Capitalises the first letter of each hyphen-separated word of every header name and drops
// the lines that hold no colon; everything from the first colon on stays as it was.
Text normalize_header_names(std::string_view block);

// The first byte upper-cased (ASCII letters only), the rest unchanged.
Text capitalize_first(std::string_view text);

}  // namespace morvella
