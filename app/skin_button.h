// Our push button: drawn by us with normal, hover, pressed and keyboard-focus looks. A click is
// a press and release inside it, by mouse or by Space while it has the focus; it reaches the
// parent as WM_COMMAND with BN_CLICKED. Its window text is its caption.
#pragma once

#include <windows.h>

#include "app/window_base.h"
#include "text/byte_text.h"

namespace app {

enum class ButtonLook { Push, Close, Minimise };

class SkinButton : public WindowBase<SkinButton> {
  public:
    static constexpr const wchar_t* kClassName = L"AeLangSkinButton";

    explicit SkinButton(ButtonLook look) noexcept : look_(look) {}

    bool Create(HWND parent, int id, const RECT& place, const text::ByteBuffer& captionUtf16,
                HFONT font);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void PaintContent(HDC dc);

  private:
    void DrawGlyph(HDC dc, const RECT& area) const;
    [[nodiscard]] COLORREF FaceColour() const;
    [[nodiscard]] bool TakesFocus() const noexcept { return look_ == ButtonLook::Push; }
    [[nodiscard]] bool Contains(LPARAM point) const;
    void OnMouseMove(LPARAM point);
    void OnMouseLeave();
    void OnButtonDown();
    void OnButtonUp(LPARAM point);
    bool OnKeyDown(WPARAM key);
    void OnKeyUp(WPARAM key);
    void OnCaptureLost();
    void SetLook(bool hover, bool pressed);
    void Click();

    ButtonLook look_;
    HFONT font_ = nullptr;
    bool hover_ = false;
    bool pressed_ = false;
    bool spaceHeld_ = false;
};

}  // namespace app
