// The PC information page and the pop-up menus end to end: the boxes show the
// prefix's registered names, a change writes them (and a refused one does
// not), the copy menu fills the clipboard and the search menu opens the web.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "registry_probe.h"
#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kNtKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const wchar_t* const k9xKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const wchar_t* const kNameKey = L"SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// The key of the owner and organisation for the Windows Wine shows now.
const wchar_t* OwnerKey() { return driver::Is9x() ? k9xKey : kNtKey; }

std::wstring RegText(const wchar_t* key, const wchar_t* name) {
    const auto raw = driver::ReadRaw(HKEY_LOCAL_MACHINE, key, name);
    if (!raw || (raw->type != REG_SZ && raw->type != REG_EXPAND_SZ)) return L"";
    std::wstring text(reinterpret_cast<const wchar_t*>(raw->bytes.data()), raw->bytes.size() / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

void SetText(const RunningBrisko& app, int id, const wchar_t* text) {
    SendMessageW(app.Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
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

void MenuKey(HWND menu, UINT key) {
    driver::PressKeyAt(menu, key);
    driver::Settle(200);
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

void ClearClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

std::wstring ListEntry(HWND list, int index) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.c_str();
}

TEST(PcInfoPage, TheBoxesShowThePrefixsNamesBesideTheList) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    app.Click(kBtnInfo);
    EXPECT_TRUE(IsWindowVisible(app.Control(kListFirst + 7)));
    EXPECT_EQ(SendMessageW(app.Control(kListFirst + 7), LB_GETCOUNT, 0, 0), 10);
    for (int id = kEdtUser; id <= kBtnDetail; ++id) EXPECT_TRUE(IsWindowVisible(app.Control(id))) << id;
    EXPECT_EQ(driver::TextOf(app.Control(kEdtUser)), RegText(OwnerKey(), L"RegisteredOwner"));
    EXPECT_EQ(driver::TextOf(app.Control(kEdtCorp)), RegText(OwnerKey(), L"RegisteredOrganization"));
    EXPECT_EQ(driver::TextOf(app.Control(kEdtComputer)), RegText(kNameKey, L"ComputerName"));
    EXPECT_FALSE(driver::TextOf(app.Control(kEdtComputer)).empty());
    for (int id = kEdtUser; id <= kEdtMHz; ++id)
        EXPECT_EQ((GetWindowLongW(app.Control(id), GWL_STYLE) & ES_READONLY) != 0, id > kEdtComputer) << id;
    EXPECT_EQ(driver::TextOf(app.Control(kBtnChange)), L"変更");
    EXPECT_EQ(driver::TextOf(app.Control(kBtnDetail)), L"詳細");
    // Each row's box stands level with its row.
    RECT row{}, box{};
    SendMessageW(app.Control(kListFirst + 7), LB_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&row));
    MapWindowPoints(app.Control(kListFirst + 7), app.Main(), reinterpret_cast<POINT*>(&row), 2);
    GetWindowRect(app.Control(kEdtMHz), &box);
    MapWindowPoints(nullptr, app.Main(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.top, row.top);

    driver::Picture(app.Main(), L"page-pcinfo");
}

// The keyboard alone: from the list, Tab walks the ten boxes and the two
// buttons in order; Enter on 詳細 opens the system information tool.
TEST(PcInfoPage, TabWalksTheBoxesAndEnterPressesDetail) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    app.Click(kBtnInfo);
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

// Leaves the three names and the preferences as they were.
class PcInfoChange : public ::testing::Test {
protected:
    bool Unchanged() const { return owner_.Unchanged() && corp_.Unchanged() && computer_.Unchanged(); }
    driver::KeptValue owner_{HKEY_LOCAL_MACHINE, OwnerKey(), L"RegisteredOwner"};
    driver::KeptValue corp_{HKEY_LOCAL_MACHINE, OwnerKey(), L"RegisteredOrganization"};
    driver::KeptValue computer_{HKEY_LOCAL_MACHINE, kNameKey, L"ComputerName"};
    driver::KeptPreferences kept_;
};
TEST_F(PcInfoChange, AnInvalidNameIsRefusedAndAValidChangeWritesAllThree) {
    // With the restart question wanted, as the options window stores it.
    WritePrivateProfileStringW(L"環境設定", L"DlgReboot", L"On", driver::PreferencesPath().c_str());
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    app.Click(kBtnInfo);

    SetText(app, kEdtUser, L"試験 太郎");
    SetText(app, kEdtCorp, L"");
    SetText(app, kEdtComputer, L"MY PC");
    app.ClickOpeningABox(kBtnChange);
    HWND box = driver::WaitForDialog(app.ProcessId(), L"エラー");
    ASSERT_TRUE(box) << "a blank in a computer name is refused";
    EXPECT_EQ(driver::BoxText(box).rfind(L"指定したコンピュータ名は有効ではありません。", 0), 0u) << driver::BoxText(box);
    driver::Answer(box, IDOK);
    EXPECT_TRUE(Unchanged());
    EXPECT_EQ(driver::TextOf(app.Control(kEdtComputer)), L"MY PC") << "the boxes stay as typed";

    SetText(app, kEdtComputer, L"E2E-PC");
    app.ClickOpeningABox(kBtnChange);
    box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box);
    EXPECT_EQ(driver::BoxText(box), L"\r\n表示されている使用者/会社名/コンピュータ名を設定しますか？");
    driver::Answer(box, IDYES);
    box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "the restart question";
    EXPECT_NE(driver::BoxText(box).find(L"今すぐ再起動しますか？"), std::wstring::npos);
    EXPECT_EQ(RegText(OwnerKey(), L"RegisteredOwner"), L"試験 太郎");
    const auto corp = driver::ReadRaw(HKEY_LOCAL_MACHINE, OwnerKey(), L"RegisteredOrganization");
    ASSERT_TRUE(corp) << "an empty organisation is written as an empty value";
    EXPECT_EQ(RegText(OwnerKey(), L"RegisteredOrganization"), L"");
    EXPECT_EQ(RegText(kNameKey, L"ComputerName"), L"E2E-PC");
    driver::Answer(box, IDYES);
    EXPECT_TRUE(driver::WaitFor([] {
        const auto l = driver::RecordedLaunches();
        return std::find(l.begin(), l.end(), "RestartWindows") != l.end();
    }));
}

TEST(ContextMenus, TheCopyMenuPutsTheSelectedEntryOnTheClipboard) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    ClearClipboard();
    // Nothing selected: no menu.
    app.Click(kBtnUtility);
    HWND utilities = app.Control(kListFirst + 6);
    RightClick(utilities);
    EXPECT_FALSE(OpenMenu(app.ProcessId(), 700));

    for (int page : {2, 7}) {
        app.Click(kBtnSystem + page);
        HWND list = app.Control(kListFirst + page);
        SendMessageW(list, LB_SETCURSEL, 3, 0);
        RightClick(list);
        HWND menu = OpenMenu(app.ProcessId());
        ASSERT_TRUE(menu) << page;
        if (page == 7) driver::Picture(GetDesktopWindow(), L"menu-copy");
        PostMessageW(menu, WM_CHAR, L'c', 1);  // the item's access key
        EXPECT_TRUE(driver::WaitFor([&] { return Clipboard() == ListEntry(list, 3); }, 3000))
            << page << ": " << Clipboard();
    }
    // Ctrl+C in a list copies its selected entry too.
    HWND list = app.Control(kListFirst + 7);
    driver::MouseClick(list, 10, 10);
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event('C', 0, 0, 0);
    keybd_event('C', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return Clipboard() == ListEntry(list, 0); }, 3000)) << Clipboard();
}

// Right-clicks the description box and chooses the menu's first search; what
// the program then asked the shell to open, or "" when no menu showed.
std::string SearchFromTheMenu(const RunningBrisko& app, HWND comment) {
    const size_t before = driver::RecordedLaunches().size();
    RightClick(comment);
    HWND menu = OpenMenu(app.ProcessId(), 1500);
    if (!menu) return "";
    MenuKey(menu, VK_DOWN);   // the head item
    MenuKey(menu, VK_RIGHT);  // its searches, the first chosen
    driver::Picture(GetDesktopWindow(), L"menu-search");
    MenuKey(menu, VK_RETURN);
    driver::WaitFor([&] { return driver::RecordedLaunches().size() > before; }, 3000);
    const auto launches = driver::RecordedLaunches();
    return launches.size() > before ? launches.back() : "?";
}

TEST(ContextMenus, ASelectedDescriptionIsSearchedWithAnEncodedAddress) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    SetForegroundWindow(app.Main());
    HWND comment = app.Control(kComment);
    SendMessageW(comment, EM_SETSEL, 0, 0);
    EXPECT_EQ(SearchFromTheMenu(app, comment), "") << "no selection, no menu";

    // The welcome text: blanks, line breaks and Japanese.
    SendMessageW(comment, EM_SETSEL, 0, -1);
    std::string launch = SearchFromTheMenu(app, comment);
    const std::string google = "ShellOpen\topen\thttps://www.google.co.jp/search?q=";
    EXPECT_EQ(launch.rfind(google + "Brisko%20%E3%81%B8%E3%82%88%E3%81%86%E3%81%93%E3%81%9D%0D", 0), 0u) << launch;
    std::string query = launch.substr(std::min(launch.size(), google.size()));
    query = query.substr(0, query.find('\t'));
    EXPECT_EQ(query.find_first_of(" \r\n&#"), std::string::npos) << query;

    // Characters that would change an address's meaning. (Wine's rich edit
    // takes another process's text in the ANSI code page as 9x: there the
    // text cannot be put in from outside.)
    const wchar_t* const text = L"R&D #1 100%";
    SendMessageW(comment, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    wchar_t shown[32] = L"";
    SendMessageW(comment, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(shown));
    if (std::wstring(shown) != text) {
        std::printf("note: the text could not be put into the description box from outside\n");
        return;
    }
    SendMessageW(comment, EM_SETSEL, 0, -1);
    launch = SearchFromTheMenu(app, comment);
    EXPECT_EQ(launch, google + "R%26D%20%231%20100%25\t\tNormal");
}

TEST(ContextMenus, TheSaveAndRestoreDescriptionSharesTheSearchMenu) {
    RunningBrisko app(driver::Launches::Record);
    ASSERT_TRUE(app.Main());
    app.ClickOpeningABox(kBtnRestore);
    HWND window = driver::WaitForDialog(app.ProcessId(), L"保存と復元");
    ASSERT_TRUE(window);
    driver::Settle();
    HWND comment = GetDlgItem(window, kRestoreComment);
    SendMessageW(comment, EM_SETSEL, 0, 2);
    const std::string launch = SearchFromTheMenu(app, comment);
    const std::string google = "ShellOpen\topen\thttps://www.google.co.jp/search?q=";
    EXPECT_EQ(launch.rfind(google, 0), 0u) << launch;
    EXPECT_NE(launch.substr(0, google.size() + 1).back(), '\t') << "the selection is in the address: " << launch;
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace brisko::ui
