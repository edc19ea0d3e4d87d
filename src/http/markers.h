#pragma once
// Picking values out of header text by their markers. Positions follow the shared text rules
// (1-based, character-stepping, ASCII-only case folding).
#include <string_view>

#include "text/text.h"

namespace morvella {

// The text after the first left marker found at or after `start`, up to the next right
// marker; empty when either is missing. "#引号" in a marker stands for a double quote.
Text text_between(std::string_view text, std::string_view left_marker, std::string_view right_marker,
                  int start = 0, bool ignore_case = false);

// The text left of the marker occurrence found; a negative `start` searches backwards.
Text text_before_marker(std::string_view text, std::string_view marker, int start = 0,
                        bool ignore_case = false);

// The trimmed text after the first ":"; empty when there is none.
Text value_after_colon(std::string_view text);

}  // namespace morvella
