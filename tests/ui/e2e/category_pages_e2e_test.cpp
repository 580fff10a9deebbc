// The category pages end to end: ticks at start as the seeded prefix has
// them, unavailable entries cannot be ticked, and the accelerate button
// writes exactly what was ticked, with a backup and the change message.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "registry_probe.h"
#include "support/test_data.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::kAvailable;
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

// The lines of a page whose state has the flag, numbered from 1 as in
// tests/data/start_ticks.tsv.
std::string LinesWith(const RunningBrisko& app, int page, LPARAM flag) {
    std::string lines;
    const int count = static_cast<int>(SendMessageW(app.Control(kListFirst + page), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (app.ItemState(page, i) & flag) lines += (lines.empty() ? "" : ",") + std::to_string(i + 1);
    return lines.empty() ? "-" : lines;
}

TEST(CategoryPages, TicksAndAvailableEntriesAtStartAreThoseOfTheSeededPrefix) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    const std::string edition = driver::Is9x() ? "98" : "XP";
    int rows = 0;
    for (const auto& row : testing::TestDataRows("start_ticks.tsv")) {
        if (row.at(0) != edition) continue;
        ++rows;
        const int page = std::stoi(row.at(1)) - 1;
        EXPECT_EQ(LinesWith(app, page, kAvailable), row.at(2)) << "available, page " << page + 1;
        EXPECT_EQ(LinesWith(app, page, kTicked), row.at(3)) << "ticked, page " << page + 1;
    }
    EXPECT_EQ(rows, 5);
}

TEST(CategoryPages, UnavailableEntriesCannotBeTicked) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    // System 2 is unavailable on a fresh preferences file (and on the 9x family).
    ASSERT_FALSE(app.ItemState(0, 1) & kAvailable);
    ClickCheckBox(app, 0, 1);
    EXPECT_FALSE(app.ItemState(0, 1) & kTicked) << "not by the mouse";
    app.PressSpace(0, 1);
    EXPECT_FALSE(app.ItemState(0, 1) & kTicked) << "not by the space bar";
    // An available one toggles both ways.
    ASSERT_TRUE(app.ItemState(0, 4) & kAvailable);
    const bool before = app.ItemState(0, 4) & kTicked;
    ClickCheckBox(app, 0, 4);
    EXPECT_NE((app.ItemState(0, 4) & kTicked) != 0, before);
    app.PressSpace(0, 4);
    EXPECT_EQ((app.ItemState(0, 4) & kTicked) != 0, before);
}

// The question lists what would change before anything is written; Tab
// moves between its buttons and Esc answers いいえ, which changes nothing.
TEST(CategoryPages, TheQuestionListsTheChangesAndNoChangesNothing) {
    const auto irq8Before = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const auto backups = driver::Backups();
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    for (auto [page, index] : {std::pair{0, 4}, std::pair{1, 1}, std::pair{2, 1}}) ClickCheckBox(app, page, index);
    app.ClickOpeningABox(kBtnAccelerate);
    HWND confirm = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(confirm);
    const std::wstring list = driver::TextOf(GetDlgItem(confirm, kLstChanges));
    EXPECT_NE(list.find(L"HKEY_LOCAL_MACHINE\\" + std::wstring(kPriority) + L"\\IRQ8Priority\r\n"), std::wstring::npos)
        << "the ticked System item's value";
    EXPECT_EQ(driver::TextOf(GetDlgItem(confirm, kLblChanges)).rfind(L"次の設定を変更します（", 0), 0u);
    EXPECT_EQ(driver::BoxText(confirm), L"\r\nWindows の設定を変更しますか？");
    driver::Settle(500);  // painted
    driver::Picture(confirm, L"change-preview");
    EXPECT_EQ(GetDlgCtrlID(app.Focus()), IDYES) << "はい first, as in the message box";
    app.PressKey(VK_TAB);
    EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == IDNO; }, 3000));
    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindowVisible(confirm); }, 3000));
    EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"情報", 500));
    EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"), irq8Before);
    EXPECT_EQ(driver::Backups(), backups);
}

TEST(CategoryPages, AccelerateWritesWhatWasTickedOnce) {
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

        const size_t backups = driver::Backups().size();
        ClickCheckBox(app, 0, 4);
        ClickCheckBox(app, 4, 7);
        ASSERT_TRUE(app.ItemState(0, 4) & kTicked);
        ASSERT_TRUE(app.ItemState(4, 7) & kTicked);
        app.ClickOpeningABox(kBtnAccelerate);
        HWND confirm = driver::WaitForDialog(app.ProcessId(), L"確認");
        ASSERT_TRUE(confirm);
        EXPECT_EQ(driver::BoxText(confirm), L"\r\nWindows の設定を変更しますか？");
        driver::Answer(confirm, IDYES);
        HWND done = driver::WaitForDialog(app.ProcessId(), L"情報");
        ASSERT_TRUE(done);
        EXPECT_EQ(driver::BoxText(done).rfind(L"Windows の設定を変更しました。", 0), 0u) << driver::BoxText(done).size();
        driver::Answer(done, IDOK);
        const auto irq8 = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
        ASSERT_TRUE(irq8);
        EXPECT_EQ(irq8->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(irq8->bytes, std::string("\2\0\0\0", 4));
        const auto link = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
        ASSERT_TRUE(link);
        EXPECT_EQ(link->bytes, std::string(4, '\0'));
        EXPECT_EQ(driver::Backups().size(), backups + 1) << "the automatic backup stays";

        EXPECT_EQ(app.ClickAndConfirm(kBtnAccelerate), L"\r\n変更された設定はありません。");
        EXPECT_EQ(driver::Backups().size(), backups + 1) << "nothing changed: no new backup";
    }
    for (const auto& file : driver::Backups())
        if (std::find(backupsBefore.begin(), backupsBefore.end(), file) == backupsBefore.end())
            DeleteFileW((driver::ProgramFolder() + L"\\backups\\" + file).c_str());
}

// Selects a line of a page's list as the user does, and lets the program show
// its description.
std::wstring DescriptionOf(const RunningBrisko& app, int page, int index) {
    HWND list = app.Control(kListFirst + page);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(app.Main(), WM_COMMAND, MAKEWPARAM(kListFirst + page, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    driver::Settle();
    return driver::TextOf(app.Control(kComment));
}

TEST(CategoryPages, SelectingAnEntryShowsItsDescription) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    for (int page = 0; page < 5; ++page) {
        app.Click(kBtnSystem + page);
        driver::Settle();
        const std::wstring text = DescriptionOf(app, page, 0);
        EXPECT_GT(text.size(), 40u) << "page " << page;
        EXPECT_EQ(text.find(L"Brisko へようこそ"), std::wstring::npos) << "the introduction was replaced";
        EXPECT_TRUE(IsWindowEnabled(app.Control(kBtnMoreInfo)));
        driver::Picture(app.Main(), L"description-" + std::to_wstring(page + 1));
    }
    // A service shows its properties in the template's words.
    app.Click(kBtnService);
    driver::Settle();
    ASSERT_GT(SendMessageW(app.Control(kListFirst + 5), LB_GETCOUNT, 0, 0), 0);
    const std::wstring details = DescriptionOf(app, 5, 0);
    EXPECT_NE(details.find(L"□ サービス名： "), std::wstring::npos);
    EXPECT_EQ(details.find(L"%s"), std::wstring::npos) << "every placeholder filled";
    driver::Picture(app.Main(), L"description-service");

    // Others 10 has no reference page.
    DescriptionOf(app, 4, 9);
    EXPECT_FALSE(IsWindowEnabled(app.Control(kBtnMoreInfo)));
}

}  // namespace
}  // namespace brisko::ui
