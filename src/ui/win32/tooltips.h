#pragma once
// Hints: a tooltip for each control that has one.
//
// A tooltip control watches, on a timer, for the pointer to leave the control
// whose hint it showed, and keeps doing so after the hint has gone while the
// pointer stays. So that a window left alone under the pointer costs nothing,
// a hint that goes while the pointer still rests on its control is followed
// by a fresh tooltip with the same hints, which waits for the next mouse move.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace brisko::ui {

class Tooltips {
public:
    explicit Tooltips(HWND owner);
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;
    // Adds the control's hint, or replaces the hint it has.
    void Add(HWND control, const std::wstring& text);
    // Changes the hint of a control added before.
    void SetText(HWND control, const std::wstring& text);
    // Hints of several lines ("\r\n"), broken at most this wide (device pixels).
    void AllowLines(int width);

private:
    void Create();
    void Release();
    void AddTool(HWND control, const std::wstring& text);
    void Renew();
    static LRESULT CALLBACK TipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_;
    HWND tip_ = nullptr;
    WNDPROC tipProc_ = nullptr;
    HWND shownFor_ = nullptr;  // the control whose hint is up
    int lineWidth_ = 0;        // 0: hints of one line
    std::vector<std::pair<HWND, std::wstring>> hints_;
};

}  // namespace brisko::ui
