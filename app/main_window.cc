#include "app/main_window.h"

#include <windowsx.h>

#include "app/control_ids.h"
#include "app/program.h"
#include "app/skin.h"
#include "langswitch/app_state.h"
#include "langswitch/handlers.h"
#include "text/code_page.h"

namespace app {
namespace {

using text::Control;

constexpr int kWidth = 248;
constexpr int kHeight = 292;
constexpr int kIconSize = 32;

constexpr RECT Place(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

text::ByteBuffer Utf16(const char* shown) {
    return text::TextToUtf16Buffer(shown);
}

HICON ProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

MainWindow::MainWindow()
    : 拖放对象1([this](const text::ByteText& dropped) {
          langswitch::OnShortcutDropped(langswitch::ProgramState(), *this, dropped);
      }) {}

bool MainWindow::CreateAndShow() {
    if (!CreateHidden()) return false;
    if (!CreateControls()) {
        DestroyWindow(hwnd());
        return false;
    }
    OnMainWindowCreated();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    return true;
}

bool MainWindow::CreateHidden() {
    if (!RegisterWindowClass(GetSysColorBrush(COLOR_BTNFACE)) ||
        !SkinButton::RegisterWindowClass(nullptr) || !SkinLabel::RegisterWindowClass(nullptr)) {
        return false;
    }
    // Halves truncate toward zero, also on a screen narrower than the window.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    // The taskbar button shows the window text, so it carries the frame's title.
    if (!CreateWindowAs(WS_EX_APPWINDOW, WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                        skin::WideFromAnsi(kWindowTitle).c_str(), Place(left, top, kWidth, kHeight),
                        nullptr, 0)) {
        return false;
    }
    RECT actual{};
    GetWindowRect(hwnd(), &actual);
    if (actual.right - actual.left != kWidth || actual.bottom - actual.top != kHeight) {
        SetWindowPos(hwnd(), nullptr, left, top, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(kIconSize)));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(ProgramIcon(GetSystemMetrics(SM_CXSMICON))));
    return true;
}

bool MainWindow::CreateControls() {
    labelFont_ = skin::MakeFont(skin::kLabelFontSize);
    buttonFont_ = skin::MakeFont(skin::kButtonFontSize);
    const HFONT label = labelFont_.get();
    const HFONT button = buttonFont_.get();
    return labelFont_ && buttonFont_ && 窗口EX1.Create(hwnd(), label) &&
           超级按钮EX1.Create(hwnd(), ControlId(Control::超级按钮EX1), Place(64, 80, 120, 48),
                              Utf16("中文转英文"), button) &&
           超级按钮EX2.Create(hwnd(), ControlId(Control::超级按钮EX2), Place(64, 152, 120, 48),
                              Utf16("英文转中文"), button) &&
           标签EX1.Create(hwnd(), ControlId(Control::标签EX1), Place(0, 216, 248, 32),
                          Utf16("AE路径"), label) &&
           标签EX2.Create(hwnd(), ControlId(Control::标签EX2), Place(0, 40, 248, 32),
                          Utf16("将AE图标拖入即可(请勿拖入其他软件\r\n有问题请@Varnok"), label) &&
           标签EX3.Create(hwnd(), ControlId(Control::标签EX3), Place(0, 256, 248, 32),
                          Utf16("转换结果"), label);
}

void MainWindow::OnMainWindowCreated() {
    // A window that takes no drops still works; nothing tells the user.
    拖放对象1.Register(hwnd());
}

void MainWindow::SetLabelText(Control label, const text::ByteBuffer& utf16) {
    SetWindowTextW(ControlWindow(label), skin::WideText(utf16).c_str());
}

text::ByteBuffer MainWindow::ReadButtonCaption(Control button) const {
    return skin::WindowTextUtf16(ControlWindow(button));
}

HWND MainWindow::ControlWindow(Control control) const {
    return GetDlgItem(hwnd(), ControlId(control));
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            NoteWindowCreated();
            return 0;
        case WM_NCHITTEST:
            return OnNcHitTest(lParam);
        case WM_NCLBUTTONDBLCLK:
            // A double click on the title bar would maximise a window that must keep its size.
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wParam);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
    }
    return Default(message, wParam, lParam);
}

void MainWindow::PaintContent(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    窗口EX1.Paint(dc, client);
}

void MainWindow::OnCommand(int id) {
    if (窗口EX1.HandleCommand(id)) return;
    if (id == ControlId(Control::超级按钮EX1)) {
        langswitch::OnSwitchToEnglish(langswitch::ProgramState(), *this);
    } else if (id == ControlId(Control::超级按钮EX2)) {
        langswitch::OnSwitchToChinese(langswitch::ProgramState(), *this);
    }
}

void MainWindow::OnKeyDown(WPARAM key) {
    if (key == VK_ESCAPE) {
        SendMessageW(hwnd(), WM_CLOSE, 0, 0);
    } else if (key == VK_TAB) {
        const bool onFirst = GetFocus() == 超级按钮EX1.hwnd();
        SetFocus(onFirst ? 超级按钮EX2.hwnd() : 超级按钮EX1.hwnd());
    }
}

LRESULT MainWindow::OnNcHitTest(LPARAM point) {
    POINT client{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ScreenToClient(hwnd(), &client);
    return 窗口EX1.HitTest(client);
}

void MainWindow::OnDestroy() {
    拖放对象1.Revoke();
    NoteWindowDestroyed();
}

}  // namespace app
