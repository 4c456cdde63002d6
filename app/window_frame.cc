#include "app/window_frame.h"

#include "app/control_ids.h"
#include "app/skin.h"
#include "text/code_page.h"

namespace app {
namespace {

constexpr int kTitleBarHeight = 36;
constexpr int kCaptionButtonSize = 30;
constexpr int kCaptionButtonInset = 3;
constexpr int kTitleLeft = 12;

RECT CaptionButtonPlace(HWND window, int fromRight) {
    RECT client{};
    GetClientRect(window, &client);
    const int right = client.right - kCaptionButtonInset - fromRight * kCaptionButtonSize;
    return RECT{right - kCaptionButtonSize, kCaptionButtonInset, right,
                kCaptionButtonInset + kCaptionButtonSize};
}

}  // namespace

bool WindowFrame::Create(HWND window, HFONT titleFont) {
    window_ = window;
    titleFont_ = titleFont;
    const text::ByteBuffer none = text::TextToUtf16Buffer("");
    return close_.Create(window, kCloseButtonId, CaptionButtonPlace(window, 0), none, nullptr) &&
           minimise_.Create(window, kMinimiseButtonId, CaptionButtonPlace(window, 1), none,
                            nullptr);
}

void WindowFrame::Paint(HDC dc, const RECT& client) const {
    RECT titleBar = client;
    titleBar.bottom = kTitleBarHeight;
    skin::FillSolid(dc, titleBar, skin::kTitleBar);
    RECT accent = titleBar;
    accent.top = accent.bottom - 2;
    skin::FillSolid(dc, accent, skin::kAccent);

    const std::wstring title = skin::WideFromAnsi(kWindowTitle);
    RECT titleArea = titleBar;
    titleArea.left = kTitleLeft;
    titleArea.bottom = accent.top;
    const SelectedObject font(dc, titleFont_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, skin::kTitleText);
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &titleArea,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    const Brush border(CreateSolidBrush(skin::kTitleBar));
    FrameRect(dc, &client, border.get());
}

LRESULT WindowFrame::HitTest(POINT client) const {
    return client.y < kTitleBarHeight ? HTCAPTION : HTCLIENT;
}

bool WindowFrame::HandleCommand(int id) const {
    switch (id) {
        case kCloseButtonId:
            PostMessageW(window_, WM_CLOSE, 0, 0);
            return true;
        case kMinimiseButtonId:
            ShowWindow(window_, SW_MINIMIZE);
            return true;
    }
    return false;
}

}  // namespace app
