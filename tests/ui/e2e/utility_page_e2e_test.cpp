// The utilities page end to end, as Windows XP or 98 (whichever Wine shows):
// what each button starts, recorded and never run, and the buttons the edition
// rules out. The conversion's flow is checked on the host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;
using Lines = std::vector<std::string>;

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

TEST(UtilityPage, ButtonsStartTheEditionsToolsAndDisabledOnesNothing) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    app.Click(kBtnUtility);
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
    const Lines xp = {"ShellOpen\topen\tmplayer2\t\tNormal",     "ShellOpen\topen\tconf\t\tNormal",
                      "ShellOpen\topen\tmsconfig\t\tNormal",     "RunInNewConsole\tcmd /k ipconfig",
                      "ShellOpen\topen\tgpedit.msc\t\tNormal",   "ShellOpen\topen\tregedit\t\tNormal",
                      "ShellOpen\topen\tdiskmgmt.msc\t\tNormal", "RunInNewConsole\tcmd /k format a: /q",
                      "RunInNewConsole\tcmd /k defrag C: -v -f"};
    const Lines ninetyEight = {"ShellOpen\topen\tmplayer2\t\tNormal", "ShellOpen\topen\tconf\t\tNormal",
                               "ShellOpen\topen\tmsconfig\t\tNormal", "ShellOpen\topen\twinipcfg\t\tNormal",
                               "ShellOpen\topen\tregedit\t\tNormal",  "RunInNewConsole\tcommand.com /k format a: /q",
                               "RunInNewConsole\tdefrag C: /noprompt /f"};
    EXPECT_EQ(driver::RecordedLaunches(), nine ? ninetyEight : xp);

    driver::Picture(app.Main(), nine ? L"utilities-98" : L"utilities-xp");
}

}  // namespace
}  // namespace brisko::ui
