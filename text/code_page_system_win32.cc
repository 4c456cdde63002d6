#include <windows.h>

#include "text/code_page_system.h"

namespace text::system {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

int AnsiToUtf16(const char* text, char16_t* units, int unitCount) {
    return MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(units), unitCount);
}

int Utf16ToGbk(const char16_t* units, int count, char* bytes, int byteCount) {
    return WideCharToMultiByte(kGbkCodePage, WC_COMPOSITECHECK,
                               reinterpret_cast<const wchar_t*>(units), count, bytes, byteCount,
                               nullptr, nullptr);
}

}  // namespace text::system
