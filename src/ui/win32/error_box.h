#pragma once
// The program's title, and the box that shows an error nothing else handled,
// captioned with it. Below the windows and their prompts, which both use it.
#include <windows.h>

#include <string>

namespace brisko::ui {

// The program's title: the caption of its message boxes, and the text the
// task bar and the window switcher show for its caption-less windows.
inline constexpr wchar_t kApplicationTitle[] = L"Brisko";

// An error nothing else handled, in a box owned by the window given.
void ShowErrorBox(HWND owner, const std::string& text);

}  // namespace brisko::ui
