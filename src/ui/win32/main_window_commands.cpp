// The main window's commands: its title bar and tool buttons, the accelerate
// and save-and-restore buttons, the notification-area icon, and the windows
// it opens.
#include "ui/win32/main_window.h"

#include "backup/accelerate_flow.h"
#include "ui/options_ids.h"
#include "ui/reference_links.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

void MainWindow::TitleMouseDown() {
    if (IsZoomed(Handle())) return;
    DragByCaption(Handle());
}

void MainWindow::BtnMaximizeClick() {
    const bool maximise = !IsZoomed(Handle());
    ShowWindow(Handle(), maximise ? SW_MAXIMIZE : SW_RESTORE);
    looks_[kBtnMaximize].glyph = bitmaps_.Get(dpi_.Picture(maximise ? "RestoreDownImage" : "MaximizeImage", 16));
    SetHint(kBtnMaximize, maximise ? L"元に戻す (縮小)" : L"最大化");
    InvalidateRect(Control(kBtnMaximize), nullptr, TRUE);
}

void MainWindow::SetHint(int id, const wchar_t* hint) {
    if (tips_) tips_->SetText(Control(id), hint);
    if (looks_[id].caption.empty()) SetWindowTextW(Control(id), hint);
}

void MainWindow::BtnMinimumClick() { ShowWindow(Handle(), SW_MINIMIZE); }

void MainWindow::BtnTopClick() {
    ButtonLook& look = looks_[kBtnTop];
    look.down = !look.down;
    SetWindowPos(Handle(), look.down ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    InvalidateRect(Control(kBtnTop), nullptr, TRUE);
}

void MainWindow::BtnAccelerateClick() {
    const BusyCursor busy;
    ::brisko::BtnAccelerateClick(ctx_);
    RefreshLists();
    UpdateCountLabel();
}

void MainWindow::BtnRestoreClick() {
    if (!frmRestore_)
        frmRestore_ = std::make_unique<RestoreWindow>(ctx_, prompts_, dlgOpen_, bitmaps_, descriptionFont_, [this] {
            RefreshLists();
            if (pcInfoPage_) pcInfoPage_->Fill();
            UpdateCountLabel();
        });
    frmRestore_->ShowModal(Handle());
}



void MainWindow::BtnOptionClick() {
    if (OptionsWindow* options = FrmSub()) options->ShowModal();
}

void MainWindow::ImgAboutClick() {
    if (OptionsWindow* options = FrmSub()) options->ShowModal(kTbVersion);
}

void MainWindow::BtnHelpClick() { OpenAddress(HomePageLink()); }

void MainWindow::ShowCompact(bool performance) {
    if (!frmCompact_) frmCompact_ = std::make_unique<CompactWindow>(ctx_, Handle(), bitmaps_);
    frmCompact_->Open(performance);
}

OptionsWindow* MainWindow::FrmSub() {
    if (!frmSub_) {
        auto options = std::make_unique<OptionsWindow>(ctx_, *this, descriptionFont_, prompts_, bitmaps_);
        options->Create();
        if (!options->Handle()) return nullptr;  // its making failed, and said why
        frmSub_ = std::move(options);
    }
    return frmSub_.get();
}

void MainWindow::BtnTrayClick() {
    tray_.Add(Handle());
    ShowWindow(Handle(), SW_HIDE);
}

void MainWindow::TrayCallback(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN && tray_.Shown()) LeaveTray();
}

void MainWindow::LeaveTray() {
    // The window first: the shell may take its time over the icon.
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    tray_.Remove();
}

void MainWindow::ComeForward() {
    if (tray_.Shown()) return LeaveTray();
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

}  // namespace brisko::ui
