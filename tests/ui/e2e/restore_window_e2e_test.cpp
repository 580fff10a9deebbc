// The save-and-restore window end to end: a backup made with 保存, a restore
// from it chosen in the file dialog, a refused preferences file, and the
// keyboard. Registry values changed here are put back afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "registry_probe.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

HWND WaitForRestoreWindow(const RunningBrisko& app) {
    for (int i = 0; i < 100; ++i) {
        for (HWND w : driver::WindowsOfClass(L"TFrmRestore")) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == app.ProcessId() && IsWindowVisible(w)) return w;
        }
        driver::Settle(100);
    }
    return nullptr;
}

HWND OpenRestoreWindow(const RunningBrisko& app) {
    app.ClickOpeningABox(kBtnRestore);
    HWND window = WaitForRestoreWindow(app);
    driver::Settle();
    return window;
}

void Press(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void Picture(HWND window, const wchar_t* name) {
    const std::wstring folder = driver::PictureFolder();
    if (!folder.empty()) EXPECT_TRUE(driver::SaveWindowPicture(window, folder + L"\\" + name));
}

// Types the path into the file dialog's name box and presses its OK button.
void ChooseFile(DWORD processId, const std::wstring& path,
                const std::wstring& title = L"復元するバックアップ ファイルを開く") {
    HWND dialog = driver::WaitForDialog(processId, title);
    ASSERT_TRUE(dialog) << "no file dialog";
    driver::Settle(500);
    if (title.starts_with(L"復元")) Picture(dialog, L"restore-file-dialog.bmp");
    HWND name = GetDlgItem(dialog, 0x47c);  // cmb13, the explorer-style name box
    if (!name) name = GetDlgItem(dialog, 0x480);  // edt1
    ASSERT_TRUE(name);
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000, &unused);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

std::vector<std::wstring> Backups() { return driver::FilesIn(driver::ProgramFolder() + L"\\backups"); }

TEST(RestoreWindow, BackupThenRestoreFromItBringsBackAValueChangedAfterIt) {
    const auto linkBefore = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND window = OpenRestoreWindow(app);
    ASSERT_TRUE(window) << "保存と復元 opens the window";
    EXPECT_EQ(driver::TextOf(window), L"保存と復元");
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
    Picture(window, L"restore-window.bmp");

    const auto before = Backups();
    Press(window, kBtnBackup);
    HWND box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box);
    driver::Answer(box, IDYES);
    if (HWND done = driver::WaitForDialog(app.ProcessId(), L"情報")) driver::Answer(done, IDOK);
    const auto after = Backups();
    ASSERT_EQ(after.size(), before.size() + 1) << "保存 makes one backup";
    std::wstring made;
    for (const auto& name : after)
        if (std::find(before.begin(), before.end(), name) == before.end()) made = name;

    // Changed after the backup: the restore must bring the recorded value back.
    driver::RawValue changed{REG_BINARY, std::string("\x7f\x00\x00\x00", 4)};
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", changed);
    ASSERT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link")->bytes, changed.bytes);

    Press(window, kBtnRecovery);
    ChooseFile(app.ProcessId(), driver::ProgramFolder() + L"\\backups\\" + made);
    box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "the restore asks first";
    driver::Settle();
    Picture(box, L"restore-confirm.bmp");
    const std::wstring question = driver::TextOf(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(question.find(L"ファイル名：" + made), std::wstring::npos) << "names the file";
    driver::Answer(box, IDYES);
    // Until the closing message (or restart question): questions on the way
    // (restart the shell?) are answered No; this prefix has no optional-
    // components or boot file, which the restore says as it goes.
    bool done = false;
    std::wstring unexpected;
    for (int i = 0; i < 150 && !done && unexpected.empty(); ++i) {
        for (const wchar_t* c : {L"確認", L"情報", L"警告", L"エラー"}) {
            HWND box = driver::WaitForDialog(app.ProcessId(), c, 0);
            if (!box) continue;
            const std::wstring said = driver::TextOf(GetDlgItem(box, 0xFFFF));
            const std::wstring kind = c;
            if (said.find(L"Windows の設定を復元しました。") != std::wstring::npos) {
                Picture(box, L"restore-done.bmp");
                done = true;
            } else if (kind == L"警告" || (kind == L"エラー" && said.find(L"設定対象ファイルの検出に失敗") == std::wstring::npos)) {
                unexpected = said;
            }
            driver::Answer(box, kind == L"確認" ? IDNO : IDOK);
            break;
        }
    }
    EXPECT_TRUE(done) << "the restore ends with its message";
    EXPECT_EQ(unexpected, L"");
    // Back as it was: the same bytes, or gone again when there was none.
    const auto link = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
    EXPECT_EQ(link.has_value(), linkBefore.has_value()) << "the value of the backup is back";
    if (link && linkBefore) EXPECT_EQ(link->bytes, linkBefore->bytes) << "the value of the backup is back";

    Press(window, kBtnRestoreCancel);
    driver::Settle();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(app.Main()));
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", linkBefore);
}

TEST(RestoreWindow, APreferencesFileIsRefusedWithTheWarningAndChangesNothing) {
    const std::wstring prefs = driver::ProgramFolder() + L"\\brisko.ini";
    {
        std::ofstream out(std::filesystem::path(prefs), std::ios::binary);  // "[環境設定]" in code page 932
        out << "[\x8a\xc2\x8b\xab\x90\xdd\x92\xe8]\r\nDlgInform=On\r\n";
    }
    const auto link = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", driver::RawValue{REG_BINARY, std::string("\x05\x00\x00\x00", 4)});
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND window = OpenRestoreWindow(app);
    ASSERT_TRUE(window);
    const auto backupsBefore = Backups();
    Press(window, kBtnRecovery);
    ChooseFile(app.ProcessId(), prefs);
    HWND warning = driver::WaitForDialog(app.ProcessId(), L"警告");
    ASSERT_TRUE(warning) << "refused with a warning";
    driver::Settle();
    Picture(warning, L"restore-refused.bmp");
    EXPECT_EQ(driver::TextOf(GetDlgItem(warning, 0xFFFF)), L"\r\n選択されたファイルはバックアップ ファイルではありません。");
    driver::Answer(warning, IDOK);
    EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"確認", 1000)) << "nothing asked, nothing restored";
    EXPECT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link")->bytes, std::string("\x05\x00\x00\x00", 4));
    EXPECT_EQ(Backups(), backupsBefore);
    Press(window, kBtnRestoreCancel);
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", link);
    app.Close();
    DeleteFileW(prefs.c_str());
}

HWND Focused(const RunningBrisko& app) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.Main(), nullptr), &info);
    return info.hwndFocus;
}

// Presses a key in the window the program has focused, as the keyboard would.
void Key(const RunningBrisko& app, WPARAM key) {
    PostMessageW(Focused(app), WM_KEYDOWN, key, 0);
    PostMessageW(Focused(app), WM_KEYUP, key, 0xC0000000);
    driver::Settle(200);
}

int FocusedId(const RunningBrisko& app) { return Focused(app) ? GetDlgCtrlID(Focused(app)) : 0; }

TEST(RestoreWindow, TabMovesThroughTheControlsAndEscHidesTheSameWindow) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND window = OpenRestoreWindow(app);
    ASSERT_TRUE(window);
    EXPECT_EQ(FocusedId(app), kPgRestore);
    EXPECT_EQ(driver::TextOf(GetDlgItem(window, kBtnBackup)), L"コンピュータの状態を保存する") << "named for screen readers";
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        Key(app, VK_TAB);
        order.push_back(FocusedId(app));
    }
    EXPECT_EQ(order,
              (std::vector<int>{kBtnBackup, kBtnRecovery, kBtnPlanSave, kBtnPlanLoad, kBtnRestoreCancel, kPgRestore}));
    Key(app, VK_RIGHT);  // the arrow keys turn the pages
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kBtnBackupOE)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, kBtnBackup)));
    Picture(window, L"restore-window-mail.bmp");
    Key(app, VK_TAB);
    EXPECT_EQ(FocusedId(app), kBtnBackupOE);
    Key(app, VK_RETURN);  // Enter presses the focused button
    HWND box = driver::WaitForDialog(app.ProcessId(), L"確認", 3000);
    if (!box) box = driver::WaitForDialog(app.ProcessId(), L"警告", 1000);  // a prefix without an identity
    ASSERT_TRUE(box) << "Enter pressed the mail-rule backup";
    driver::Answer(box, box == driver::WaitForDialog(app.ProcessId(), L"確認", 0) ? IDNO : IDOK);
    driver::Settle();
    EXPECT_EQ(FocusedId(app), kBtnBackupOE) << "the keyboard stays where it was";

    Key(app, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(window)) << "Esc closes";
    EXPECT_TRUE(IsWindowEnabled(app.Main()));
    HWND again = OpenRestoreWindow(app);
    EXPECT_EQ(again, window) << "created once, shown again";
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kBtnBackupOE))) << "on the page it was left on";
    PostMessageW(window, WM_CLOSE, 0, 0);
    driver::Settle();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window)) << "hidden, not destroyed";
}

// The access keys of the plan buttons: the current ticks saved as a plan, and
// that plan loaded again.
TEST(RestoreWindow, PlanSavedAndLoadedAgainByTheirAccessKeys) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND window = OpenRestoreWindow(app);
    ASSERT_TRUE(window);
    const std::wstring plan = driver::ProgramFolder() + L"\\e2e-plan.ini";
    DeleteFileW(plan.c_str());
    auto accessKey = [&](wchar_t key) { PostMessageW(Focused(app), WM_SYSCHAR, key, 1 << 29); };  // Alt+key
    accessKey(L's');
    ChooseFile(app.ProcessId(), plan, L"プランを保存");
    HWND saved = driver::WaitForDialog(app.ProcessId(), L"情報");
    ASSERT_TRUE(saved) << "saved";
    driver::Answer(saved, IDOK);
    std::ifstream file(std::filesystem::path(plan), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(text.starts_with("[BriskoPlan]")) << text.substr(0, 40);
    accessKey(L'l');
    ChooseFile(app.ProcessId(), plan, L"読み込むプランを開く");
    HWND loaded = driver::WaitForDialog(app.ProcessId(), L"情報");
    ASSERT_TRUE(loaded) << "loaded, nothing refused";
    Picture(loaded, L"plan-loaded.bmp");
    driver::Answer(loaded, IDOK);
    Press(window, kBtnRestoreCancel);
    app.Close();
    DeleteFileW(plan.c_str());
}

}  // namespace
}  // namespace brisko::ui
