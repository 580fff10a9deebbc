// The save-and-restore window end to end, by keyboard: a backup made with 保存,
// a restore from it chosen in the file dialog, and plans. The registry value
// changed here is put back afterwards.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

// Types the path into the file dialog's name box and presses its OK button.
void ChooseFile(DWORD processId, const std::wstring& path,
                const std::wstring& title = L"復元するバックアップ ファイルを開く") {
    HWND dialog = driver::WaitForDialog(processId, title);
    ASSERT_TRUE(dialog) << "no file dialog";
    driver::Settle(500);
    if (title.starts_with(L"復元")) driver::Picture(dialog, L"restore-file-dialog");
    HWND name = GetDlgItem(dialog, 0x47c);  // cmb13, the explorer-style name box
    if (!name) name = GetDlgItem(dialog, 0x480);  // edt1
    ASSERT_TRUE(name);
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000, &unused);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// Presses a key in the window the program has focused, as the keyboard would.
void Key(const RunningBrisko& app, UINT key) {
    app.PressKey(key);
    driver::Settle(200);
}

// Tab walks the controls, the arrow keys turn the pages and Enter presses the
// focused button: 保存 makes a backup, and 復元 from it brings back a value
// changed since. The plan buttons' access keys save the current ticks as a
// plan and load it again; Esc hides the window, which shows again.
TEST(RestoreWindow, BackupRestoreAndPlansByKeyboardAndMouse) {
    const driver::KeptValue link(HKEY_CURRENT_USER, kExplorer, L"link");
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND window = app.OpenRestoreWindow();
    ASSERT_TRUE(window) << "保存と復元 opens the window";
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
    driver::Picture(window, L"restore-window");
    EXPECT_EQ(app.FocusedId(), kPgRestore);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        Key(app, VK_TAB);
        order.push_back(app.FocusedId());
    }
    EXPECT_EQ(order,
              (std::vector<int>{kBtnBackup, kBtnRecovery, kBtnPlanSave, kBtnPlanLoad, kBtnRestoreCancel, kPgRestore}));
    Key(app, VK_RIGHT);  // the arrow keys turn the pages
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kBtnBackupOE)));
    driver::Picture(window, L"restore-window-mail");
    Key(app, VK_LEFT);
    Key(app, VK_TAB);

    const auto before = driver::Backups();
    Key(app, VK_RETURN);
    HWND box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "Enter pressed 保存";
    driver::Answer(box, IDYES);
    if (HWND done = driver::WaitForDialog(app.ProcessId(), L"情報")) driver::Answer(done, IDOK);
    const auto after = driver::Backups();
    ASSERT_EQ(after.size(), before.size() + 1) << "保存 makes one backup";
    EXPECT_TRUE(driver::WaitFor([&] { return app.FocusedId() == kBtnBackup; }, 3000))
        << "after its boxes the keyboard is back on 保存";
    std::wstring made;
    for (const auto& name : after)
        if (std::find(before.begin(), before.end(), name) == before.end()) made = name;

    // Changed after the backup: the restore must bring the recorded value back.
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", driver::RawValue{REG_BINARY, std::string("\x7f\0\0\0", 4)});
    driver::PressOpeningABox(window, kBtnRecovery);
    ChooseFile(app.ProcessId(), driver::ProgramFolder() + L"\\backups\\" + made);
    box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "the restore asks first";
    driver::Settle();
    driver::Picture(box, L"restore-confirm");
    EXPECT_NE(driver::BoxText(box).find(L"ファイル名：" + made), std::wstring::npos) << "names the file";
    driver::Answer(box, IDYES);
    // Questions on the way (restart the shell?) are answered No; this prefix
    // has no optional-components or boot file, which the restore says as it goes.
    std::wstring unexpected;
    const std::wstring said = driver::AnswerBoxesUntil(app.ProcessId(), L"Windows の設定を復元しました。", [&](HWND box) {
        const std::wstring kind = driver::TextOf(box), text = driver::BoxText(box);
        if (kind == L"警告" || (kind == L"エラー" && text.find(L"設定対象ファイルの検出に失敗") == std::wstring::npos))
            unexpected = text;
        driver::Picture(box, L"restore-done");  // the last one stays
    });
    EXPECT_NE(said.find(L"Windows の設定を復元しました。"), std::wstring::npos) << "the restore ends with its message";
    EXPECT_EQ(unexpected, L"");
    EXPECT_TRUE(link.Unchanged()) << "the value of the backup is back";

    driver::MouseClick(GetDlgItem(window, kPgRestore), 10, 10);  // the first page's tab takes the keyboard
    ASSERT_TRUE(driver::WaitFor([&] { return app.FocusedId() == kPgRestore; }, 3000));
    const std::wstring plan = driver::ProgramFolder() + L"\\e2e-plan.ini";
    DeleteFileW(plan.c_str());
    const std::pair<wchar_t, const wchar_t*> plans[] = {{L's', L"プランを保存"}, {L'l', L"読み込むプランを開く"}};
    for (const auto& [key, title] : plans) {
        PostMessageW(app.Focus(), WM_SYSCHAR, key, 1 << 29);  // Alt+key
        ChooseFile(app.ProcessId(), plan, title);
        HWND done = driver::WaitForDialog(app.ProcessId(), L"情報");
        ASSERT_TRUE(done) << "saved, then loaded with nothing refused";
        driver::Picture(done, key == L's' ? L"plan-saved" : L"plan-loaded");
        driver::Answer(done, IDOK);
        EXPECT_NE(GetFileAttributesW(plan.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    DeleteFileW(plan.c_str());
    Key(app, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(window)) << "Esc closes";
    EXPECT_TRUE(IsWindowEnabled(app.Main()));
    EXPECT_EQ(app.OpenRestoreWindow(), window) << "created once, shown again";
}

}  // namespace
}  // namespace brisko::ui
