#pragma once

#include "text/byte_text.h"

namespace text {

// The part of `text` between the first `front` at or after `start` (0 or less: the beginning)
// and the first `back` after it; empty when either is missing. In both markers every "#引号"
// stands for one double quote, so a marker can carry one.
[[nodiscard]] ByteText ExtractBetween(const ByteText& text, const ByteText& front,
                                      const ByteText& back, int start = 0,
                                      LetterCase letterCase = LetterCase::Exact);

}  // namespace text
