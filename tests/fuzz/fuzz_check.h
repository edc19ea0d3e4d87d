#pragma once
// What the fuzz targets share: a check that stops the run with a message libFuzzer reports,
// and the character-boundary test the text rules promise for every position they give.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/text_rules.h"

#define FUZZ_CHECK(condition)                                                        \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)

namespace morvella::fuzz {

// True when stepping character by character from byte 0 lands on the 0-based `index`.
inline bool at_character_boundary(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  while (i < index) i += character_width(text, i);
  return i == index;
}

}  // namespace morvella::fuzz
