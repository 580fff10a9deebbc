#pragma once
// Loading rich text (RTF) into a rich edit control, and reading its selection.
#include <windows.h>

#include <string>

namespace brisko::ui {

void SetRichText(HWND edit, const std::string& rtf);
// The selected text (line breaks as carriage returns); empty when nothing is selected.
std::string SelectedRichText(HWND edit);

}  // namespace brisko::ui
