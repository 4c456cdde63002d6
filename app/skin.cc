#include "app/skin.h"

#include "text/code_page.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

namespace app::skin {
namespace {

constexpr const wchar_t* kFaces[] = {L"字魂59号-创粗黑", L"Microsoft YaHei UI", L"Microsoft YaHei",
                                     L"SimHei", L"WenQuanYi Micro Hei"};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const WindowDC screen(nullptr);
    EnumFontFamiliesExW(screen.get(), &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

const wchar_t* FontFace() {
    static const wchar_t* const chosen = [] {
        const auto installed = std::find_if(std::begin(kFaces), std::end(kFaces), IsInstalled);
        return installed == std::end(kFaces) ? L"" : *installed;
    }();
    return chosen;
}

Font MakeFont(int size) {
    LOGFONTW font{};
    font.lfHeight = -size;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = GB2312_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::wcsncpy(font.lfFaceName, FontFace(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

std::wstring WideText(const text::ByteBuffer& utf16) {
    std::wstring wide(utf16.size() / sizeof(wchar_t), L'\0');
    std::copy_n(utf16.begin(), wide.size() * sizeof(wchar_t), reinterpret_cast<char*>(wide.data()));
    return wide.substr(0, wide.find(L'\0'));
}

std::wstring WideFromAnsi(const text::ByteText& ansi) {
    return WideText(text::TextToUtf16Buffer(ansi));
}

text::ByteBuffer WindowTextUtf16(HWND window) {
    std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    wide.resize(
        static_cast<size_t>(GetWindowTextW(window, wide.data(), static_cast<int>(wide.size()))));
    const auto* bytes = reinterpret_cast<const unsigned char*>(wide.c_str());
    return text::ByteBuffer(bytes, bytes + (wide.size() + 1) * sizeof(wchar_t));
}

void PaintParentBehind(HWND child, HDC dc) {
    POINT origin{0, 0};
    MapWindowPoints(child, GetParent(child), &origin, 1);
    POINT previous{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(GetParent(child), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    const Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

}  // namespace app::skin
