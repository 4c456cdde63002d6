// What the outside sees of the main window: its class and the ids of its labels and buttons.
#pragma once

#include "text/control_text.h"

namespace app {

inline constexpr const wchar_t* kMainWindowClass = L"AeLangSwitchMainWindow";

constexpr int ControlId(text::Control control) {
    return 100 + static_cast<int>(control);
}

}  // namespace app
