// The system's two code-page conversions, in the form kernel32 offers them: with no output
// buffer (size 0) they measure, and they answer 0 when they refuse.
#pragma once

namespace text::system {

inline constexpr unsigned kGbkCodePage = 936;

// MultiByteToWideChar(CP_ACP, 0, text, -1, units, unitCount): the zero byte is converted too.
int AnsiToUtf16(const char* text, char16_t* units, int unitCount);

// WideCharToMultiByte(936, WC_COMPOSITECHECK, units, count, bytes, byteCount, nullptr, nullptr).
int Utf16ToGbk(const char16_t* units, int count, char* bytes, int byteCount);

}  // namespace text::system
