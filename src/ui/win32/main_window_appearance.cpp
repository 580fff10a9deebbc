// What the options window changes on the main window (AppearanceTarget).
#include "ui/win32/main_window.h"

#include <richedit.h>

#include "engine/program_preferences.h"
#include "ui/win32/main_window_tables.h"

namespace brisko::ui {

using namespace main_window;

void MainWindow::LoadAppearance() {
    const StoredAppearance a = ReadStoredAppearance(PreferencesOf(ctx_));
    descriptionFont_.Load(a.fontSize);
    descriptionFont_.Follow([this](int points) {
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_SIZE;
        format.yHeight = DescriptionFont::Twips(points);
        SendMessageW(Control(kComment), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    });
    if (a.alpha) SetAlpha(*a.alpha);
    std::array<int32_t, 3> colours = panelColours_;
    for (size_t i = 0; i < colours.size(); ++i)
        if (a.panelColours[i]) colours[i] = *a.panelColours[i];
    SetPanelColours(colours);
    SetPagesStyle(a.pageStyle.value_or(pageStyle_), a.showTab);
    ShowPage(0);
}

void MainWindow::SetAlpha(int alpha) {
    alpha_ = alpha;
    const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if (alpha >= 255) {
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        return;
    }
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void MainWindow::SetPanelColours(const std::array<int32_t, 3>& colours) {
    panelColours_ = colours;
    accelBrush_.Reset(CreateSolidBrush(AccelColour()));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::SetWindowColours(int32_t restore, int32_t compact) {
    if (frmRestore_) frmRestore_->SetColour(restore);
    if (frmCompact_) frmCompact_->SetColour(compact);
}

void MainWindow::SetPagesStyle(PageStyle style, bool showTabs) {
    pageStyle_ = style;
    showTabs_ = showTabs;
    SetTabStyle(Control(kPgAccelTabs), style);
    Layout();
    if (frmRestore_) frmRestore_->SetPageStyle(style);
}

void MainWindow::ItemAvailabilityChanged() {
    RefreshLists();
    if (utilityPage_) utilityPage_->ApplyControlStates(ctx_.controls);
    if (pcInfoPage_) pcInfoPage_->ApplyAvailability();
}

}  // namespace brisko::ui
