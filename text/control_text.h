// The control-text operations of the main window, the only way the handlers reach it.
#pragma once

#include "text/byte_text.h"

namespace text {

enum class Control { 标签EX1, 标签EX2, 标签EX3, 超级按钮EX1, 超级按钮EX2 };

class ControlTexts {
  public:
    virtual ~ControlTexts() = default;

    // Shows the UTF-16LE units before the first zero unit in place of the label's text, at once.
    virtual void SetLabelText(Control label, const ByteBuffer& utf16) = 0;

    // The push button's caption as UTF-16LE units.
    [[nodiscard]] virtual ByteBuffer ReadButtonCaption(Control button) const = 0;
};

}  // namespace text
