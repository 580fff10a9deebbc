// The PC information page and the pop-up menus end to end: the boxes show the
// prefix's registered names, the copy menu fills the clipboard and the search
// menu opens the web.
#include <gtest/gtest.h>

#include "registry_probe.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kNameKey = L"SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// The key of the owner and organisation for the Windows Wine shows now.
const wchar_t* OwnerKey() {
    return driver::Is9x() ? L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion"
                          : L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
}

std::wstring RegText(const wchar_t* key, const wchar_t* name) {
    const auto raw = driver::ReadRaw(HKEY_LOCAL_MACHINE, key, name);
    if (!raw || (raw->type != REG_SZ && raw->type != REG_EXPAND_SZ)) return L"";
    std::wstring text(reinterpret_cast<const wchar_t*>(raw->bytes.data()), raw->bytes.size() / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

// The pop-up menu the program shows, once it shows.
HWND OpenMenu(DWORD processId, DWORD timeoutMs = 3000) {
    return driver::WaitForWindow(processId, L"#32768", timeoutMs);
}

// Posted: the program's menu loop runs until the menu is chosen from.
void RightClick(HWND control) {
    const LPARAM at = MAKELPARAM(10, 10);
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(control, WM_RBUTTONUP, 0, at);
}

std::wstring Clipboard() {
    std::wstring text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) driver::Settle(50);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::wstring ListEntry(HWND list, int index) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.c_str();
}

// The boxes show the prefix's names; from the list, Tab walks the ten boxes
// and the two buttons in order; Enter on 詳細 opens the system information tool.
TEST(PcInfoPage, TabWalksTheBoxesAndEnterPressesDetail) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    app.Click(kBtnInfo);
    EXPECT_EQ(driver::TextOf(app.Control(kEdtUser)), RegText(OwnerKey(), L"RegisteredOwner"));
    EXPECT_EQ(driver::TextOf(app.Control(kEdtComputer)), RegText(kNameKey, L"ComputerName"));
    EXPECT_FALSE(driver::TextOf(app.Control(kEdtComputer)).empty());
    driver::Picture(app.Main(), L"page-pcinfo");
    HWND list = app.Control(kListFirst + 7);
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

TEST(ContextMenus, TheCopyMenuAndCtrlCPutTheSelectedEntryOnTheClipboard) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    // Nothing selected: no menu.
    app.Click(kBtnUtility);
    RightClick(app.Control(kListFirst + 6));
    EXPECT_FALSE(OpenMenu(app.ProcessId(), 700));

    app.Click(kBtnInfo);
    HWND list = app.Control(kListFirst + 7);
    SendMessageW(list, LB_SETCURSEL, 3, 0);
    RightClick(list);
    HWND menu = OpenMenu(app.ProcessId());
    ASSERT_TRUE(menu);
    driver::Picture(GetDesktopWindow(), L"menu-copy");
    PostMessageW(menu, WM_CHAR, L'c', 1);  // the item's access key
    EXPECT_TRUE(driver::WaitFor([&] { return Clipboard() == ListEntry(list, 3); }, 3000)) << Clipboard();

    driver::MouseClick(list, 10, 10);
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event('C', 0, 0, 0);
    keybd_event('C', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return Clipboard() == ListEntry(list, 0); }, 3000)) << Clipboard();
}

// The description box's menu searches the selection: blanks, line breaks and
// Japanese reach the address encoded; no selection, no menu.
TEST(ContextMenus, ASelectedDescriptionIsSearchedWithAnEncodedAddress) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    HWND comment = app.Control(kComment);
    SendMessageW(comment, EM_SETSEL, 0, 0);
    RightClick(comment);
    EXPECT_FALSE(OpenMenu(app.ProcessId(), 1000)) << "no selection, no menu";

    SendMessageW(comment, EM_SETSEL, 0, -1);
    RightClick(comment);
    HWND menu = OpenMenu(app.ProcessId());
    ASSERT_TRUE(menu);
    for (UINT key : {VK_DOWN, VK_RIGHT}) {  // the head item, then its first search
        driver::PressKeyAt(menu, key);
        driver::Settle(200);
    }
    driver::Picture(GetDesktopWindow(), L"menu-search");
    driver::PressKeyAt(menu, VK_RETURN);
    ASSERT_TRUE(driver::WaitFor([] { return !driver::RecordedLaunches().empty(); }, 3000));
    const std::string launch = driver::RecordedLaunches().back();
    const std::string google = "ShellOpen\topen\thttps://www.google.co.jp/search?q=";
    EXPECT_EQ(launch.rfind(google + "Brisko%20%E3%81%B8%E3%82%88%E3%81%86%E3%81%93%E3%81%9D%0D", 0), 0u) << launch;
    const std::string query = launch.substr(google.size(), launch.find('\t', google.size()) - google.size());
    EXPECT_EQ(query.find_first_of(" \r\n&#"), std::string::npos) << query;
}

}  // namespace
}  // namespace brisko::ui
