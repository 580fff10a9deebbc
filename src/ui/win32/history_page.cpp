#include "ui/win32/history_page.h"

#include "backup/backup_file.h"
#include "backup/history_restore.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/history_view.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
constexpr const char* kEmpty =
    "まだ記録はありません。\r\n\r\n「高速化」や復元で Windows の設定を変更すると、そのたびに日時、作成したバックアップ、"
    "復元ポイント、変更した値の変更前と変更後が記録されます。";
constexpr const char* kNoBackup =
    "\r\nこの記録には変更の前に作成したバックアップがありません。\r\n"
    "(自動バックアップが無効だったか、復元の記録です。)";
constexpr const char* kNotHere =
    "\r\nこの記録はこのコンピュータのものではない (またはコンピュータ名のない古い記録です) ため、"
    "ここから変更前に戻すことはできません。";
constexpr int kControls[] = {kHistoryPanel, kHistoryHeading, kLstHistory, kBtnHistoryRestore};
}  // namespace

void HistoryPage::Create() {
    MakeChild(host_.window, L"STATIC", L"", WS_CLIPSIBLINGS, kHistoryPanel, host_.font);
    MakeChild(host_.window, L"STATIC", L"■ 変更の履歴 (新しい順)", SS_LEFT | SS_NOPREFIX, kHistoryHeading, host_.font);
    MakeChild(host_.window, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kLstHistory,
              host_.font, WS_EX_CLIENTEDGE);
    MakeChild(host_.window, L"BUTTON", L"変更前に戻す(&R)...", WS_TABSTOP | BS_PUSHBUTTON, kBtnHistoryRestore,
              host_.font);
}

void HistoryPage::Place(const RestoreLayout& l) {
    ::brisko::ui::Place(Item(kHistoryPanel), host_.dpi.Of(l.panel));
    ::brisko::ui::Place(Item(kHistoryHeading), host_.dpi.Of(l.history.heading));
    ::brisko::ui::Place(Item(kLstHistory), host_.dpi.Of(l.history.list));
    ::brisko::ui::Place(Item(kBtnHistoryRestore), host_.dpi.Of(l.history.restoreButton));
}

bool HistoryPage::Owns(HWND control) const {
    for (int id : kControls)
        if (control == Item(id)) return true;
    return false;
}

void HistoryPage::Show(bool shown) {
    for (int id : kControls) ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
    if (shown) Load();
}

int HistoryPage::Chosen() const { return static_cast<int>(SendMessageW(Item(kLstHistory), LB_GETCURSEL, 0, 0)); }

void HistoryPage::Load() {
    records_ = ReadHistory(host_.ctx.platform.files, HistoryLogPath(BackupsFolder(host_.ctx)));
    HWND list = Item(kLstHistory);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const HistoryRecord& r : records_)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(HistoryListLine(r)).c_str()));
    SendMessageW(list, LB_SETCURSEL, records_.empty() ? -1 : 0, 0);
    Choose();
}

void HistoryPage::Choose() {
    const int chosen = Chosen();
    const bool have = chosen >= 0 && chosen < static_cast<int>(records_.size());
    const bool here = have && RecordOfThisComputer(records_[chosen], IdentityOf(host_.ctx));
    EnableWindow(Item(kBtnHistoryRestore), here && !records_[chosen].backup.empty());
    if (!have) return describe_(kEmpty);
    const HistoryRecord& r = records_[chosen];
    describe_(HistoryDetails(r) + (r.backup.empty() ? kNoBackup : !here ? kNotHere : ""));
}

bool HistoryPage::OnCommand(int id, int code) {
    if (id == kLstHistory) {
        if (code == LBN_SELCHANGE) Choose();
        return true;
    }
    if (id != kBtnHistoryRestore) return false;
    const int chosen = Chosen();
    if (code != BN_CLICKED || chosen < 0 || chosen >= static_cast<int>(records_.size())) return true;
    const std::string backup = records_[chosen].backup;
    const MachineIdentity here = IdentityOf(host_.ctx);
    if (!backup.empty() && RecordOfThisComputer(records_[chosen], here))
        restore_(backup, LaterChangesUndone(records_, static_cast<size_t>(chosen), here));
    Load();  // the restore is a record of its own now
    return true;
}

HBRUSH HistoryPage::OnCtlColor(HWND control, HDC dc) {
    return control == Item(kLstHistory) ? nullptr : host_.OnPanel(dc);
}

}  // namespace brisko::ui
