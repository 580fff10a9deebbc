// The category pages end to end: the question lists the ticked changes and
// the accelerate button writes exactly what was ticked, with a backup and the
// change message.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::kTicked;
using driver::RunningBrisko;

const wchar_t* const kPriority = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const wchar_t* const kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

// Clicks the check box of a line, as the mouse would.
void ClickCheckBox(const RunningBrisko& app, int page, int index) {
    HWND list = app.Control(kListFirst + page);
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    driver::MouseClick(list, r.left + 6, (r.top + r.bottom) / 2);
}

// The question lists what would change before anything is written; Tab moves
// between its buttons and Esc answers いいえ, which changes nothing; はい writes
// the ticked values once.
TEST(CategoryPages, TheQuestionListsTheChangesAndAccelerateWritesThemOnce) {
    const driver::KeptValue keptIrq8(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const driver::KeptValue keptLink(HKEY_CURRENT_USER, kExplorer, L"link");
    const auto backupsBefore = driver::Backups();
    {
        RunningBrisko app;
        ASSERT_TRUE(app.Main());
        for (auto [page, index] : {std::pair{0, 4}, std::pair{4, 7}}) {
            if (app.ItemState(page, index) & kTicked) ClickCheckBox(app, page, index);  // start from unticked
        }
        // Write the two items' defaults first, so the tick below is a change.
        app.ClickAndConfirm(kBtnAccelerate);
        const auto irq8Default = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
        const size_t backups = driver::Backups().size();
        ClickCheckBox(app, 0, 4);
        ClickCheckBox(app, 4, 7);

        app.ClickOpeningABox(kBtnAccelerate);
        HWND confirm = driver::WaitForDialog(app.ProcessId(), L"確認");
        ASSERT_TRUE(confirm);
        const std::wstring list = driver::TextOf(GetDlgItem(confirm, kLstChanges));
        EXPECT_NE(list.find(L"HKEY_LOCAL_MACHINE\\" + std::wstring(kPriority) + L"\\IRQ8Priority\r\n"),
                  std::wstring::npos)
            << "the ticked System item's value";
        EXPECT_EQ(driver::TextOf(GetDlgItem(confirm, IDYES)), L"はい(&Y)");
        driver::Settle(500);  // painted
        driver::Picture(confirm, L"change-preview");
        EXPECT_EQ(GetDlgCtrlID(app.Focus()), IDYES) << "はい first, as in the message box";
        app.PressKey(VK_TAB);
        EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == IDNO; }, 3000));
        app.PressKey(VK_ESCAPE);
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindowVisible(confirm); }, 3000));
        EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"情報", 500));
        EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"), irq8Default);
        EXPECT_EQ(driver::Backups().size(), backups);

        EXPECT_EQ(app.ClickAndConfirm(kBtnAccelerate).rfind(L"Windows の設定を変更しました。", 0), 0u);
        EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"),
                  (driver::RawValue{REG_DWORD, std::string("\2\0\0\0", 4)}));
        EXPECT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link").value_or(driver::RawValue{}).bytes,
                  std::string(4, '\0'));
        EXPECT_EQ(driver::Backups().size(), backups + 1) << "the automatic backup stays";

        EXPECT_EQ(app.ClickAndConfirm(kBtnAccelerate), L"\r\n変更された設定はありません。");
        EXPECT_EQ(driver::Backups().size(), backups + 1) << "nothing changed: no new backup";
    }
    for (const auto& file : driver::Backups())
        if (std::find(backupsBefore.begin(), backupsBefore.end(), file) == backupsBefore.end())
            DeleteFileW((driver::ProgramFolder() + L"\\backups\\" + file).c_str());
}

}  // namespace
}  // namespace brisko::ui
