#pragma once
// A list with a check box on every line, drawn from the engine's entries:
// ticked entries show a tick, unavailable entries are greyed and can be
// ticked neither by mouse nor by keyboard. Each line's item data mirrors its
// state (bit 0 ticked, bit 1 available) for tools that watch the window.
// A part of its window, which draws its lines through it.
#include <windows.h>

#include <vector>

#include "engine/item_model.h"
#include "ui/win32/child_part.h"
#include "ui/win32/dpi.h"

namespace brisko::ui {

class CheckList final : public ChildPart {
public:
    CheckList(HWND parent, int id, const Dpi& dpi, HFONT font);

    HWND Handle() const { return list_; }
    // The entries shown; the list follows them after Refresh.
    void Bind(std::vector<ItemEntry>* entries) { entries_ = entries; }
    void Refresh();

    bool Owns(HWND control) const override { return control == list_; }
    void Show(bool visible) override { ShowWindow(list_, visible ? SW_SHOW : SW_HIDE); }
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

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
