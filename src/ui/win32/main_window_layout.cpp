// Where the main window puts its controls, and what it draws itself.
#include "ui/win32/main_window.h"

#include "ui/win32/main_window_tables.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

using namespace main_window;

void MainWindow::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    layout_ = LayOutMainWindowAt(dpi_.Value(), client.right, client.bottom, smallScreen_, showTabs_,
                                 pageStyle_ != PageStyle::Tabs);
    const MainLayout& l = layout_;
    for (size_t i = 0; i < std::size(kToolButtons); ++i) Place(Control(kToolButtons[i].id), dpi_.Of(l.toolButtons[i]));
    for (size_t i = 0; i < std::size(kPageButtons); ++i) Place(Control(kPageButtons[i].id), dpi_.Of(l.pageButtons[i]));
    ShowWindow(Control(kBtnService), l.serviceButtonVisible ? SW_SHOW : SW_HIDE);
    for (size_t i = 0; i < std::size(kActionButtons); ++i)
        Place(Control(kActionButtons[i].id), dpi_.Of(l.actionButtons[i]));
    Place(Control(kPgAccelTabs), dpi_.Of(l.tabs));
    ShowWindow(Control(kPgAccelTabs), showTabs_ ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < kPageCount; ++i) Place(Control(kListFirst + i), dpi_.Of(l.pages));
    if (utilityPage_) utilityPage_->Place(l.pages);
    if (pcInfoPage_) pcInfoPage_->Place(l.pages);
    Place(Control(kLblCount), dpi_.Of(l.count));
    Place(Control(kBtnMoreInfo), dpi_.Of(l.moreInfo));
    Place(Control(kBtnAccelerate), dpi_.Of(l.accelerate));
    Place(Control(kLblComment), dpi_.Of(l.commentLabel));
    Place(Control(kComment), dpi_.Of(l.comment));
    Place(Control(kImgAbout), dpi_.Of(l.about));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void MainWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    auto fill = [&](const RECT& r, COLORREF colour) { FillRect(dc, &r, Brush(CreateSolidBrush(colour)).Get()); };
    FillRect(dc, &client, accelBrush_.Get());
    fill(dpi_.Of(layout_.title), PaintColour(panelColours_[0]));
    const RECT banner = dpi_.Of(layout_.banner);
    DrawKeyedBitmap(dc, bitmaps_.Get("BannerImage"), banner.left, banner.top, banner.right - banner.left,
                    banner.bottom - banner.top);
    fill(dpi_.Of(layout_.sideMenu), PaintColour(panelColours_[1]));
    if (layout_.actionBorderVisible) {
        RECT border = dpi_.Of(layout_.actionBorder);
        DrawEdge(dc, &border, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
    }
}

// Maximised, the window fills the work area: the task bar stays visible.
void MainWindow::LimitSize(MINMAXINFO& info) const {
    info.ptMinTrackSize = {dpi_(100), dpi_(54)};
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, GetWindowLongW(Handle(), GWL_STYLE), FALSE, GetWindowLongW(Handle(), GWL_EXSTYLE));
    info.ptMaxPosition = {work.left + frame.left, work.top + frame.top};
    info.ptMaxSize = {work.right - work.left + frame.right - frame.left, work.bottom - work.top + frame.bottom - frame.top};
}

// The frame's own buttons and the logo; the pages draw theirs.
void MainWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    if (id == kImgAbout) {
        FillRect(item.hDC, &item.rcItem, accelBrush_.Get());
        DrawKeyedBitmap(item.hDC, bitmaps_.Get("LogoImage"), 0, 0, item.rcItem.right, item.rcItem.bottom);
        return;
    }
    auto it = looks_.find(id);
    if (it == looks_.end()) return;
    const COLORREF background = PaintColour(panelColours_[id < kBtnSystem ? 0 : id < kPgAccelTabs ? 1 : 2]);
    DrawGlyphButton(item, it->second, background);
}

}  // namespace brisko::ui
