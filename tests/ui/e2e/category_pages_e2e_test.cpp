// The category pages end to end: ticks at start follow the prefix's
// registry, unavailable entries cannot be ticked, and the accelerate button
// writes exactly what was ticked, with a backup and the change message.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "registry_probe.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kPriority = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const wchar_t* const kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

constexpr LPARAM kTicked = 1, kAvailable = 2;

LPARAM ItemState(const RunningBrisko& app, int page, int index) {
    return SendMessageW(app.Control(kListFirst + page), LB_GETITEMDATA, index, 0);
}

// Clicks the check box of a line, as the mouse would.
void ClickCheckBox(const RunningBrisko& app, int page, int index) {
    HWND list = app.Control(kListFirst + page);
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 6, (r.top + r.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

void PressSpace(const RunningBrisko& app, int page, int index) {
    HWND list = app.Control(kListFirst + page);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(list, WM_KEYUP, VK_SPACE, 0);
}

// The prompt text of a message box.
std::wstring BoxText(HWND box) { return driver::TextOf(GetDlgItem(box, 0xFFFF)); }

size_t BackupCount() { return driver::FilesIn(driver::ProgramFolder() + L"\\backups").size(); }

TEST(CategoryPages, TicksAtStartFollowTheRegistry) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    auto dword = [](HKEY root, const wchar_t* key, const wchar_t* name) -> std::optional<DWORD> {
        auto v = driver::ReadRaw(root, key, name);
        if (!v || v->type != REG_DWORD || v->bytes.size() != 4) return std::nullopt;
        return *reinterpret_cast<const DWORD*>(v->bytes.data());
    };
    struct Case {
        int page, index;
        bool optimised;
    };
    const auto irq8 = dword(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const auto unload = dword(HKEY_LOCAL_MACHINE, kExplorer, L"AlwaysUnloadDLL");
    const auto desktopProcess = dword(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess");
    const auto link = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
    const Case cases[] = {
        {0, 4, irq8 == 2u},
        {0, 5, !unload || *unload == 0},
        {2, 3, !desktopProcess || *desktopProcess == 0},
        {4, 7, link && link->type == REG_BINARY && link->bytes == std::string(4, '\0')},
    };
    for (const Case& c : cases) {
        const LPARAM state = ItemState(app, c.page, c.index);
        if (!(state & kAvailable)) {
            EXPECT_FALSE(state & kTicked) << "an unavailable entry shows unticked";
            continue;
        }
        EXPECT_EQ((state & kTicked) != 0, c.optimised) << "page " << c.page << " entry " << c.index;
    }
}

TEST(CategoryPages, UnavailableEntriesCannotBeTicked) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    // System 2 is unavailable on a fresh preferences file (and on the 9x family).
    ASSERT_FALSE(ItemState(app, 0, 1) & kAvailable);
    ClickCheckBox(app, 0, 1);
    EXPECT_FALSE(ItemState(app, 0, 1) & kTicked) << "not by the mouse";
    PressSpace(app, 0, 1);
    EXPECT_FALSE(ItemState(app, 0, 1) & kTicked) << "not by the space bar";
    // An available one toggles both ways.
    ASSERT_TRUE(ItemState(app, 0, 4) & kAvailable);
    const bool before = ItemState(app, 0, 4) & kTicked;
    ClickCheckBox(app, 0, 4);
    EXPECT_NE((ItemState(app, 0, 4) & kTicked) != 0, before);
    PressSpace(app, 0, 4);
    EXPECT_EQ((ItemState(app, 0, 4) & kTicked) != 0, before);
}

// The question lists what would change before anything is written; Tab
// moves between its buttons and Esc answers いいえ, which changes nothing.
TEST(CategoryPages, TheQuestionListsTheChangesAndNoChangesNothing) {
    const auto irq8Before = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const size_t backups = BackupCount();
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
    EXPECT_EQ(BoxText(confirm), L"\r\nWindows の設定を変更しますか？");
    if (const std::wstring folder = driver::PictureFolder(); !folder.empty()) {
        driver::Settle(500);  // painted
        EXPECT_TRUE(driver::SaveWindowPicture(confirm, folder + L"\\change-preview.bmp"));
    }
    EXPECT_EQ(GetDlgCtrlID(app.Focus()), IDYES) << "はい first, as in the message box";
    app.PressKey(VK_TAB);
    EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == IDNO; }, 3000));
    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindowVisible(confirm); }, 3000));
    EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"情報", 500));
    EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"), irq8Before);
    EXPECT_EQ(BackupCount(), backups);
}

TEST(CategoryPages, AccelerateWritesWhatWasTickedOnce) {
    const auto irq8Before = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const auto linkBefore = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
    const auto backupsBefore = driver::FilesIn(driver::ProgramFolder() + L"\\backups");
    {
        RunningBrisko app;
        ASSERT_TRUE(app.Main());
        for (auto [page, index] : {std::pair{0, 4}, std::pair{4, 7}}) {
            if (ItemState(app, page, index) & kTicked) ClickCheckBox(app, page, index);  // start from unticked
        }
        // Write the two items' defaults first, so the tick below is a change.
        app.ClickOpeningABox(kBtnAccelerate);
        if (HWND box = driver::WaitForDialog(app.ProcessId(), L"確認")) driver::Answer(box, IDYES);
        if (HWND box = driver::WaitForDialog(app.ProcessId(), L"情報", 3000)) driver::Answer(box, IDOK);

        const size_t backups = BackupCount();
        ClickCheckBox(app, 0, 4);
        ClickCheckBox(app, 4, 7);
        ASSERT_TRUE(ItemState(app, 0, 4) & kTicked);
        ASSERT_TRUE(ItemState(app, 4, 7) & kTicked);
        app.ClickOpeningABox(kBtnAccelerate);
        HWND confirm = driver::WaitForDialog(app.ProcessId(), L"確認");
        ASSERT_TRUE(confirm);
        EXPECT_EQ(BoxText(confirm), L"\r\nWindows の設定を変更しますか？");
        driver::Answer(confirm, IDYES);
        HWND done = driver::WaitForDialog(app.ProcessId(), L"情報");
        ASSERT_TRUE(done);
        EXPECT_EQ(BoxText(done).rfind(L"Windows の設定を変更しました。", 0), 0u) << BoxText(done).size();
        driver::Answer(done, IDOK);
        const auto irq8 = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
        ASSERT_TRUE(irq8);
        EXPECT_EQ(irq8->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(irq8->bytes, std::string("\2\0\0\0", 4));
        const auto link = driver::ReadRaw(HKEY_CURRENT_USER, kExplorer, L"link");
        ASSERT_TRUE(link);
        EXPECT_EQ(link->bytes, std::string(4, '\0'));
        EXPECT_EQ(BackupCount(), backups + 1) << "the automatic backup stays";

        app.ClickOpeningABox(kBtnAccelerate);
        confirm = driver::WaitForDialog(app.ProcessId(), L"確認");
        ASSERT_TRUE(confirm);
        driver::Answer(confirm, IDYES);
        done = driver::WaitForDialog(app.ProcessId(), L"情報");
        ASSERT_TRUE(done);
        EXPECT_EQ(BoxText(done), L"\r\n変更された設定はありません。");
        driver::Answer(done, IDOK);
        EXPECT_EQ(BackupCount(), backups + 1) << "nothing changed: no new backup";
    }
    driver::PutBack(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority", irq8Before);
    driver::PutBack(HKEY_CURRENT_USER, kExplorer, L"link", linkBefore);
    for (const auto& file : driver::FilesIn(driver::ProgramFolder() + L"\\backups"))
        if (std::find(backupsBefore.begin(), backupsBefore.end(), file) == backupsBefore.end())
            DeleteFileW((driver::ProgramFolder() + L"\\backups\\" + file).c_str());
}

TEST(CategoryPages, SelectingAnEntryShowsItsDescription) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    const std::wstring folder = driver::PictureFolder();
    for (int page = 0; page < 5; ++page) {
        app.Click(kBtnSystem + page);
        driver::Settle();
        HWND list = app.Control(kListFirst + page);
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SendMessageW(app.Main(), WM_COMMAND, MAKEWPARAM(kListFirst + page, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        driver::Settle();
        const std::wstring text = driver::TextOf(app.Control(kComment));
        EXPECT_GT(text.size(), 40u) << "page " << page;
        EXPECT_EQ(text.find(L"Brisko へようこそ"), std::wstring::npos) << "the introduction was replaced";
        EXPECT_TRUE(IsWindowEnabled(app.Control(kBtnMoreInfo)));
        if (!folder.empty()) {
            wchar_t name[40];
            swprintf(name, 40, L"\\description-%d.bmp", page + 1);
            driver::SaveWindowPicture(app.Main(), folder + name);
        }
    }
    // A service shows its properties in the template's words.
    app.Click(kBtnService);
    driver::Settle();
    HWND services = app.Control(kListFirst + 5);
    ASSERT_GT(SendMessageW(services, LB_GETCOUNT, 0, 0), 0);
    SendMessageW(services, LB_SETCURSEL, 0, 0);
    SendMessageW(app.Main(), WM_COMMAND, MAKEWPARAM(kListFirst + 5, LBN_SELCHANGE), reinterpret_cast<LPARAM>(services));
    driver::Settle();
    const std::wstring details = driver::TextOf(app.Control(kComment));
    EXPECT_NE(details.find(L"□ サービス名： "), std::wstring::npos);
    EXPECT_EQ(details.find(L"%s"), std::wstring::npos) << "every placeholder filled";
    if (!folder.empty()) driver::SaveWindowPicture(app.Main(), folder + L"\\description-service.bmp");

    // Others 10 has no reference page.
    HWND others = app.Control(kListFirst + 4);
    SendMessageW(others, LB_SETCURSEL, 9, 0);
    SendMessageW(app.Main(), WM_COMMAND, MAKEWPARAM(kListFirst + 4, LBN_SELCHANGE), reinterpret_cast<LPARAM>(others));
    driver::Settle();
    EXPECT_FALSE(IsWindowEnabled(app.Control(kBtnMoreInfo)));
}

}  // namespace
}  // namespace brisko::ui
