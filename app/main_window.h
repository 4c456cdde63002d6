// The main window: borderless and fixed, its frame 窗口EX1, two push buttons, three labels and
// the drop target 拖放对象1, with the three events bound to the handlers.
#pragma once

#include <windows.h>

#include "app/control_ids.h"
#include "app/drop_target.h"
#include "app/skin_button.h"
#include "app/skin_label.h"
#include "app/win32_owners.h"
#include "app/window_base.h"
#include "app/window_frame.h"
#include "text/control_text.h"

namespace app {

class MainWindow : public WindowBase<MainWindow>, public text::ControlTexts {
  public:
    static constexpr const wchar_t* kClassName = kMainWindowClass;

    MainWindow();

    // Builds the window and its controls hidden, runs OnMainWindowCreated, then shows it;
    // false, with nothing left of the window, when any part cannot be built.
    bool CreateAndShow();

    void SetLabelText(text::Control label, const text::ByteBuffer& utf16) override;
    [[nodiscard]] text::ByteBuffer ReadButtonCaption(text::Control button) const override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintContent(HDC dc) const;

  private:
    bool CreateHidden();
    bool CreateControls();
    void OnMainWindowCreated();
    void OnCommand(int id);
    void OnKeyDown(WPARAM key);
    [[nodiscard]] LRESULT OnNcHitTest(LPARAM point);
    void OnDestroy();
    [[nodiscard]] HWND ControlWindow(text::Control control) const;

    Font labelFont_;
    Font buttonFont_;
    DropTarget 拖放对象1;
    WindowFrame 窗口EX1;
    SkinButton 超级按钮EX1{ButtonLook::Push};
    SkinButton 超级按钮EX2{ButtonLook::Push};
    SkinLabel 标签EX1;
    SkinLabel 标签EX2;
    SkinLabel 标签EX3;
};

}  // namespace app
