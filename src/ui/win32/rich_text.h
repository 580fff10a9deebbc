#pragma once
// Loading rich text (RTF) into a rich edit control.
#include <windows.h>

#include <string>

namespace brisko::ui {

void SetRichText(HWND edit, const std::string& rtf);

}  // namespace brisko::ui
