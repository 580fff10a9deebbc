#include "ui/win32/fitted_line.h"

#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

void DrawFittedLine(HDC dc, const std::wstring& label, const RECT& line, HBRUSH background) {
    RECT text = line;
    SIZE size{};
    GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
    const int room = text.right - text.left;
    const int height = text.bottom - text.top;
    SetBkMode(dc, TRANSPARENT);
    if (size.cx <= room || room <= 0) {
        DrawTextW(dc, label.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    // Written at full width off screen, then squeezed into the room there is.
    const MemoryDc memory(dc);
    const Bitmap canvas(CreateCompatibleBitmap(dc, size.cx, height));
    const Selection drawn(memory, canvas.Get());
    const Selection font(memory, GetCurrentObject(dc, OBJ_FONT));
    RECT all = {0, 0, size.cx, height};
    FillRect(memory, &all, background);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, GetTextColor(dc));
    DrawTextW(memory, label.c_str(), -1, &all, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, text.left, text.top, room, height, memory, 0, 0, size.cx, height, SRCCOPY);
}

}  // namespace brisko::ui
