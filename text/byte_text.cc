#include "text/byte_text.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace text {
namespace {

constexpr auto npos = std::string_view::npos;

bool IsLeadByte(char byte) noexcept {
    return static_cast<unsigned char>(byte) >= 0x80;
}

char FoldAscii(char byte) noexcept {
    return (byte >= 'A' && byte <= 'Z') ? byte + 0x20 : byte;
}

bool EqualFolded(std::string_view a, std::string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// Where the needle's bytes stand at or after `from`, whether or not a character begins there.
size_t NextOccurrence(std::string_view text, std::string_view needle, size_t from,
                      LetterCase letterCase) noexcept {
    if (letterCase == LetterCase::Exact) return text.find(needle, from);
    for (size_t at = from; at <= text.size() && text.size() - at >= needle.size(); ++at) {
        if (EqualFolded(text.substr(at, needle.size()), needle)) return at;
    }
    return npos;
}

// Tells which positions begin a character for a scan that steps from a known boundary, asked in
// increasing order. A byte below 0x80 always ends a character, so only the run of lead-range
// bytes just before a position decides, and no byte is looked at twice.
class CharacterBoundaries {
  public:
    CharacterBoundaries(std::string_view text, size_t boundary) : text_(text), known_(boundary) {}

    void Restart(size_t boundary) noexcept { known_ = boundary; }

    bool IsBoundary(size_t position) noexcept {
        size_t runStart = position;
        while (runStart > known_ && IsLeadByte(text_[runStart - 1])) --runStart;
        const bool boundary = (position - runStart) % 2 == 0;
        known_ = boundary ? position : position + 1;
        return boundary;
    }

  private:
    std::string_view text_;
    size_t known_;
};

// The next occurrence at or after `from` that begins on a character boundary.
size_t NextMatch(std::string_view text, std::string_view needle, size_t from, LetterCase letterCase,
                 CharacterBoundaries& boundaries) noexcept {
    for (size_t at = NextOccurrence(text, needle, from, letterCase); at != npos;
         at = NextOccurrence(text, needle, at + 1, letterCase)) {
        if (boundaries.IsBoundary(at)) return at;
    }
    return npos;
}

int Position(size_t index) noexcept {
    return static_cast<int>(index) + 1;
}

}  // namespace

int TextLength(const ByteText& text) noexcept {
    return static_cast<int>(text.view().size());
}

int FindText(const ByteText& text, const ByteText& needle, std::optional<int> start,
             LetterCase letterCase) noexcept {
    const std::string_view haystack = text.view();
    const size_t from = (!start || *start <= 1) ? 0 : static_cast<size_t>(*start - 1);
    if (from >= haystack.size()) return -1;
    if (needle.empty()) return 1;
    CharacterBoundaries boundaries(haystack, from);
    const size_t at = NextMatch(haystack, needle.view(), from, letterCase, boundaries);
    return at == npos ? -1 : Position(at);
}

int FindTextReverse(const ByteText& text, const ByteText& needle, std::optional<int> start,
                    LetterCase letterCase) noexcept {
    std::string_view stretch = text.view();
    if (start) {
        if (*start <= 1) return -1;
        stretch = stretch.substr(0, static_cast<size_t>(*start - 1));
    }
    if (stretch.empty()) return -1;
    if (needle.empty()) return 1;
    CharacterBoundaries boundaries(stretch, 0);
    size_t last = npos;
    for (size_t at = NextMatch(stretch, needle.view(), 0, letterCase, boundaries); at != npos;
         at = NextMatch(stretch, needle.view(), at + 1, letterCase, boundaries)) {
        last = at;
    }
    return last == npos ? -1 : Position(last);
}

ByteText TextRight(const ByteText& text, int count) {
    if (count <= 0) return {};
    const std::string_view bytes = text.view();
    const size_t kept = std::min(static_cast<size_t>(count), bytes.size());
    return ByteText(bytes.substr(bytes.size() - kept));
}

ByteText TextMid(const ByteText& text, int start, int count) {
    const std::string_view bytes = text.view();
    if (start < 1 || static_cast<size_t>(start) > bytes.size() || count <= 0) return {};
    return ByteText(bytes.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

ByteText ReplaceSubtext(const ByteText& text, const ByteText& marker, const ByteText& replacement,
                        int start, int count, LetterCase letterCase) {
    const std::string_view bytes = text.view();
    const size_t from = start <= 1 ? 0 : static_cast<size_t>(start - 1);
    if (bytes.empty() || marker.empty() || from >= bytes.size() || count == 0) return text;

    std::string result;
    result.reserve(bytes.size());
    CharacterBoundaries boundaries(bytes, from);
    size_t copied = 0;
    int replaced = 0;
    for (size_t at = NextMatch(bytes, marker.view(), from, letterCase, boundaries); at != npos;
         at = NextMatch(bytes, marker.view(), copied, letterCase, boundaries)) {
        result.append(bytes.substr(copied, at - copied));
        result.append(replacement.view());
        copied = at + marker.view().size();
        boundaries.Restart(copied);
        if (++replaced == count) break;
    }
    result.append(bytes.substr(copied));
    return ByteText(std::move(result));
}

ByteText ConcatText(const ByteText& first, const ByteText& second) {
    std::string joined;
    joined.reserve(first.view().size() + second.view().size());
    joined.append(first.view()).append(second.view());
    return ByteText(std::move(joined));
}

int CompareText(const ByteText& first, const ByteText& second) noexcept {
    const int order = first.view().compare(second.view());
    return (order > 0) - (order < 0);
}

ByteBuffer TextToBytes(const ByteText& text) {
    const std::string_view bytes = text.view();
    return ByteBuffer(bytes.begin(), bytes.end());
}

ByteText BytesToText(const ByteBuffer& buffer) {
    return ByteText(std::string_view(reinterpret_cast<const char*>(buffer.data()), buffer.size()));
}

int BufferLength(const ByteBuffer& buffer) noexcept {
    return static_cast<int>(buffer.size());
}

ByteBuffer ZeroBuffer(int count) {
    return count <= 0 ? ByteBuffer() : ByteBuffer(static_cast<size_t>(count), 0);
}

}  // namespace text
