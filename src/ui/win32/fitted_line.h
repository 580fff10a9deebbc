#pragma once
// One line of list text that never runs past its room: a label wider than
// the room is drawn a little narrower rather than cut.
#include <windows.h>

#include <string>

namespace brisko::ui {

// Draws `label` in the device context's font and text colour, vertically
// centred in `line`, squeezed to fit when wider; `background` fills what the
// squeezed copy covers.
void DrawFittedLine(HDC dc, const std::wstring& label, const RECT& line, HBRUSH background);

}  // namespace brisko::ui
