// Texts and the label helper shared by the drop and the switch handlers.
#pragma once

#include "text/byte_text.h"
#include "text/code_page.h"
#include "text/control_text.h"

namespace langswitch {

inline constexpr const char* kChineseMarker = "zh_CN";
inline constexpr const char* kEnglishMarker = "en-US";
inline constexpr const char* kAePathPrefix = "AE路径：";
inline constexpr const char* kNothingLoaded = "未成功获取路径";

inline void ShowText(text::ControlTexts& window, text::Control label, const text::ByteText& shown) {
    window.SetLabelText(label, text::TextToUtf16Buffer(shown));
}

}  // namespace langswitch
