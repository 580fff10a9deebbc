// The main window end to end: Brisko runs under Wine on a display and the
// tests drive it as a user would, through its controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

TEST(MainWindow, StartsOnTheSystemPageAndStaysSingle) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main()) << "no main window";
    EXPECT_EQ(driver::TextOf(app.Main()), L"Brisko") << "the task bar shows the program's title";
    EXPECT_EQ(VisiblePages(app), std::vector<int>{0});
    EXPECT_EQ(SendMessageW(app.Control(kListFirst), LB_GETCOUNT, 0, 0), 10);
    const std::wstring count = driver::TextOf(app.Control(kLblCount));
    EXPECT_EQ(count.rfind(L"※ 未チェック ", 0), 0u) << "the count label is filled";
    EXPECT_NE(count.find(L" / 全項目 50"), std::wstring::npos);

    EXPECT_EQ(driver::RunSecondCopy(), 0u) << "a second copy ends by itself";
    EXPECT_EQ(driver::WindowsOfClass(L"TFrmMain").size(), 1u);
    EXPECT_TRUE(IsWindowVisible(app.Main()));
}

TEST(MainWindow, EachSideMenuButtonShowsItsPage) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    for (int page = kPageCount - 1; page >= 0; --page) {
        app.Click(kBtnSystem + page);
        driver::Settle();
        EXPECT_EQ(VisiblePages(app), std::vector<int>{page});
        driver::Picture(app.Main(), L"page-" + std::to_wstring(page + 1));
    }
}

TEST(MainWindow, TrayRoundTripReactsOnlyToALeftClick) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    app.Click(kBtnTray);
    driver::Settle();
    EXPECT_FALSE(IsWindowVisible(app.Main()));
    SendMessageW(app.Main(), kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(app.Main())) << "a right click does nothing";
    // The shell restarting while the window hides must not lose the icon.
    SendMessageW(app.Main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    SendMessageW(app.Main(), kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(app.Main()));
    // Started again while the first copy hides in the tray, the program
    // brings that copy back instead of ending with nothing shown.
    app.Click(kBtnTray);
    driver::Settle();
    ASSERT_FALSE(IsWindowVisible(app.Main()));
    EXPECT_EQ(driver::RunSecondCopy(), 0u);
    EXPECT_TRUE(driver::WaitFor([&] { return IsWindowVisible(app.Main()) != FALSE; }));
    EXPECT_EQ(driver::WindowsOfClass(L"TFrmMain").size(), 1u);
    SendMessageW(app.Main(), kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(app.Main())) << "the icon went with it: a click on a stale one changes nothing";
}

TEST(MainWindow, MaximisesToTheWorkAreaAndBack) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    RECT before;
    GetWindowRect(app.Main(), &before);
    EXPECT_EQ(driver::TextOf(app.Control(kBtnMaximize)), L"最大化");
    app.Click(kBtnMaximize);
    driver::Settle();
    EXPECT_TRUE(IsZoomed(app.Main()));
    EXPECT_EQ(driver::TextOf(app.Control(kBtnMaximize)), L"元に戻す (縮小)") << "the hint follows the state";
    RECT client, work;
    GetClientRect(app.Main(), &client);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(client.bottom, work.bottom - work.top) << "the task bar stays visible";
    app.Click(kBtnMaximize);
    driver::Settle();
    EXPECT_FALSE(IsZoomed(app.Main()));
    EXPECT_EQ(driver::TextOf(app.Control(kBtnMaximize)), L"最大化");
    RECT after;
    GetWindowRect(app.Main(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

// Every button is named by its caption, or by its hint where it shows only a
// picture; the task bar shows the program's title.
TEST(MainWindow, ButtonsAndTheWindowCarryTheirNames) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    EXPECT_EQ(driver::TextOf(app.Main()), L"Brisko");
    const struct {
        int id;
        const wchar_t* name;
    } named[] = {{kBtnTray, L"タスクトレイに収納"}, {kBtnCloseSmall, L"閉じる"}, {kBtnSystem, L"システム"},
                 {kBtnInfo, L"パソコン情報"},       {kBtnRestore, L"保存と復元"}, {kBtnAccelerate, L"高速化"},
                 {kBtnMoreInfo, L"関連情報を表示"}};
    for (const auto& n : named) EXPECT_EQ(driver::TextOf(app.Control(n.id)), n.name) << n.id;
}

// The keyboard alone: the focus starts in the list, Tab walks through the
// side menu, the list and 高速化, and Enter presses the focused button.
TEST(MainWindow, TabWalksTheControlsAndEnterPressesAButton) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    driver::Settle();
    EXPECT_EQ(GetDlgCtrlID(app.Focus()), kListFirst) << "the focus starts in the System list";
    std::vector<int> reached;
    for (int i = 0; i < 30; ++i) {
        reached.push_back(GetDlgCtrlID(app.Focus()));
        ASSERT_TRUE(app.Tab()) << "Tab moved the focus nowhere from control " << reached.back();
    }
    for (int id : {int(kListFirst), int(kBtnSystem), int(kBtnDesktop), int(kBtnClose), int(kBtnAccelerate)})
        EXPECT_NE(std::find(reached.begin(), reached.end(), id), reached.end()) << "Tab never reached control " << id;
    for (int i = 0; i < 30 && GetDlgCtrlID(app.Focus()) != kBtnDesktop; ++i) app.Tab();
    ASSERT_EQ(GetDlgCtrlID(app.Focus()), kBtnDesktop);
    app.PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitFor([&] { return VisiblePages(app) == std::vector<int>{1}; }, 3000))
        << "Enter on デスクトップ shows its page";
}

// With launches recorded, ヘルプ asks the shell to open the local help page,
// and nothing is recorded before it.
TEST(MainWindow, HelpOpensTheLocalHelpPage) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    EXPECT_TRUE(driver::RecordedLaunches().empty());
    app.Click(kBtnHelp);
    const auto launches = driver::RecordedLaunches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(launches[0].starts_with("ShellOpen\topen\tfile:///")) << launches[0];
    EXPECT_NE(launches[0].find("#Top\t"), std::string::npos) << launches[0];
}

TEST(MainWindow, QuestionsUseTheProgramsCaptionsAndButtons) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    app.ClickOpeningABox(kBtnAccelerate);
    HWND box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "no confirmation";
    EXPECT_EQ(driver::TextOf(GetDlgItem(box, IDYES)), L"はい(&Y)");
    EXPECT_EQ(driver::TextOf(GetDlgItem(box, IDNO)), L"いいえ(&N)");
    driver::Answer(box, IDNO);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"情報", 500)) << "No ends the flow with nothing done";
}

}  // namespace
}  // namespace brisko::ui
