// The handlers of the window's three events. Each reads and writes `state` and talks to the
// user only through the path line 标签EX1 and the status line 标签EX3 of `window`.
#pragma once

#include "langswitch/app_state.h"
#include "text/control_text.h"

namespace langswitch {

// The drop-target's got-file event: one path, or every path followed by CR LF.
void OnShortcutDropped(AppState& state, text::ControlTexts& window, const text::ByteText& dropped);

// Clicks on 超级按钮EX1 ("中文转英文") and 超级按钮EX2 ("英文转中文").
void OnSwitchToEnglish(AppState& state, text::ControlTexts& window);
void OnSwitchToChinese(AppState& state, text::ControlTexts& window);

}  // namespace langswitch
