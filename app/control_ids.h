// What the outside sees of the main window: its class and the ids of its child windows.
#pragma once

#include "text/control_text.h"

namespace app {

inline constexpr const wchar_t* kMainWindowClass = L"AeLangSwitchMainWindow";

// The frame's title-bar buttons.
inline constexpr int kCloseButtonId = 901;
inline constexpr int kMinimiseButtonId = 902;

constexpr int ControlId(text::Control control) {
    return 100 + static_cast<int>(control);
}

}  // namespace app
