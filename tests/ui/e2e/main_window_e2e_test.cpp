// The main window and its pages end to end: Brisko runs under Wine on a
// display and the tests drive it as a user would, through its controls. The
// utilities page runs as Windows XP or 98 (whichever Wine shows), recording
// what its buttons start instead of running it; the conversion's flow is
// checked on the host. At the DPI BRISKO_DPI names (scripts/test_dpi starts
// the session so), every window opens scaled and fits the screen, pictured as
// dpi<N>-<window>.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/test_data.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

std::vector<int> VisiblePages(const RunningBrisko& app) {
    std::vector<int> visible;
    for (int i = 0; i < kPageCount; ++i)
        if (IsWindowVisible(app.Control(kListFirst + i))) visible.push_back(i);
    return visible;
}

// The window starts on the System page with the focus in its list, and a
// second copy ends by itself. The keyboard alone: Tab walks through the side
// menu, the list and 高速化, and Enter presses the focused button. Each side
// menu button shows its page.
TEST(MainWindow, StartsSingleAndTheKeyboardAndSideMenuShowThePages) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main()) << "no main window";
    EXPECT_EQ(driver::TextOf(app.Main()), L"Brisko") << "the task bar shows the program's title";
    EXPECT_EQ(VisiblePages(app), std::vector<int>{0});
    EXPECT_EQ(driver::RunSecondCopy(), 0u) << "a second copy ends by itself";

    SetForegroundWindow(app.Main());
    driver::Settle();
    EXPECT_EQ(GetDlgCtrlID(app.Focus()), kListFirst) << "the focus starts in the System list";
    std::vector<int> reached;
    for (int i = 0; i < 30; ++i) {
        reached.push_back(GetDlgCtrlID(app.Focus()));
        ASSERT_TRUE(app.Tab()) << "Tab moved the focus nowhere from control " << reached.back();
    }
    for (int id : {int(kBtnSystem), int(kBtnDesktop), int(kBtnClose), int(kBtnAccelerate)})
        EXPECT_NE(std::find(reached.begin(), reached.end(), id), reached.end()) << "Tab never reached control " << id;
    for (int i = 0; i < 30 && GetDlgCtrlID(app.Focus()) != kBtnDesktop; ++i) app.Tab();
    ASSERT_EQ(GetDlgCtrlID(app.Focus()), kBtnDesktop);
    app.PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitFor([&] { return VisiblePages(app) == std::vector<int>{1}; }, 3000))
        << "Enter on デスクトップ shows its page";

    for (int page = kPageCount - 1; page >= 0; --page) {
        driver::Press(app.Main(), kBtnSystem + page);
        driver::Settle();
        EXPECT_EQ(VisiblePages(app), std::vector<int>{page});
        driver::Picture(app.Main(), L"page-" + std::to_wstring(page + 1));
    }
}

const wchar_t* const kPriority = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";

// The question lists what would change before anything is written; Tab moves
// between its buttons and Esc answers いいえ, which changes nothing; はい writes
// the ticked values once.
TEST(CategoryPages, TheQuestionListsTheChangesAndAccelerateWritesThemOnce) {
    const driver::KeptValue keptIrq8(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const auto backupsBefore = driver::Backups();
    {
        RunningBrisko app;
        ASSERT_TRUE(app.Main());
        // Unticked, the item's default written first, so that the tick below is a change.
        if (app.Ticked(0, 4)) app.ClickCheckBox(0, 4);
        app.ClickAndConfirm(kBtnAccelerate);
        const auto irq8Default = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
        const size_t backups = driver::Backups().size();
        app.ClickCheckBox(0, 4);

        driver::PressOpeningABox(app.Main(), kBtnAccelerate);
        HWND confirm = driver::WaitForDialog(app.ProcessId(), L"確認");
        ASSERT_TRUE(confirm);
        const std::wstring list = driver::TextOf(GetDlgItem(confirm, kLstChanges));
        EXPECT_NE(list.find(L"HKEY_LOCAL_MACHINE\\" + std::wstring(kPriority) + L"\\IRQ8Priority\r\n"),
                  std::wstring::npos)
            << "the ticked System item's value";
        driver::Picture(confirm, L"change-preview", 500);
        EXPECT_EQ(GetDlgCtrlID(app.Focus()), IDYES) << "はい first, as in the message box";
        app.PressKey(VK_TAB);
        EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == IDNO; }, 3000));
        app.PressKey(VK_ESCAPE);
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindowVisible(confirm); }, 3000));
        EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"情報", 2000)) << "いいえ applies nothing";
        EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"), irq8Default);
        EXPECT_EQ(driver::Backups().size(), backups);

        EXPECT_EQ(app.ClickAndConfirm(kBtnAccelerate).rfind(L"Windows の設定を変更しました。", 0), 0u);
        EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"),
                  (driver::RawValue{REG_DWORD, std::string("\2\0\0\0", 4)}));
        EXPECT_EQ(driver::Backups().size(), backups + 1) << "the automatic backup stays";
    }
    for (const auto& file : driver::Backups())
        if (std::find(backupsBefore.begin(), backupsBefore.end(), file) == backupsBefore.end())
            DeleteFileW((driver::ProgramFolder() + L"\\backups\\" + file).c_str());
}

// The computer name as the prefix's registry holds it.
std::wstring ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = L"";
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) ? name : L"";
}

// Posted: the program's menu loop runs until the menu is chosen from.
void RightClick(HWND control) {
    const LPARAM at = MAKELPARAM(10, 10);
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(control, WM_RBUTTONUP, 0, at);
}

int Button(int number) { return kUtilityButtonFirst + number - 1; }  // ① is 1

// Chooses the C drive in a drive list by clicking its entry.
void ChooseDriveC(const RunningBrisko& app, int list) {
    HWND drives = app.Control(list);
    const LRESULT c = SendMessageW(drives, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L"C ドライブ"));
    ASSERT_NE(c, LB_ERR) << "the fixed drive C is listed";
    SendMessageW(drives, LB_SETTOPINDEX, c, 0);
    RECT r{};
    SendMessageW(drives, LB_GETITEMRECT, c, reinterpret_cast<LPARAM>(&r));
    driver::MouseClick(drives, -1, (r.top + r.bottom) / 2);
    EXPECT_EQ(SendMessageW(drives, LB_GETCURSEL, 0, 0), c);
}

// The utilities page's buttons start the edition's tools, and those it rules
// out are disabled. On the PC information page the boxes show the prefix's
// names; a list's copy menu shows for a selected entry only. From the list, Tab
// walks the ten boxes and the two buttons in order; Enter on 詳細 opens the
// system information tool.
TEST(UtilityPage, ButtonsStartTheEditionsToolsAndThePcInfoPageActsByMenuAndKeyboard) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    driver::Press(app.Main(), kBtnUtility);
    driver::Settle();
    ASSERT_TRUE(IsWindowVisible(app.Control(Button(1))));
    const bool nine = driver::Is9x();
    for (int n = 1; n <= 10; ++n) {
        const bool ruledOut = nine && (n == 5 || n == 7 || n == 10);
        EXPECT_EQ(IsWindowEnabled(app.Control(Button(n))) != FALSE, !ruledOut) << "button " << n;
    }
    EXPECT_TRUE(IsWindowEnabled(app.Control(kLstHDDefrag)));
    EXPECT_EQ(IsWindowEnabled(app.Control(kLstHDConvert)) != FALSE, !nine);
    EXPECT_GE(SendMessageW(app.Control(kLstHDDefrag), LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(app.Control(kLstHDDefrag), LB_GETCURSEL, 0, 0), LB_ERR) << "nothing chosen at start";

    ChooseDriveC(app, kLstHDDefrag);
    driver::MouseClick(app.Control(kChcQuickFormat));
    EXPECT_EQ(SendMessageW(app.Control(kChcQuickFormat), BM_GETCHECK, 0, 0), BST_CHECKED);
    for (int n = 1; n <= 9; ++n) {
        driver::MouseClick(app.Control(Button(n)));
        driver::Settle(100);
    }
    std::vector<std::string> expected;
    for (const auto& row : testing::TestDataRows("utility_launches.tsv"))
        if (row.at(0) == (nine ? "98" : "XP")) expected.push_back(testing::Unescaped(row.at(1)));
    EXPECT_EQ(driver::RecordedLaunches(), expected);
    driver::Picture(app.Main(), nine ? L"utilities-98" : L"utilities-xp");
    RightClick(app.Control(kListFirst + 6));
    EXPECT_FALSE(driver::WaitForWindow(app.ProcessId(), L"#32768", 700)) << "nothing selected: no menu";

    driver::Press(app.Main(), kBtnInfo);
    EXPECT_EQ(driver::TextOf(app.Control(kEdtComputer)), ComputerName());
    EXPECT_FALSE(ComputerName().empty());
    driver::Picture(app.Main(), L"page-pcinfo");
    HWND list = app.Control(kListFirst + 7);
    SendMessageW(list, LB_SETCURSEL, 3, 0);
    RightClick(list);
    HWND menu = driver::WaitForWindow(app.ProcessId(), L"#32768", 3000);
    ASSERT_TRUE(menu);
    driver::Picture(GetDesktopWindow(), L"menu-copy", 500);
    driver::PressKeyAt(menu, VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindowVisible(menu); }, 3000));
    driver::MouseClick(list, 10, 10);
    ASSERT_TRUE(driver::WaitFor([&] { return app.Focus() == list; }, 3000));
    for (int id = kEdtUser; id <= kBtnDetail; ++id) {
        app.PressKey(VK_TAB);
        EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == id; }, 3000))
            << "Tab did not reach " << id << " but " << GetDlgCtrlID(app.Focus());
    }
    const size_t launched = driver::RecordedLaunches().size();
    app.PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitFor([&] { return driver::RecordedLaunches().size() > launched; }, 3000));
    EXPECT_EQ(driver::RecordedLaunches().back(), "ShellOpen\topen\tmsinfo32\t\tNormal");
}

void ExpectOnScreen(HWND w, const std::wstring& name, int dpi) {
    RECT r{};
    ASSERT_TRUE(w && GetWindowRect(w, &r)) << "no window " << name;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN)) << name << " " << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
    driver::Picture(w, L"dpi" + std::to_wstring(dpi) + L"-" + name);
}

TEST(HighDpi, EveryWindowOpensScaledAndFitsTheScreen) {
    if (!std::getenv("BRISKO_DPI")) GTEST_SKIP() << "BRISKO_DPI not set";
    const int dpi = std::atoi(std::getenv("BRISKO_DPI"));
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi) << "the session runs at another DPI";
    ReleaseDC(nullptr, screen);
    driver::RunningBrisko app;
    ASSERT_TRUE(app.Main());
    RECT client{};
    GetClientRect(app.Main(), &client);
    EXPECT_EQ(client.right, MulDiv(597, dpi, 96));
    for (auto [button, name] : {std::pair{kBtnSystem, L"main"}, {kBtnUtility, L"utilities"}, {kBtnInfo, L"pc-info"}}) {
        driver::Press(app.Main(), button);
        ExpectOnScreen(app.Main(), name, dpi);
    }
    // The windows that close by WM_CLOSE or by いいえ; the question is the list of
    // changes, or a plain one where nothing would change.
    auto open = [&](int button, const wchar_t* cls, const wchar_t* caption, const wchar_t* name) {
        driver::PressOpeningABox(app.Main(), button);
        HWND w = cls ? driver::WaitForWindow(app.ProcessId(), cls, 3000) : nullptr;
        if (!w) w = driver::WaitForDialog(app.ProcessId(), caption);
        driver::Settle();
        ExpectOnScreen(w, name, dpi);
        if (button == kBtnAccelerate) driver::Answer(w, IDNO);
        else PostMessageW(w, WM_CLOSE, 0, 0);
        EXPECT_TRUE(driver::WaitFor([&] { return IsWindowEnabled(app.Main()) != FALSE; }));
    };
    open(kBtnRestore, L"TFrmRestore", L"", L"restore");
    open(kBtnOption, nullptr, L"オプション", L"options");
    open(kBtnAccelerate, L"TFrmChanges", L"確認", L"question");
    HWND compact = app.OpenPerformanceMode();
    driver::Settle(800);
    ExpectOnScreen(compact, L"performance", dpi);
    driver::Press(compact, kBtnCompactPerformance);
    driver::Settle(800);
    ExpectOnScreen(compact, L"compact", dpi);
    driver::Press(compact, kBtnCompactClose);
}

}  // namespace
}  // namespace brisko::ui
