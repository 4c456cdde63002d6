#include "app/skin_button.h"

#include <windowsx.h>

#include <string>

#include "app/skin.h"
#include "app/win32_owners.h"

namespace app {
namespace {

constexpr int kCornerRadius = 10;
constexpr int kGlyphHalf = 5;

}  // namespace

bool SkinButton::Create(HWND parent, int id, const RECT& place,
                        const text::ByteBuffer& captionUtf16, HFONT font) {
    font_ = font;
    const DWORD style = WS_CHILD | WS_VISIBLE | (TakesFocus() ? WS_TABSTOP : 0);
    return CreateWindowAs(0, style, skin::WideText(captionUtf16).c_str(), place, parent, id);
}

LRESULT SkinButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown();
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(lParam);
            return 0;
        case WM_KEYDOWN:
            if (OnKeyDown(wParam)) return 0;
            // Esc and Tab belong to the window.
            return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
        case WM_KEYUP:
            OnKeyUp(wParam);
            return 0;
        case WM_CAPTURECHANGED:
            OnCaptureLost();
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            spaceHeld_ = false;
            SetLook(hover_, false);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
    }
    return Default(message, wParam, lParam);
}

COLORREF SkinButton::FaceColour() const {
    switch (look_) {
        case ButtonLook::Push:
            return pressed_ ? skin::kButtonPressed
                   : hover_ ? skin::kButtonHover
                            : skin::kButtonNormal;
        case ButtonLook::Close:
            return pressed_ ? skin::kClosePressed : hover_ ? skin::kCloseHover : skin::kTitleBar;
        case ButtonLook::Minimise:
            break;
    }
    return pressed_ ? skin::kCaptionButtonPressed
           : hover_ ? skin::kCaptionButtonHover
                    : skin::kTitleBar;
}

void SkinButton::PaintContent(HDC dc) {
    RECT area{};
    GetClientRect(hwnd(), &area);
    if (look_ != ButtonLook::Push) {
        skin::FillSolid(dc, area, FaceColour());
        DrawGlyph(dc, area);
        return;
    }
    skin::PaintParentBehind(hwnd(), dc);
    const Brush face(CreateSolidBrush(FaceColour()));
    const bool focused = GetFocus() == hwnd();
    const Pen edge(CreatePen(PS_SOLID, focused ? 3 : 1, focused ? skin::kAccent : FaceColour()));
    {
        const SelectedObject brush(dc, face.get());
        const SelectedObject pen(dc, edge.get());
        RoundRect(dc, area.left + 1, area.top + 1, area.right - 1, area.bottom - 1, kCornerRadius,
                  kCornerRadius);
    }
    if (pressed_) OffsetRect(&area, 1, 1);
    const std::wstring caption = skin::WideText(skin::WindowTextUtf16(hwnd()));
    const SelectedObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, skin::kButtonText);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SkinButton::DrawGlyph(HDC dc, const RECT& area) const {
    const int x = (area.left + area.right) / 2;
    const int y = (area.top + area.bottom) / 2;
    const Pen pen(CreatePen(PS_SOLID, 2, skin::kTitleText));
    const SelectedObject selected(dc, pen.get());
    if (look_ == ButtonLook::Close) {
        MoveToEx(dc, x - kGlyphHalf, y - kGlyphHalf, nullptr);
        LineTo(dc, x + kGlyphHalf + 1, y + kGlyphHalf + 1);
        MoveToEx(dc, x + kGlyphHalf, y - kGlyphHalf, nullptr);
        LineTo(dc, x - kGlyphHalf - 1, y + kGlyphHalf + 1);
    } else {
        MoveToEx(dc, x - kGlyphHalf, y, nullptr);
        LineTo(dc, x + kGlyphHalf + 1, y);
    }
}

bool SkinButton::Contains(LPARAM point) const {
    RECT area{};
    GetClientRect(hwnd(), &area);
    return PtInRect(&area, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != 0;
}

void SkinButton::OnMouseMove(LPARAM point) {
    if (!hover_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
    }
    const bool inside = Contains(point);
    SetLook(inside, GetCapture() == hwnd() && inside);
}

void SkinButton::OnMouseLeave() {
    SetLook(false, pressed_ && GetCapture() == hwnd());
}

void SkinButton::OnButtonDown() {
    if (TakesFocus()) SetFocus(hwnd());
    SetCapture(hwnd());
    SetLook(true, true);
}

void SkinButton::OnButtonUp(LPARAM point) {
    if (GetCapture() != hwnd()) return;
    const bool inside = Contains(point);
    ReleaseCapture();
    SetLook(inside, false);
    if (inside) Click();
}

bool SkinButton::OnKeyDown(WPARAM key) {
    if (key != VK_SPACE) return false;
    if (!spaceHeld_) {
        spaceHeld_ = true;
        SetLook(hover_, true);
    }
    return true;
}

void SkinButton::OnKeyUp(WPARAM key) {
    if (key != VK_SPACE || !spaceHeld_) return;
    spaceHeld_ = false;
    SetLook(hover_, false);
    Click();
}

void SkinButton::OnCaptureLost() {
    if (!spaceHeld_) SetLook(hover_, false);
}

void SkinButton::SetLook(bool hover, bool pressed) {
    hover_ = hover;
    pressed_ = pressed;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::Click() {
    const int id = GetDlgCtrlID(hwnd());
    SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd()));
}

}  // namespace app
