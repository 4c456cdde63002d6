// One window procedure per window class: it takes the C++ object from CREATESTRUCT at
// WM_NCCREATE, keeps it in GWLP_USERDATA and hands every message to Derived::HandleMessage.
// WM_PAINT and WM_PRINTCLIENT both draw through Derived::PaintContent(HDC), which paints the
// whole client area, so there is no background to erase. Derived names its class in
// kClassName and outlives its window.
#pragma once

#include <windows.h>

#include "app/win32_owners.h"

namespace app {

template <class Derived>
class WindowBase {
  public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    [[nodiscard]] HWND hwnd() const noexcept { return hwnd_; }

    // Registers the class on first use; later calls find it registered.
    static bool RegisterWindowClass(HBRUSH background, UINT style = 0) {
        WNDCLASSW windowClass{};
        windowClass.style = style;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = Derived::kClassName;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }

  protected:
    bool CreateWindowAs(DWORD exStyle, DWORD style, const wchar_t* text, const RECT& place,
                        HWND parent, int id) {
        return CreateWindowExW(exStyle, Derived::kClassName, text, style, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), this) != nullptr;
    }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Derived*>(
                static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
        switch (message) {
            case WM_PAINT:
                self->PaintContent(PaintDC(hwnd).get());
                return 0;
            case WM_PRINTCLIENT:
                self->PaintContent(reinterpret_cast<HDC>(wParam));
                return 0;
            case WM_ERASEBKGND:
                return 1;
        }
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    HWND hwnd_ = nullptr;
};

}  // namespace app
