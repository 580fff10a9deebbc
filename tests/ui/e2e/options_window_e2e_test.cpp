// The options window end to end: opened from the side menu or the logo, its
// pages change the main window at once. What they store, and what the next
// start makes of it, is checked on the host.
#include <gtest/gtest.h>

#include <vector>

#include "ui/control_ids.h"
#include "ui/options_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

// Each test starts and ends as a first run: no preferences file.
class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileW(driver::PreferencesPath().c_str()); }
    void TearDown() override { DeleteFileW(driver::PreferencesPath().c_str()); }
};

HWND OpenOptions(const RunningBrisko& app, int via = kBtnOption) {
    app.ClickOpeningABox(via);
    HWND window = driver::WaitForDialog(app.ProcessId(), L"オプション");
    driver::Settle();
    return window;
}

void Press(HWND window, int id) {
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(GetDlgItem(window, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &unused);
    driver::Settle(200);
}

void Key(HWND control, UINT key) {
    driver::PressKeyAt(control, key);
    driver::Settle(300);
}

// What the screen shows at client points of the title bar, the side menu and
// the settings panel that no control covers, once the window has painted them
// (a window just shown may still show black).
std::vector<COLORREF> PanelsOf(HWND main) {
    std::vector<COLORREF> shown;
    driver::WaitFor([&] {
        shown.clear();
        HDC screen = GetDC(nullptr);
        for (POINT p : {POINT{10, 49}, POINT{1, 120}, POINT{132, 200}}) {
            ClientToScreen(main, &p);
            shown.push_back(GetPixel(screen, p.x, p.y));
        }
        ReleaseDC(nullptr, screen);
        return shown[0] && shown[1] && shown[2];
    }, 3000);
    return shown;
}

// The logo opens the version page and Esc closes the window, which opens again
// on that page; the arrow keys turn the pages, Enter presses the page's apply
// button; Red on the customize page colours the main window's three panels.
TEST_F(OptionsWindow, KeysAndClicksActOnThePagesAndRedColoursTheMainWindow) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND options = OpenOptions(app, kImgAbout);
    ASSERT_TRUE(options);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKV))) << "the logo opens the version page";
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "the window is modal";
    driver::Picture(options, L"options-version");
    Key(GetDlgItem(options, kPgOption), VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(options)) << "Esc closes";
    EXPECT_TRUE(IsWindowEnabled(app.Main()));

    options = OpenOptions(app);
    ASSERT_TRUE(options);
    HWND tabs = GetDlgItem(options, kPgOption);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKV))) << "it opens on the page it showed last";
    for (UINT key : {VK_LEFT, VK_LEFT}) Key(tabs, key);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKO)));
    driver::Picture(options, L"options-general");
    Key(tabs, VK_RETURN);
    wchar_t fontSize[8] = L"";
    GetPrivateProfileStringW(L"環境設定", L"FontSize", L"", fontSize, 8, driver::PreferencesPath().c_str());
    EXPECT_STREQ(fontSize, L"10") << "Enter pressed the general page's apply button";
    EXPECT_TRUE(IsWindowVisible(options)) << "applying leaves the window open";

    for (UINT key : {VK_RIGHT, VK_RIGHT}) Key(tabs, key);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(options, kBtnOKH))) << "the customize page stays hidden until asked for";
    Press(options, kBtnHidden);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKH)));
    Press(options, kRdStyleFirst + 6);  // Red
    Press(options, kBtnOKH);
    driver::Picture(options, L"options-customize-red");
    Press(options, kBtnCloseH);
    driver::Settle();
    EXPECT_EQ(PanelsOf(app.Main()), std::vector<COLORREF>(3, RGB(240, 128, 128)));
    driver::Picture(app.Main(), L"main-red");
}

}  // namespace
}  // namespace brisko::ui
