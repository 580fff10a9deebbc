#include "ui/win32/glyph_button.h"

#include "ui/win32/scoped_gdi.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
constexpr COLORREF kKeyColour = RGB(255, 0, 255);
const wchar_t* const kHoverProperty = L"BriskoGlyphHover";
constexpr UINT_PTR kRestTimer = 0x4272;

// The raised edge under the pointer. The button control watches for the
// pointer to leave on a timer (under Wine every 10 ms, whatever the button),
// for as long as the pointer stays on it. Here that watch runs at the
// system's hover pace, and once the pointer has rested as long as a hint
// stays up, the edge goes and nothing is watched until the pointer moves.
struct Hover {
    WNDPROC proc = nullptr;
    bool rested = false;
    LPARAM lastMove = 0;  // where the pointer was last seen, in client coordinates
};
constexpr UINT kRestMs = 5000;  // as long as a hint stays up

void Track(HWND button, DWORD flags) {
    TRACKMOUSEEVENT track{sizeof track, flags, button, HOVER_DEFAULT};
    TrackMouseEvent(&track);
}

LRESULT CALLBACK GlyphButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* hover = static_cast<Hover*>(GetPropW(hwnd, kHoverProperty));
    if (!hover) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC proc = hover->proc;
    switch (message) {
        case WM_MOUSEMOVE:
            // The system repeats a move where windows change under a still
            // pointer: a rested pointer wakes only by moving.
            if (hover->rested && lParam == hover->lastMove && !(wParam & MK_LBUTTON)) return 0;
            hover->rested = false;
            hover->lastMove = lParam;
            SetTimer(hwnd, kRestTimer, kRestMs, nullptr);
            if (TRACKMOUSEEVENT now{sizeof now, TME_QUERY, nullptr, 0};
                TrackMouseEvent(&now) && now.hwndTrack && now.hwndTrack != hwnd && (now.dwFlags & TME_LEAVE)) {
                // Another control still waits for the pointer to leave it:
                // told so now, and this one watched as the button would.
                TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd, 1};
                TrackMouseEvent(&track);
            }
            break;
        case WM_MOUSEHOVER: {
            const LRESULT result = CallWindowProcW(proc, hwnd, message, wParam, lParam);
            Track(hwnd, TME_LEAVE);
            return result;
        }
        case WM_MOUSELEAVE:
            KillTimer(hwnd, kRestTimer);
            break;
        case WM_TIMER: {
            if (wParam != kRestTimer) break;
            KillTimer(hwnd, kRestTimer);
            Track(hwnd, TME_CANCEL | TME_HOVER | TME_LEAVE);
            hover->rested = true;
            return CallWindowProcW(proc, hwnd, WM_MOUSELEAVE, 0, 0);
        }
        case WM_NCDESTROY:
            KillTimer(hwnd, kRestTimer);
            Unsubclass(hwnd, kHoverProperty, proc);
            delete hover;
            break;
    }
    return CallWindowProcW(proc, hwnd, message, wParam, lParam);
}
}  // namespace

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void DrawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    const SIZE size = BitmapSize(bitmap);
    if (!size.cx) return;
    const int w = width ? width : size.cx, h = height ? height : size.cy;
    const MemoryDc source(dc);
    const Selection picture(source, bitmap);
    // A mask, white where the key colour is, with plain GDI (no msimg32): the
    // picture is XORed on, the mask clears what it covers, and a second XOR
    // leaves the picture there and the background where the key was.
    const MemoryDc maskDc(dc);
    const Bitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    const Selection masking(maskDc, mask.Get());
    const COLORREF sourceBack = SetBkColor(source, kKeyColour);
    BitBlt(maskDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SetBkColor(source, sourceBack);
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255)), text = SetTextColor(dc, RGB(0, 0, 0));
    const int stretch = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, w, h, source, 0, 0, size.cx, size.cy, SRCINVERT);
    StretchBlt(dc, x, y, w, h, maskDc, 0, 0, size.cx, size.cy, SRCAND);
    StretchBlt(dc, x, y, w, h, source, 0, 0, size.cx, size.cy, SRCINVERT);
    SetStretchBltMode(dc, stretch);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
}

HWND CreateGlyphButton(HWND parent, int id, RECT r) {
    HWND button = MakeChild(parent, L"BUTTON", L"", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, id, nullptr, 0, r);
    if (!button) return nullptr;
    auto* hover = new Hover;
    hover->proc = Subclass(button, kHoverProperty, hover, &GlyphButtonProc);
    return button;
}

void DrawGlyphButton(const DRAWITEMSTRUCT& item, const ButtonLook& look, COLORREF background) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) || look.down;
    const bool disabled = item.itemState & ODS_DISABLED;
    const Brush brush(CreateSolidBrush(pressed ? RGB(GetRValue(background) * 9 / 10, GetGValue(background) * 9 / 10,
                                                     GetBValue(background) * 9 / 10)
                                               : background));
    FillRect(dc, &r, brush.Get());
    if (pressed) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (item.itemState & ODS_HOTLIGHT) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);

    const SIZE glyph = BitmapSize(look.glyph);
    const int offset = pressed ? 1 : 0;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    const Selection font(dc, look.font);
    // Margins grow with the picture, which grows with the DPI: a quarter of its width.
    const int margin = glyph.cx / 4;
    if (look.captionLeft) {
        const int gy = r.top + (r.bottom - r.top - glyph.cy) / 2 + offset;
        DrawKeyedBitmap(dc, look.glyph, r.left + margin + offset, gy);
        RECT text = {r.left + 2 * margin + glyph.cx + offset, r.top + offset, r.right, r.bottom + offset};
        DrawTextW(dc, look.caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    } else if (look.caption.empty()) {
        DrawKeyedBitmap(dc, look.glyph, r.left + (r.right - r.left - glyph.cx) / 2 + offset,
                        r.top + (r.bottom - r.top - glyph.cy) / 2 + offset);
    } else {
        SIZE textSize{};
        GetTextExtentPoint32W(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &textSize);
        const int total = glyph.cx + margin + textSize.cx;
        const int x = r.left + (r.right - r.left - total) / 2 + offset;
        DrawKeyedBitmap(dc, look.glyph, x, r.top + (r.bottom - r.top - glyph.cy) / 2 + offset);
        RECT text = {x + glyph.cx + margin, r.top + offset, r.right, r.bottom + offset};
        DrawTextW(dc, look.caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void DrawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP picture, bool isDefault) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    if (isDefault) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    wchar_t text[64] = L"";
    const int length = GetWindowTextW(item.hwndItem, text, 64);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, length, &extent);
    const SIZE glyph = BitmapSize(picture);
    const int gap = glyph.cx && length ? 4 : 0, offset = pressed ? 1 : 0;
    const int x = r.left + (r.right - r.left - glyph.cx - gap - extent.cx) / 2 + offset;
    DrawKeyedBitmap(dc, picture, x, r.top + (r.bottom - r.top - glyph.cy) / 2 + offset);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT caption = {x + glyph.cx + gap, r.top + offset, r.right, r.bottom + offset};
    DrawTextW(dc, text, length, &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
}

}  // namespace brisko::ui
