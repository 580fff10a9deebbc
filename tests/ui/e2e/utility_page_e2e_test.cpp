// The utilities page end to end, as Windows XP or 98 (whichever Wine shows):
// what each button starts, recorded and never run; the buttons the edition
// rules out; the NTFS conversion's question; mouse and keyboard.
#include <gtest/gtest.h>

#include <cstdio>
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

void ShowUtilities(const RunningBrisko& app) {
    app.Click(kBtnUtility);
    driver::Settle();
    ASSERT_TRUE(IsWindowVisible(app.Control(Button(1))));
}

TEST(UtilityPage, ButtonsStartTheEditionsToolsAndDisabledOnesNothing) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    ShowUtilities(app);
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

// Wine's answer for the C drive's file system decides the branch: NTFS gets
// the plain line; anything else is counted and gets the placeholder first.
TEST(UtilityPage, ConvertAsksFirstAndNeedsAChosenDrive) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    ShowUtilities(app);
    if (driver::Is9x()) {
        // Ruled out here: a click on the greyed button asks nothing and starts nothing.
        driver::MouseClick(app.Control(Button(10)));
        EXPECT_FALSE(driver::WaitForDialog(app.ProcessId(), L"確認", 500));
        EXPECT_TRUE(driver::RecordedLaunches().empty());
        return;
    }

    app.ClickOpeningABox(Button(10));
    HWND box = driver::WaitForDialog(app.ProcessId(), L"警告");
    ASSERT_TRUE(box) << "no drive chosen: a message instead of a command";
    EXPECT_NE(driver::BoxText(box).find(L"ドライブが選択されていません"), std::wstring::npos);
    driver::Answer(box, IDOK);

    ChooseDriveC(app, kLstHDConvert);
    app.ClickOpeningABox(Button(10));
    box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box);
    EXPECT_EQ(driver::BoxText(box).rfind(L"指定したドライブのファイルシステムをFATからNTFSに変換しますか？", 0), 0u);
    driver::Answer(box, IDNO);
    driver::Settle();
    EXPECT_TRUE(driver::RecordedLaunches().empty()) << "answering No runs nothing";

    app.ClickOpeningABox(Button(10));
    box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box);
    driver::Answer(box, IDYES);
    wchar_t fileSystem[MAX_PATH + 1] = L"";
    GetVolumeInformationW(L"C:\\", nullptr, 0, nullptr, nullptr, nullptr, fileSystem, MAX_PATH + 1);
    const std::string plain = "RunInNewConsole\tcmd /k %SystemRoot%\\system32\\convert C: /fs:ntfs /v";
    const Lines expected = std::wstring(fileSystem) == L"NTFS"
                               ? Lines{plain}
                               : Lines{"RunInNewConsoleAndWait\tfsutil file createnew C:\\TmpMFT ",
                                       plain + " /cvtarea:C:\\TmpMFT"};
    ASSERT_TRUE(driver::WaitFor([&] { return driver::RecordedLaunches().size() == expected.size(); }, 60000))
        << "C: reports \"" << std::string(fileSystem, fileSystem + wcslen(fileSystem)) << "\"";
    const Lines got = driver::RecordedLaunches();
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(got[i].rfind(expected[i], 0), 0u) << got[i];
    std::printf("C: file system under Wine: %ls\n", fileSystem);
}

// The keyboard alone: Tab reaches the buttons, Enter and Space press them.
TEST(UtilityPage, TabReachesTheButtonsAndEnterOrSpacePressesThem) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    ShowUtilities(app);
    SetForegroundWindow(app.Main());
    for (int i = 0; i < 40 && GetDlgCtrlID(app.Focus()) != Button(6); ++i) ASSERT_TRUE(app.Tab());
    ASSERT_EQ(GetDlgCtrlID(app.Focus()), Button(6)) << "Tab reaches ⑥";
    app.PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitFor([] { return driver::RecordedLaunches().size() == 1; }, 3000));
    ASSERT_TRUE(app.Tab());
    const int next = GetDlgCtrlID(app.Focus());
    EXPECT_EQ(next, driver::Is9x() ? Button(8) : Button(7)) << "Tab skips a disabled button";
    app.PressKey(VK_SPACE);
    ASSERT_TRUE(driver::WaitFor([] { return driver::RecordedLaunches().size() == 2; }, 3000));
    const Lines got = driver::RecordedLaunches();
    EXPECT_EQ(got[0], "ShellOpen\topen\tregedit\t\tNormal");
    EXPECT_EQ(got[1], driver::Is9x() ? "RunInNewConsole\tcommand.com /k format a:" : "ShellOpen\topen\tdiskmgmt.msc\t\tNormal");
}

}  // namespace
}  // namespace brisko::ui
