#include "app/skin_label.h"

#include <string>

#include "app/skin.h"
#include "app/win32_owners.h"

namespace app {

bool SkinLabel::Create(HWND parent, int id, const RECT& place, const text::ByteBuffer& textUtf16,
                       HFONT font) {
    font_ = font;
    return CreateWindowAs(0, WS_CHILD | WS_VISIBLE, skin::WideText(textUtf16).c_str(), place,
                          parent, id);
}

LRESULT SkinLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT result = Default(message, wParam, lParam);
            InvalidateRect(hwnd(), nullptr, FALSE);
            UpdateWindow(hwnd());
            return result;
        }
    }
    return Default(message, wParam, lParam);
}

void SkinLabel::PaintContent(HDC dc) {
    constexpr int kMargin = 6;  // keeps a long path off the window's border
    RECT area{};
    GetClientRect(hwnd(), &area);
    skin::PaintParentBehind(hwnd(), dc);
    InflateRect(&area, -kMargin, 0);
    const std::wstring shown = skin::WideText(skin::WindowTextUtf16(hwnd()));
    const SelectedObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, skin::kLabelText);
    const int length = static_cast<int>(shown.size());
    if (shown.find(L'\n') == std::wstring::npos) {
        DrawTextW(dc, shown.c_str(), length, &area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        return;
    }
    RECT needed = area;
    DrawTextW(dc, shown.c_str(), length, &needed, DT_CENTER | DT_NOPREFIX | DT_CALCRECT);
    OffsetRect(&area, 0, ((area.bottom - area.top) - (needed.bottom - needed.top)) / 2);
    DrawTextW(dc, shown.c_str(), length, &area, DT_CENTER | DT_NOPREFIX);
}

}  // namespace app
