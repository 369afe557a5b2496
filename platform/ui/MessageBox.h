#pragma once

#include <string>

namespace ui {

class Window;

inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// A modal message box; returns IDOK, IDCANCEL, IDYES or IDNO.
int messageBox(Window* owner, const std::string& text, const std::string& caption, unsigned type = MB_OK);

}  // namespace ui
