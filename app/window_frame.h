// 窗口EX1: the frame of the borderless main window. It paints the title bar with the title and
// a thin border, owns the close and minimise buttons (there is no maximise button), and makes
// the title bar move the window when dragged.
#pragma once

#include <windows.h>

#include "app/skin_button.h"

namespace app {

inline constexpr const char* kWindowTitle = "AE切换中英文";

class WindowFrame {
  public:
    bool Create(HWND window, HFONT titleFont);

    void Paint(HDC dc, const RECT& client) const;

    // The hit-test answer for a point in client coordinates.
    [[nodiscard]] LRESULT HitTest(POINT client) const;

    // Carries out the click of one of the frame's buttons; false for other commands.
    bool HandleCommand(int id) const;

  private:
    HWND window_ = nullptr;
    HFONT titleFont_ = nullptr;
    SkinButton close_{ButtonLook::Close};
    SkinButton minimise_{ButtonLook::Minimise};
};

}  // namespace app
