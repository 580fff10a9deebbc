// The save-and-restore window end to end, by keyboard: a backup made with 保存,
// a restore from it chosen in the file dialog, plans, and the 履歴 page's record
// of an apply, whose backup restores it from there. What the program asked of
// System Restore is written to a log the test reads. The registry values
// changed here are put back afterwards. The 効果 page, without records of
// Windows' starts as XP and as Windows 10, and with a recorded set planted.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/test_data.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const wchar_t* const kPriority = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const wchar_t* const kPolicies = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

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
    driver::PressOpeningABox(dialog, IDOK);
}

// A restore asks first, naming the file (its name's beginning given), and is
// answered はい. Questions on the way (restart the shell?) are answered No; this
// prefix has no optional-components or boot file, which the restore says as it
// goes, and no other warning or error may come before its closing message.
void ConfirmRestore(DWORD processId, const std::wstring& file, const std::wstring& pictured) {
    HWND box = driver::WaitForDialog(processId, L"確認");
    ASSERT_TRUE(box) << "the restore asks first";
    driver::Picture(box, pictured + L"-confirm", 300);
    EXPECT_NE(driver::BoxText(box).find(L"ファイル名：" + file), std::wstring::npos) << "names the file";
    driver::Answer(box, IDYES);
    std::wstring unexpected;
    const std::wstring said = driver::AnswerBoxesUntil(processId, L"Windows の設定を復元しました。", [&](HWND box) {
        const std::wstring kind = driver::TextOf(box), text = driver::BoxText(box);
        if (kind == L"警告" || (kind == L"エラー" && text.find(L"設定対象ファイルの検出に失敗") == std::wstring::npos))
            unexpected = text;
        driver::Picture(box, pictured + L"-done");  // the last one stays
    });
    EXPECT_NE(said.find(L"Windows の設定を復元しました。"), std::wstring::npos) << "the restore ends with its message, not: " << said;
    EXPECT_EQ(unexpected, L"");
}

// Tab walks the controls, the arrow keys turn the pages and Enter presses the
// focused button: 保存 makes a backup, and 復元 from it brings back a value
// changed since. The plan buttons' access keys save the current ticks as a
// plan and load it again; Esc hides the window, which shows again. Two System
// items applied then are the 履歴 page's newest record, with their values, and
// its restore of the backup made just before puts them back.
TEST(RestoreWindow, BackupRestorePlansAndHistoryByKeyboardAndMouse) {
    const driver::KeptValue link(HKEY_CURRENT_USER, kExplorer, L"link");
    const driver::KeptValue irq8(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const driver::KeptValue lowDisk(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks");
    const std::wstring pointLog = driver::ProgramFolder() + L"\\e2e-restore-points.log";
    DeleteFileW(pointLog.c_str());
    SetEnvironmentVariableW(L"BRISKO_RESTORE_POINT_LOG", pointLog.c_str());
    RunningBrisko app;
    SetEnvironmentVariableW(L"BRISKO_RESTORE_POINT_LOG", nullptr);
    ASSERT_TRUE(app.Main());
    HWND window = app.OpenRestoreWindow();
    ASSERT_TRUE(window) << "保存と復元 opens the window";
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
    driver::Picture(window, L"restore-window");
    EXPECT_EQ(GetDlgCtrlID(app.Focus()), kPgRestore);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        app.PressKey(VK_TAB, 200);
        order.push_back(GetDlgCtrlID(app.Focus()));
    }
    EXPECT_EQ(order,
              (std::vector<int>{kBtnBackup, kBtnRecovery, kBtnPlanSave, kBtnPlanLoad, kBtnRestoreCancel, kPgRestore}));
    app.PressKey(VK_RIGHT, 200);  // the arrow keys turn the pages
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kBtnBackupOE)));
    driver::Picture(window, L"restore-window-mail");
    app.PressKey(VK_LEFT, 200);
    app.PressKey(VK_TAB, 200);

    const auto before = driver::Backups();
    app.PressKey(VK_RETURN, 200);
    HWND box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "Enter pressed 保存";
    driver::Answer(box, IDYES);
    if (HWND done = driver::WaitForDialog(app.ProcessId(), L"情報")) driver::Answer(done, IDOK);
    const auto after = driver::Backups();
    ASSERT_EQ(after.size(), before.size() + 1) << "保存 makes one backup";
    EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == kBtnBackup; }, 3000))
        << "after its boxes the keyboard is back on 保存";
    std::wstring made;
    for (const auto& name : after)
        if (std::find(before.begin(), before.end(), name) == before.end()) made = name;

    // Changed after the backup: the restore must bring the recorded value back.
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", driver::RawValue{REG_BINARY, std::string("\x7f\0\0\0", 4)});
    driver::PressOpeningABox(window, kBtnRecovery);
    ChooseFile(app.ProcessId(), driver::ProgramFolder() + L"\\backups\\" + made);
    ConfirmRestore(app.ProcessId(), made, L"restore");
    EXPECT_TRUE(link.Unchanged()) << "the value of the backup is back";

    driver::MouseClick(GetDlgItem(window, kPgRestore), 10, 10);  // the first page's tab takes the keyboard
    ASSERT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == kPgRestore; }, 3000));
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
    app.PressKey(VK_ESCAPE, 200);
    EXPECT_FALSE(IsWindowVisible(window)) << "Esc closes";
    EXPECT_TRUE(IsWindowEnabled(app.Main()));

    // System 5 (IRQ8Priority) and 8 (NoLowDiskSpaceChecks), unticked and written as such first.
    if (app.Ticked(0, 4) || app.Ticked(0, 7)) {
        for (int index : {4, 7})
            if (app.Ticked(0, index)) app.ClickCheckBox(0, index);
        app.ClickAndConfirm(kBtnAccelerate);
    }
    const auto irq8Before = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const auto lowDiskBefore = driver::ReadRaw(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks");
    app.ClickCheckBox(0, 4);
    app.ClickCheckBox(0, 7);
    const std::wstring done = app.ClickAndConfirm(kBtnAccelerate);
    EXPECT_EQ(done.rfind(L"Windows の設定を変更しました。", 0), 0u) << done;
    ASSERT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"),
              (driver::RawValue{REG_DWORD, std::string("\2\0\0\0", 4)}));
    ASSERT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks"),
              (driver::RawValue{REG_DWORD, std::string("\1\0\0\0", 4)}));

    EXPECT_EQ(app.OpenRestoreWindow(), window) << "created once, shown again";
    for (int i = 0; i < 2; ++i) app.PressKey(VK_RIGHT, 200);  // the tabs have the keyboard: the third page
    HWND list = GetDlgItem(window, kLstHistory);
    ASSERT_TRUE(driver::WaitFor([&] { return IsWindowVisible(list) != FALSE; }, 3000)) << "the 履歴 page shows";
    ASSERT_GE(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
    const std::wstring newest = driver::ListLine(list, 0);
    EXPECT_NE(newest.find(L"高速化  (2 項目)"), std::wstring::npos);
    const std::wstring details = driver::TextOf(GetDlgItem(window, kRestoreComment));
    for (const wchar_t* part :
         {L"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\", L"Control\\PriorityControl\\IRQ8Priority",
          L"NoLowDiskSpaceChecks", L"変更前: (なし)", L"変更後: 0x00000002 (2)",
          L"変更後: 0x00000001 (1)", L"変更前のバックアップ:", L"復元ポイント: "})
        EXPECT_NE(details.find(part), std::wstring::npos) << "the record shows " << part;
    // The user's own values are written into the hive of the account it runs
    // as, and the record names that hive.
    EXPECT_TRUE(details.find(L"HKEY_USERS\\S-1-5-21-") != std::wstring::npos ||
                details.find(L"HKEY_CURRENT_USER\\Software\\") != std::wstring::npos)
        << "the record names whose settings changed";
    driver::Picture(window, L"history-page", 500);

    driver::PressOpeningABox(window, kBtnHistoryRestore);
    ConfirmRestore(app.ProcessId(), L"backup_", L"history-restore");
    EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"), irq8Before) << "the values are back";
    EXPECT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks"), lowDiskBefore);
    ASSERT_TRUE(driver::WaitFor([&] { return driver::ListLine(list, 0).find(L"復元") != std::wstring::npos; }, 3000))
        << "the restore is the newest record";
    driver::Picture(window, L"history-page-restored", 300);
    app.PressKey(VK_ESCAPE);

    std::ifstream log(std::filesystem::path(pointLog), std::ios::binary);
    const std::string asked{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ(asked.rfind("Begin\tBrisko による設定変更の前\t", 0), 0u) << "System Restore was asked:\n" << asked;
}

// The 効果 page, the fourth tab, opened by the arrow keys; the window, or
// nullptr when the page did not show.
HWND OpenEffectPage(const RunningBrisko& app) {
    HWND window = app.OpenRestoreWindow();
    if (!window) return nullptr;
    for (int i = 0; i < 3; ++i) app.PressKey(VK_RIGHT, 200);
    HWND panel = GetDlgItem(window, kEffectPanel);
    return driver::WaitFor([&] { return IsWindowVisible(panel) != FALSE; }, 5000) ? window : nullptr;
}

bool Shows(HWND window, int id) { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }

// Wine keeps no records of Windows' starts, as XP and the server editions do
// not: as XP and as Windows 10 the page says so in one sentence and shows
// nothing else, not even the description box.
TEST(RestoreWindow, EffectPageSaysWhyWithoutRecordsOfStarts) {
    const driver::KeptValue version(HKEY_CURRENT_USER, L"Software\\Wine", L"Version");
    for (const std::wstring edition : {L"winxp", L"win10"}) {
        SCOPED_TRACE(std::string(edition.begin(), edition.end()));
        const std::string bytes(reinterpret_cast<const char*>(edition.c_str()), (edition.size() + 1) * sizeof(wchar_t));
        driver::PutBack(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", driver::RawValue{REG_SZ, bytes});
        RunningBrisko app;
        ASSERT_TRUE(app.Main());
        HWND window = OpenEffectPage(app);
        ASSERT_TRUE(window) << "the 効果 page shows";
        EXPECT_TRUE(driver::WaitFor([&] {
            return Shows(window, kEffectSentence) && !Shows(window, kEffectChart) && !Shows(window, kEffectTable) &&
                   !Shows(window, kRestoreComment);
        }, 3000)) << "the sentence alone";
        EXPECT_EQ(driver::TextOf(GetDlgItem(window, kEffectSentence)), L"この Windows では起動時間の記録がありません");
        driver::Picture(window, L"effect-page-" + edition, 300);
        app.PressKey(VK_ESCAPE, 200);
    }
}

// The recorded set of tests/data planted (BRISKO_EFFECT_EVENTS) with two
// changes in the history: the chart and the table show, the sentence does
// not; the page before it has the description box back.
TEST(RestoreWindow, EffectPageChartsPlantedRecords) {
    const std::wstring folder = driver::ProgramFolder();
    const std::wstring events = folder + L"\\e2e-events.xml";
    std::ofstream(std::filesystem::path(events), std::ios::binary) << testing::TestData("diagnostic_events.xml");
    CreateDirectoryW((folder + L"\\backups").c_str(), nullptr);
    const std::filesystem::path log(folder + L"\\backups\\brisko-history.log");
    std::string kept;
    if (std::ifstream in(log, std::ios::binary); in) kept.assign(std::istreambuf_iterator<char>(in), {});
    {
        std::ofstream out(log, std::ios::binary | std::ios::trunc);
        for (const char* when : {"2026-10-13 21:00:00", "2026-10-25 20:00:00"})
            out << "==== " << when << "\t高速化\r\nバックアップ\tなし\r\n項目\t[システム] "
                << "システム終了時に仮想メモリのページング ファイルをクリアしない\r\n"
                << "値\tHKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\"
                << "Memory Management\\ClearPageFileAtShutdown\t1\t0\r\n\r\n";
    }
    SetEnvironmentVariableW(L"BRISKO_EFFECT_EVENTS", events.c_str());
    RunningBrisko app;
    SetEnvironmentVariableW(L"BRISKO_EFFECT_EVENTS", nullptr);
    ASSERT_TRUE(app.Main());
    HWND window = OpenEffectPage(app);
    ASSERT_TRUE(window) << "the 効果 page shows";
    EXPECT_TRUE(driver::WaitFor([&] {
        return Shows(window, kEffectChart) && Shows(window, kEffectTable) && !Shows(window, kEffectSentence) &&
               !Shows(window, kRestoreComment);
    }, 3000)) << "the chart and the table, not the sentence or the description box";
    const std::wstring table = driver::TextOf(GetDlgItem(window, kEffectTable));
    for (const wchar_t* part : {L"起動 33 回", L"1. 2026-10-13 21:00:00  高速化  1 項目", L"2. 2026-10-25 20:00:00",
                                L"Windows の更新が入りました", L"Windows Audio"})
        EXPECT_NE(table.find(part), std::wstring::npos) << "the table shows " << part;
    SetCursorPos(0, 0);  // no hint on the picture
    driver::Picture(window, L"effect-page", 500);
    // The pointer on the chart's middle: the hint of the start under it.
    RECT chart;
    GetWindowRect(GetDlgItem(window, kEffectChart), &chart);
    std::wstring hint;
    SetCursorPos((chart.left + chart.right) / 2, (chart.top + chart.bottom) / 2);  // once: a move puts the hint off
    const bool hinted = driver::WaitFor([&] {
        for (HWND tip : driver::WindowsOfClass(L"tooltips_class32"))
            if (IsWindowVisible(tip)) hint = driver::TextOf(tip);
        return hint.find(L"デスクトップまで: ") != std::wstring::npos;
    }, 5000);
    EXPECT_TRUE(hinted) << "the hint: " << hint;
    driver::Picture(window, L"effect-page-hint", 300);
    SetCursorPos(0, 0);
    app.PressKey(VK_LEFT);  // 履歴
    EXPECT_TRUE(driver::WaitFor([&] { return Shows(window, kRestoreComment) && Shows(window, kLstHistory); }, 3000));
    EXPECT_FALSE(Shows(window, kEffectChart) || Shows(window, kEffectPanel));
    app.PressKey(VK_ESCAPE, 200);
    std::ofstream(log, std::ios::binary | std::ios::trunc) << kept;
    DeleteFileW(events.c_str());
}

}  // namespace
}  // namespace brisko::ui
