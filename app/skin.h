// The look shared by the frame, the buttons and the labels: colours and fonts.
#pragma once

#include <windows.h>

#include <string>

#include "app/win32_owners.h"
#include "text/byte_text.h"

namespace app::skin {

// After Effects' own colours: deep navy and its violet.
inline constexpr COLORREF kTitleBar = RGB(0x1C, 0x1C, 0x4E);
inline constexpr COLORREF kTitleText = RGB(0xE6, 0xE6, 0xFF);
inline constexpr COLORREF kAccent = RGB(0x99, 0x99, 0xFF);
inline constexpr COLORREF kLabelText = RGB(0x2E, 0x2E, 0x3A);
inline constexpr COLORREF kButtonText = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF kButtonNormal = RGB(0x5B, 0x4F, 0xD6);
inline constexpr COLORREF kButtonHover = RGB(0x76, 0x6B, 0xEA);
inline constexpr COLORREF kButtonPressed = RGB(0x3E, 0x34, 0xA6);
inline constexpr COLORREF kCaptionButtonHover = RGB(0x3A, 0x3A, 0x78);
inline constexpr COLORREF kCaptionButtonPressed = RGB(0x12, 0x12, 0x36);
inline constexpr COLORREF kCloseHover = RGB(0xE8, 0x11, 0x23);
inline constexpr COLORREF kClosePressed = RGB(0xA0, 0x0C, 0x18);

inline constexpr int kLabelFontSize = 12;
inline constexpr int kButtonFontSize = 18;

// The first installed of the face the design names and the Chinese UI faces after it,
// chosen once; the system's own substitute for Chinese text where none is installed.
const wchar_t* FontFace();

// A font of the chosen face, `size` pixels high.
Font MakeFont(int size);

// UTF-16LE units as a window takes them: those before the first zero unit.
std::wstring WideText(const text::ByteBuffer& utf16);

// An ANSI text as a window takes it, converted as the labels' texts are.
std::wstring WideFromAnsi(const text::ByteText& ansi);

// A window's text as UTF-16LE units followed by one zero unit.
text::ByteBuffer WindowTextUtf16(HWND window);

// Paints what the parent shows behind `child`, so the child's unpainted parts look see-through.
void PaintParentBehind(HWND child, HDC dc);

// Fills `area` with one colour.
void FillSolid(HDC dc, const RECT& area, COLORREF colour);

}  // namespace app::skin
