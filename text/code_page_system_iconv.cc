// Stand-in for kernel32's conversions on a POSIX host, whose ANSI code page is taken to be 936.
// Composition is not checked; a character GBK lacks becomes '?', GBK's default character.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "text/code_page_system.h"

namespace text::system {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `input`; each unconvertible step of `skip` input bytes gives `substitute`.
    std::string Convert(std::string_view input, size_t skip, std::string_view substitute) {
        std::string output;
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char chunk[256];
        while (inLeft > 0) {
            char* out = chunk;
            size_t outLeft = sizeof chunk;
            const size_t done = iconv(cd_, &in, &inLeft, &out, &outLeft);
            output.append(chunk, static_cast<size_t>(out - chunk));
            if (done == static_cast<size_t>(-1) && errno != E2BIG) {
                const size_t skipped = std::min(skip, inLeft);
                in += skipped;
                inLeft -= skipped;
                output.append(substitute);
            }
        }
        return output;
    }

  private:
    iconv_t cd_;
};

// Copies into the caller's buffer as kernel32 does: measure with no buffer, refuse when too small.
int Deliver(const std::string& converted, size_t unitSize, void* destination, int capacity) {
    const int units = static_cast<int>(converted.size() / unitSize);
    if (capacity == 0) return units;
    if (units > capacity) return 0;
    std::copy(converted.begin(), converted.end(), static_cast<char*>(destination));
    return units;
}

}  // namespace

int AnsiToUtf16(const char* text, char16_t* units, int unitCount) {
    if (text == nullptr) return 0;
    const std::string_view input(text, std::char_traits<char>::length(text) + 1);
    const std::string converted =
        Converter("UTF-16LE", "GBK").Convert(input, 1, std::string_view("\xFD\xFF", 2));
    return Deliver(converted, sizeof(char16_t), units, unitCount);
}

int Utf16ToGbk(const char16_t* units, int count, char* bytes, int byteCount) {
    if (count <= 0) return 0;
    const std::string_view input(reinterpret_cast<const char*>(units),
                                 static_cast<size_t>(count) * sizeof(char16_t));
    const std::string converted =
        Converter("GBK", "UTF-16LE").Convert(input, sizeof(char16_t), "?");
    return Deliver(converted, 1, bytes, byteCount);
}

}  // namespace text::system
