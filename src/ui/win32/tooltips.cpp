#include "ui/win32/tooltips.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
const wchar_t* const kSelfProperty = L"BriskoTooltips";
// Posted to the tooltip when its hint has gone, so that it is looked at once
// the tooltip has finished hiding.
constexpr UINT kHintGone = WM_APP + 41;

TOOLINFOW ToolOf(HWND owner, HWND control, const std::wstring& text) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return info;
}

bool PointerOn(HWND control) {
    POINT p;
    RECT r;
    return IsWindow(control) && IsWindowVisible(control) && GetCursorPos(&p) && GetWindowRect(control, &r) &&
           p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
}  // namespace

Tooltips::Tooltips(HWND owner) : owner_(owner) { Create(); }

Tooltips::~Tooltips() { Release(); }

void Tooltips::Create() {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                           0, owner_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
    tipProc_ = Subclass(tip_, kSelfProperty, this, &Tooltips::TipProc);
    if (lineWidth_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, lineWidth_);
}

void Tooltips::AllowLines(int width) {
    lineWidth_ = width;
    if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, lineWidth_);
}

// Gives the tooltip its own procedure back; it lives on with its owner.
void Tooltips::Release() {
    if (tip_ && IsWindow(tip_)) Unsubclass(tip_, kSelfProperty, tipProc_);
}

void Tooltips::AddTool(HWND control, const std::wstring& text) {
    TOOLINFOW info = ToolOf(owner_, control, text);
    // A control added again takes the new text instead of keeping the old one.
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::Add(HWND control, const std::wstring& text) {
    if (!tip_ || !control) return;
    // Controls destroyed since (replaced lists) are forgotten.
    std::erase_if(hints_, [&](const auto& h) { return h.first == control || !IsWindow(h.first); });
    hints_.emplace_back(control, text);
    AddTool(control, text);
}

void Tooltips::SetText(HWND control, const std::wstring& text) {
    if (!tip_ || !control) return;
    for (auto& h : hints_)
        if (h.first == control) h.second = text;
    TOOLINFOW info = ToolOf(owner_, control, text);
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::Renew() {
    const HWND old = tip_;
    Release();
    DestroyWindow(old);
    Create();
    if (!tip_) return;
    std::erase_if(hints_, [](const auto& h) { return !IsWindow(h.first); });
    for (const auto& [control, text] : hints_) AddTool(control, text);
}

LRESULT CALLBACK Tooltips::TipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Tooltips*>(GetPropW(hwnd, kSelfProperty));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC proc = self->tipProc_;
    switch (message) {
        case WM_WINDOWPOSCHANGED: {
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
            if (flags & SWP_SHOWWINDOW) {
                TOOLINFOW info{};
                info.cbSize = TTTOOLINFOW_V1_SIZE;
                self->shownFor_ = CallWindowProcW(proc, hwnd, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&info))
                                      ? reinterpret_cast<HWND>(info.uId)
                                      : nullptr;
            }
            if (flags & SWP_HIDEWINDOW) PostMessageW(hwnd, kHintGone, 0, 0);
            break;
        }
        case kHintGone:
            // Gone by itself or by a click, the pointer still on the control:
            // the tooltip would go on checking for it to leave. Moved away or
            // onto another control, the tooltip has stopped that already.
            if (!IsWindowVisible(hwnd) && PointerOn(self->shownFor_)) self->Renew();
            return 0;
        case WM_NCDESTROY:
            self->Release();
            self->tip_ = nullptr;
            break;
    }
    return CallWindowProcW(proc, hwnd, message, wParam, lParam);
}

}  // namespace brisko::ui
