#pragma once
// A list with a check box on every line, drawn from the engine's entries:
// ticked entries show a tick, unavailable entries are greyed and can be
// ticked neither by mouse nor by keyboard. Each line's item data mirrors its
// state (bit 0 ticked, bit 1 available) for tools that watch the window.
#include <windows.h>

#include <vector>

#include "engine/item_model.h"
#include "ui/win32/dpi.h"

namespace brisko::ui {

class CheckList {
public:
    CheckList(HWND parent, int id, const Dpi& dpi, HFONT font);
    CheckList(const CheckList&) = delete;
    CheckList& operator=(const CheckList&) = delete;

    HWND Handle() const { return list_; }
    // The entries shown; the list follows them after Refresh.
    void Bind(std::vector<ItemEntry>* entries) { entries_ = entries; }
    void Refresh();
    void Measure(MEASUREITEMSTRUCT& item) const;
    void Draw(const DRAWITEMSTRUCT& item) const;

    static constexpr LPARAM kTickedBit = 1, kAvailableBit = 2;

private:
    // Takes the list box's mouse clicks and Space before its own procedure.
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Toggle(int index);
    int CheckBoxWidth() const { return dpi_(16); }

    HWND list_;
    const Dpi& dpi_;
    HFONT font_;
    std::vector<ItemEntry>* entries_ = nullptr;
    WNDPROC listProc_ = nullptr;
};

}  // namespace brisko::ui
