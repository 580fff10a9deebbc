// The PC information page and the lists' pop-up menu end to end.
#include <gtest/gtest.h>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

// The computer name as the prefix's registry holds it.
std::wstring ComputerName() {
    const auto raw = driver::ReadRaw(HKEY_LOCAL_MACHINE,
                                     L"SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName", L"ComputerName");
    if (!raw || raw->type != REG_SZ) return L"";
    std::wstring text(reinterpret_cast<const wchar_t*>(raw->bytes.data()), raw->bytes.size() / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

// Posted: the program's menu loop runs until the menu is chosen from.
void RightClick(HWND control) {
    const LPARAM at = MAKELPARAM(10, 10);
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(control, WM_RBUTTONUP, 0, at);
}

// The boxes show the prefix's names. A list's copy menu shows for a selected
// entry only. From the list, Tab walks the ten boxes and the two buttons in
// order; Enter on 詳細 opens the system information tool.
TEST(PcInfoPage, CopyMenuAndKeyboardActOnThePage) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    app.Click(kBtnUtility);
    RightClick(app.Control(kListFirst + 6));
    EXPECT_FALSE(driver::WaitForWindow(app.ProcessId(), L"#32768", 700)) << "nothing selected: no menu";

    app.Click(kBtnInfo);
    EXPECT_EQ(driver::TextOf(app.Control(kEdtComputer)), ComputerName());
    EXPECT_FALSE(ComputerName().empty());
    driver::Picture(app.Main(), L"page-pcinfo");
    HWND list = app.Control(kListFirst + 7);
    SendMessageW(list, LB_SETCURSEL, 3, 0);
    RightClick(list);
    HWND menu = driver::WaitForWindow(app.ProcessId(), L"#32768", 3000);
    ASSERT_TRUE(menu);
    driver::Settle(500);  // painted
    driver::Picture(GetDesktopWindow(), L"menu-copy");
    driver::PressKeyAt(menu, VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindowVisible(menu); }, 3000));
    driver::MouseClick(list, 10, 10);
    ASSERT_TRUE(driver::WaitFor([&] { return app.Focus() == list; }, 3000));
    for (int id = kEdtUser; id <= kBtnDetail; ++id) {
        app.PressKey(VK_TAB);
        EXPECT_TRUE(driver::WaitFor([&] { return GetDlgCtrlID(app.Focus()) == id; }, 3000))
            << "Tab did not reach " << id << " but " << GetDlgCtrlID(app.Focus());
    }
    app.PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitFor([] { return !driver::RecordedLaunches().empty(); }, 3000));
    EXPECT_EQ(driver::RecordedLaunches().back(), "ShellOpen\topen\tmsinfo32\t\tNormal");
}

}  // namespace
}  // namespace brisko::ui
