// Conversion between the logic's byte texts and the UTF-16LE buffers the window's controls take.
#pragma once

#include "text/byte_text.h"

namespace text {

// The text's UTF-16LE units, read in the ANSI code page, followed by one zero unit; 00 00 when
// the system refuses the text.
[[nodiscard]] ByteBuffer TextToUtf16Buffer(const ByteText& text);

// The units before the first zero unit, written in code page 936 whatever the ANSI code page;
// a last odd byte is ignored.
[[nodiscard]] ByteText Utf16BufferToText(const ByteBuffer& buffer);

}  // namespace text
