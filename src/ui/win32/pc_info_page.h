#pragma once
// The PC information page's boxes and buttons, children of the main window
// beside its list of captions: ten boxes (the first three editable, the rest
// read-only and drawn in the inactive-border colour), "変更" and "詳細".
#include <windows.h>

#include "engine/program_context.h"
#include "ui/pc_info_layout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

class PcInfoPage {
public:
    // The controls follow the list in the tab order.
    PcInfoPage(HWND parent, HWND list, ProgramContext& ctx, const Dpi& dpi, HFONT font);
    PcInfoPage(const PcInfoPage&) = delete;
    PcInfoPage& operator=(const PcInfoPage&) = delete;

    // Puts the list and the page's controls into the page's area.
    void Place(const Rect& page);
    void Show(bool visible);
    // The boxes show ctx.pcInformation.
    void Fill();
    // Read-only and silver where item enabling says so.
    void ApplyAvailability();
    // The brush of a box's background, or nullptr when the control is not one of the page's boxes.
    HBRUSH BoxColours(HWND control, HDC dc) const;
    // Handles the page's buttons; false for other ids.
    bool Command(int id);

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
