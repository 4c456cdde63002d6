// Our label: its window text, centred, in the label font. A text with line breaks shows as
// lines; a single line wider than the label ends in an ellipsis, while the window text keeps
// all of it. Setting the text repaints at once.
#pragma once

#include <windows.h>

#include "app/window_base.h"
#include "text/byte_text.h"

namespace app {

class SkinLabel : public WindowBase<SkinLabel> {
  public:
    static constexpr const wchar_t* kClassName = L"AeLangSkinLabel";

    bool Create(HWND parent, int id, const RECT& place, const text::ByteBuffer& textUtf16,
                HFONT font);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void PaintContent(HDC dc);

  private:
    HFONT font_ = nullptr;
};

}  // namespace app
