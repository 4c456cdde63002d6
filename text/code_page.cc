#include "text/code_page.h"

#include <algorithm>
#include <string>

#include "text/code_page_system.h"

namespace text {
namespace {

constexpr int kUnitBytes = 2;

}  // namespace

ByteBuffer TextToUtf16Buffer(const ByteText& text) {
    const int units = system::AnsiToUtf16(text.c_str(), nullptr, 0);
    if (units < 1) return ZeroBuffer(kUnitBytes);
    ByteBuffer buffer = ZeroBuffer(units * kUnitBytes);
    system::AnsiToUtf16(text.c_str(), reinterpret_cast<char16_t*>(buffer.data()), units);
    return buffer;
}

ByteText Utf16BufferToText(const ByteBuffer& buffer) {
    const int whole = BufferLength(buffer) / kUnitBytes;
    if (whole == 0) return {};
    // The buffer's bytes need not be aligned for char16_t, so the units are copied out first.
    std::u16string units(static_cast<size_t>(whole), u'\0');
    std::copy_n(buffer.begin(), units.size() * kUnitBytes, reinterpret_cast<char*>(units.data()));
    const int needed = system::Utf16ToGbk(units.data(), whole, nullptr, 0);
    if (needed <= 0) return {};
    ByteBuffer out = ZeroBuffer(needed);
    const size_t zero = units.find(u'\0');
    const size_t throughZero = zero == std::u16string::npos ? units.size() : zero + 1;
    system::Utf16ToGbk(units.data(), static_cast<int>(throughZero),
                       reinterpret_cast<char*>(out.data()), BufferLength(out));
    return BytesToText(out);
}

}  // namespace text
