// Byte texts in the ANSI code page and byte buffers, with the operations all logic is written in.
// Positions count from 1 and -1 means "not found". The scans (FindText, FindTextReverse,
// ReplaceSubtext) take every byte of 0x80 or more as the lead byte of a two-byte character;
// everything else works on bytes alone.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace text {

// A run of bytes that holds no zero byte, as a C string would: building one from bytes keeps
// those before the first zero.
class ByteText {
  public:
    ByteText() = default;
    ByteText(const char* bytes) : ByteText(std::string_view(bytes ? bytes : "")) {}
    explicit ByteText(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}
    explicit ByteText(std::string bytes) : bytes_(std::move(bytes)) {
        bytes_.resize(std::min(bytes_.size(), bytes_.find('\0')));
    }

    [[nodiscard]] std::string_view view() const noexcept { return bytes_; }
    [[nodiscard]] const char* c_str() const noexcept { return bytes_.c_str(); }
    [[nodiscard]] bool empty() const noexcept { return bytes_.empty(); }

    friend bool operator==(const ByteText&, const ByteText&) = default;

  private:
    std::string bytes_;
};

// A byte count and that many bytes, zero bytes allowed.
using ByteBuffer = std::vector<unsigned char>;

// Comparison of ASCII letters: exact, or with A-Z taken as equal to a-z (no other byte folds).
enum class LetterCase { Exact, IgnoreAscii };

[[nodiscard]] int TextLength(const ByteText& text) noexcept;

// First occurrence at or after `start` (left out, or 1 or less: the whole text).
[[nodiscard]] int FindText(const ByteText& text, const ByteText& needle,
                           std::optional<int> start = std::nullopt,
                           LetterCase letterCase = LetterCase::Exact) noexcept;

// Last occurrence lying wholly inside the first start-1 bytes (left out: the whole text).
[[nodiscard]] int FindTextReverse(const ByteText& text, const ByteText& needle,
                                  std::optional<int> start = std::nullopt,
                                  LetterCase letterCase = LetterCase::Exact) noexcept;

[[nodiscard]] ByteText TextRight(const ByteText& text, int count);
[[nodiscard]] ByteText TextMid(const ByteText& text, int start, int count);

// Replaces occurrences left to right without overlap, from `start` on, at most `count` of them
// (negative: no limit).
[[nodiscard]] ByteText ReplaceSubtext(const ByteText& text, const ByteText& marker,
                                      const ByteText& replacement = {}, int start = 1,
                                      int count = -1, LetterCase letterCase = LetterCase::Exact);

[[nodiscard]] ByteText ConcatText(const ByteText& first, const ByteText& second);

// -1, 0 or 1, bytes compared as unsigned values.
[[nodiscard]] int CompareText(const ByteText& first, const ByteText& second) noexcept;

[[nodiscard]] ByteBuffer TextToBytes(const ByteText& text);
[[nodiscard]] ByteText BytesToText(const ByteBuffer& buffer);
[[nodiscard]] int BufferLength(const ByteBuffer& buffer) noexcept;
[[nodiscard]] ByteBuffer ZeroBuffer(int count);

}  // namespace text
