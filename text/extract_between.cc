#include "text/extract_between.h"

namespace text {
namespace {

ByteText WithQuotes(const ByteText& marker) {
    return ReplaceSubtext(marker, "#引号", "\"");
}

}  // namespace

ByteText ExtractBetween(const ByteText& text, const ByteText& front, const ByteText& back,
                        int start, LetterCase letterCase) {
    const ByteText frontMarker = WithQuotes(front);
    const ByteText backMarker = WithQuotes(back);
    int from = FindText(text, frontMarker, start, letterCase);
    if (from == -1) return {};
    from += TextLength(frontMarker);
    const int end = FindText(text, backMarker, from, letterCase);
    if (end == -1) return {};
    return TextMid(text, from, end - from);
}

}  // namespace text
