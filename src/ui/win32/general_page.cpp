#include "ui/win32/general_page.h"

#include "platform/win32/wide.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "ui/options_ids.h"

namespace brisko::ui {

namespace {
constexpr int kFontPoints[5] = {12, 11, 10, 9, 8};  // RdFontG ... RdFontA
}

void GeneralPage::Create(const OptionsLayout& l) {
    AddGroup(L"■ 解説", l.fontGroup);
    AddLabel(L"■ 文字の大きさ", l.fontLabel);
    for (int i = 0; i < 5; ++i)
        Add(L"BUTTON", win32::Widen(kFontSizeCaptions[i]), BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), kRdFontG + i, l.fontRadios[i]);
    AddGroup(L"■ メッセージダイアログ", l.messageGroup);
    Add(L"BUTTON", L"設定変更後に再起動を促すメッセージを表示する", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, kChcReboot,
        l.messageChecks[0]);
    AddCheck(L"情報メッセージを表示しない (確認/エラーメッセージは除く)", kChcInform, l.messageChecks[1]);
    AddGroup(L"■ 自動バックアップと復元ポイント", l.backupGroup);
    AddCheck(L"設定変更前に自動的にバックアップを作成しない (非推奨)", kChcAutoRestore, l.backupCheck);
    AddCheck(L"設定変更前に Windows の復元ポイントを作成する", kChcRestorePoint, l.restorePointCheck);
    AddGroup(L"■ 設定ファイルのパス指定", l.pathGroup);
    const wchar_t* const labels[2] = {L"Sysoc.inf", L"Boot.ini"};
    for (int i = 0; i < 2; ++i) {
        Add(L"STATIC", labels[i], SS_LEFT, kLblSysocPath + 3 * i, l.pathLabels[i]);
        Add(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, kEdtSysocPath + 3 * i, l.pathEdits[i], WS_EX_CLIENTEDGE);
        AddPictureButton(L"参照...", kBtnSysocPath + 3 * i, l.pathButtons[i]);
    }
    AddPictureButton(L"適用", kBtnOKO, l.apply);
    AddButton(L"閉じる", kBtnCloseO, l.close);
}

void GeneralPage::Load() {
    const Preferences prefs = PreferencesOf(host_.ctx);
    const int points = host_.descriptionFont.Points();
    int radio = kRdFontM;
    for (int i = 0; i < 5; ++i)
        if (kFontPoints[i] == points) radio = kRdFontG + i;
    SetChecked(radio, true);
    SetChecked(kChcReboot, prefs.RebootPromptWanted());
    SetChecked(kChcInform, prefs.InformSuppressed());
    SetChecked(kChcAutoRestore, prefs.AutoBackupSuppressed());
    SetChecked(kChcRestorePoint, !prefs.RestorePointSuppressed());
    if (host_.ctx.os.family == "9x") {
        for (int id : {kLblSysocPath, kEdtSysocPath, kBtnSysocPath}) EnableWindow(Item(id), FALSE);
        SetWindowTextW(Item(kLblBootPath), L"Msdos.sys");
    }
    for (auto [key, id] : {std::pair{prefkey::kSysocPath, kEdtSysocPath}, std::pair{prefkey::kBootPath, kEdtBootPath}}) {
        const std::string path = prefs.Read(prefkey::kSettings, key);
        if (path != "NULL") SetWindowTextW(Item(id), win32::Widen(path).c_str());
    }
}

bool GeneralPage::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case kBtnOKO: BtnOKOClick(); return true;
        case kBtnSysocPath: BrowseClick(kLblSysocPath, kEdtSysocPath); return true;
        case kBtnBootPath: BrowseClick(kLblBootPath, kEdtBootPath); return true;
        default: return false;
    }
}

int GeneralPage::DefaultButton() const { return kBtnOKO; }

void GeneralPage::BtnOKOClick() {
    int points = 10;
    for (int i : {0, 1, 3, 4})
        if (Checked(kRdFontG + i)) {
            points = kFontPoints[i];
            break;
        }
    host_.descriptionFont.Set(points);
    Preferences prefs = PreferencesOf(host_.ctx);
    prefs.Write(prefkey::kSettings, prefkey::kFontSize, std::to_string(points));
    prefs.SetRebootPromptWanted(Checked(kChcReboot));
    prefs.SetInformSuppressed(Checked(kChcInform));
    prefs.SetAutoBackupSuppressed(Checked(kChcAutoRestore));
    prefs.SetRestorePointSuppressed(!Checked(kChcRestorePoint));
    prefs.Write(prefkey::kSettings, prefkey::kSysocPath, TextOf(kEdtSysocPath));
    prefs.Write(prefkey::kSettings, prefkey::kBootPath, TextOf(kEdtBootPath));
}

void GeneralPage::BrowseClick(int labelId, int editId) {
    const std::string caption = TextOf(labelId);
    std::string lower = caption;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    // The main window's dialog: its filter choice and folder carry over.
    FileOpenDialog& dialog = host_.main.OpenDialog();
    dialog.SetOwner(host_.window);
    dialog.Set(win32::Widen(caption + " ファイルを開く"),
               win32::Widen(caption + " ファイル (" + lower + ")|" + lower + "|すべてのファイル (*.*)|*.*"));
    if (const auto chosen = dialog.Run("")) SetWindowTextW(Item(editId), win32::Widen(*chosen).c_str());
}

}  // namespace brisko::ui
