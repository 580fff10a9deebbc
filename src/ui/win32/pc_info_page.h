#pragma once
// The PC information page: its list of captions and beside it ten boxes (the
// first three editable, the rest read-only and drawn in the inactive-border
// colour), "変更" and "詳細". A part of the main window, whose children they
// are.
#include <windows.h>

#include "engine/program_context.h"
#include "ui/pc_info_layout.h"
#include "ui/win32/child_part.h"
#include "ui/win32/dpi.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

class PcInfoPage final : public ChildPart {
public:
    // The controls follow the list in the tab order.
    PcInfoPage(HWND parent, HWND list, ProgramContext& ctx, const Dpi& dpi, HFONT font);

    // Puts the list and the page's controls into the page's area.
    void Place(const Rect& page);
    // The boxes show ctx.pcInformation.
    void Fill();
    // Read-only and silver where item enabling says so.
    void ApplyAvailability();

    bool Owns(HWND control) const override;
    void Show(bool visible) override;
    // The buttons; the list's selection is left to the window.
    bool OnCommand(int id, int code) override;
    // The boxes' backgrounds.
    HBRUSH OnCtlColor(HWND control, HDC dc) override;

private:
    void BtnChangeClick();
    void BtnDetailClick();
    bool EditableReadOnly(int box) const;

    HWND parent_, list_;
    ProgramContext& ctx_;
    const Dpi& dpi_;
    Brush silver_;
};

}  // namespace brisko::ui
