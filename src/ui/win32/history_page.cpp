#include "ui/win32/history_page.h"

#include "backup/backup_file.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/history_view.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

const int HistoryPage::kPanelId = kHistoryPanel;
const int HistoryPage::kHeadingId = kHistoryHeading;

namespace {
constexpr const char* kEmpty =
    "まだ記録はありません。\r\n\r\n「高速化」や復元で Windows の設定を変更すると、そのたびに日時、作成したバックアップ、"
    "復元ポイント、変更した値の変更前と変更後が記録されます。";
constexpr const char* kNoBackup =
    "\r\nこの記録には変更の前に作成したバックアップがありません。\r\n"
    "(自動バックアップが無効だったか、復元の記録です。)";

int Chosen(HWND window) { return static_cast<int>(SendMessageW(GetDlgItem(window, kLstHistory), LB_GETCURSEL, 0, 0)); }
}  // namespace

void HistoryPage::Create(HWND window, HFONT font) {
    MakeChild(window, L"STATIC", L"", WS_CLIPSIBLINGS, kPanelId, font);
    MakeChild(window, L"STATIC", L"■ 変更の履歴 (新しい順)", SS_LEFT | SS_NOPREFIX, kHeadingId, font);
    MakeChild(window, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kLstHistory, font,
              WS_EX_CLIENTEDGE);
    MakeChild(window, L"BUTTON", L"変更前に戻す(&R)...", WS_TABSTOP | BS_PUSHBUTTON, kBtnHistoryRestore, font);
}

void HistoryPage::Place(HWND window, const Dpi& dpi, const Rect& panel, const HistoryPageLayout& l) {
    ::brisko::ui::Place(GetDlgItem(window, kPanelId), dpi.Of(panel));
    ::brisko::ui::Place(GetDlgItem(window, kHeadingId), dpi.Of(l.heading));
    ::brisko::ui::Place(GetDlgItem(window, kLstHistory), dpi.Of(l.list));
    ::brisko::ui::Place(GetDlgItem(window, kBtnHistoryRestore), dpi.Of(l.restoreButton));
}

void HistoryPage::Show(HWND window, bool shown) {
    for (int id : {kPanelId, kHeadingId, static_cast<int>(kLstHistory), static_cast<int>(kBtnHistoryRestore)})
        ShowWindow(GetDlgItem(window, id), shown ? SW_SHOW : SW_HIDE);
    if (shown) Load(window);
}

void HistoryPage::Load(HWND window) {
    records_ = ReadHistory(ctx_.platform.files, HistoryLogPath(BackupsFolder(ctx_)));
    HWND list = GetDlgItem(window, kLstHistory);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const HistoryRecord& r : records_)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(HistoryListLine(r)).c_str()));
    SendMessageW(list, LB_SETCURSEL, records_.empty() ? -1 : 0, 0);
    Choose(window);
}

void HistoryPage::Choose(HWND window) {
    const int chosen = Chosen(window);
    const bool have = chosen >= 0 && chosen < static_cast<int>(records_.size());
    EnableWindow(GetDlgItem(window, kBtnHistoryRestore), have && !records_[chosen].backup.empty());
    if (!have) return describe_(kEmpty);
    const HistoryRecord& r = records_[chosen];
    describe_(HistoryDetails(r) + (r.backup.empty() ? kNoBackup : ""));
}

bool HistoryPage::Command(HWND window, int id, int code) {
    if (id == kLstHistory) {
        if (code == LBN_SELCHANGE) Choose(window);
        return true;
    }
    if (id != kBtnHistoryRestore) return false;
    const int chosen = Chosen(window);
    if (code != BN_CLICKED || chosen < 0 || chosen >= static_cast<int>(records_.size())) return true;
    const std::string backup = records_[chosen].backup;
    if (!backup.empty()) restore_(backup);
    Load(window);  // the restore is a record of its own now
    return true;
}

}  // namespace brisko::ui
