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
    EXPECT_EQ(driver::WindowsOfClass(L"TFrmMain").size(), 1u);

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
        app.Click(kBtnSystem + page);
        driver::Settle();
        EXPECT_EQ(VisiblePages(app), std::vector<int>{page});
        driver::Picture(app.Main(), L"page-" + std::to_wstring(page + 1));
    }
}

}  // namespace
}  // namespace brisko::ui
