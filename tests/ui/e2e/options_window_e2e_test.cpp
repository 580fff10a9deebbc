// The options window end to end, opened from the side menu, the logo or the
// compact window's strip: its pages change every window at once. What the
// options store, and what the next start makes of it, is checked on the host.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ui/control_ids.h"
#include "ui/options_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

HWND OpenOptions(const RunningBrisko& app, int via = kBtnOption) {
    driver::PressOpeningABox(app.Main(), via);
    HWND window = driver::WaitForDialog(app.ProcessId(), L"オプション");
    driver::Settle();
    return window;
}

void Press(HWND window, int id) {
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(GetDlgItem(window, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &unused);
    driver::Settle(200);
}

// What the screen shows at client points of a window that no control covers,
// once the window has painted them (a window just shown may still show black).
std::vector<COLORREF> PixelsOf(HWND window, std::vector<POINT> points) {
    std::vector<COLORREF> shown;
    driver::WaitFor([&] {
        shown.clear();
        HDC screen = GetDC(nullptr);
        for (POINT p : points) {
            ClientToScreen(window, &p);
            shown.push_back(GetPixel(screen, p.x, p.y));
        }
        ReleaseDC(nullptr, screen);
        return std::find(shown.begin(), shown.end(), 0) == shown.end();
    }, 3000);
    return shown;
}
// The title bar, the side menu and the settings panel.
std::vector<COLORREF> PanelsOf(HWND main) { return PixelsOf(main, {{10, 49}, {1, 120}, {132, 200}}); }
// The save-and-restore window's page panel and bottom strip.
std::vector<COLORREF> RestoreAreasOf(HWND restore) { return PixelsOf(restore, {{6, 64}, {300, 305}}); }

// The height of the description's first line: where its second line begins.
int FirstLineHeight(HWND box) {
    return HIWORD(driver::Ask(box, EM_POSFROMCHAR, driver::Ask(box, EM_LINEINDEX, 1))) -
           HIWORD(driver::Ask(box, EM_POSFROMCHAR, 0));
}

// The logo opens the version page and Esc closes the window, which opens again
// on that page; the arrow keys turn the pages, Enter presses General's apply
// button but not the customize page's. Opened from the compact window while
// the save-and-restore window exists, Red and a larger font reach all three
// windows at once.
TEST(OptionsWindow, KeysAndClicksActOnThePagesAndRedColoursEveryWindow) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND restore = app.OpenRestoreWindow();
    ASSERT_TRUE(restore);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(RestoreAreasOf(restore), std::vector<COLORREF>(2, face)) << "the default look is the button face";
    driver::Picture(restore, L"restore-default");
    const int lineHeight = FirstLineHeight(GetDlgItem(restore, kRestoreComment));
    driver::Press(restore, kBtnRestoreCancel);
    HWND options = OpenOptions(app, kImgAbout);
    ASSERT_TRUE(options);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKV))) << "the logo opens the version page";
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "the window is modal";
    driver::Picture(options, L"options-version");
    driver::PressKeyAt(GetDlgItem(options, kPgOption), VK_ESCAPE, 300);
    EXPECT_FALSE(IsWindowVisible(options)) << "Esc closes";
    EXPECT_TRUE(IsWindowEnabled(app.Main()));

    options = OpenOptions(app);
    ASSERT_TRUE(options);
    HWND tabs = GetDlgItem(options, kPgOption);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKV))) << "it opens on the page it showed last";
    driver::PressKeyAt(tabs, VK_ESCAPE, 300);
    driver::Press(app.Main(), kBtnCompact);
    HWND compact = driver::WaitForWindow(app.ProcessId(), L"TFrmCompact");
    ASSERT_TRUE(compact);
    driver::PressOpeningABox(compact, kBtnCompactVersion);
    ASSERT_TRUE(driver::WaitFor([&] { return IsWindowVisible(options) != FALSE; }));
    driver::Settle();
    for (UINT key : {VK_LEFT, VK_LEFT}) driver::PressKeyAt(tabs, key, 300);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKO)));
    driver::Picture(options, L"options-general");
    driver::PressKeyAt(tabs, VK_RETURN, 300);
    wchar_t fontSize[8] = L"";
    GetPrivateProfileStringW(L"環境設定", L"FontSize", L"", fontSize, 8, driver::PreferencesPath().c_str());
    EXPECT_STREQ(fontSize, L"10") << "Enter pressed the general page's apply button";
    EXPECT_TRUE(IsWindowVisible(options)) << "applying leaves the window open";
    Press(options, kRdFontG + 1);  // 大
    Press(options, kBtnOKO);

    for (UINT key : {VK_RIGHT, VK_RIGHT}) driver::PressKeyAt(tabs, key, 300);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(options, kBtnOKH))) << "the customize page stays hidden until asked for";
    Press(options, kBtnHidden);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKH)));
    Press(options, kRdStyleFirst + 6);  // Red
    driver::PressKeyAt(GetDlgItem(options, kRdStyleFirst + 6), VK_RETURN, 300);
    wchar_t style[8] = L"";
    GetPrivateProfileStringW(L"環境設定", L"ColorStyle", L"", style, 8, driver::PreferencesPath().c_str());
    EXPECT_STREQ(style, L"") << "Enter applies nothing on the customize page";
    Press(options, kBtnOKH);
    driver::Picture(options, L"options-customize-red");
    Press(options, kBtnCloseH);
    driver::Settle();
    const COLORREF red = RGB(240, 128, 128);
    EXPECT_EQ(PixelsOf(compact, {{1, 1}}), std::vector<COLORREF>{red}) << "the compact window";
    driver::Picture(compact, L"compact-red");
    driver::Press(compact, kBtnCompactRestore);
    EXPECT_EQ(PanelsOf(app.Main()), std::vector<COLORREF>(3, red));
    driver::Picture(app.Main(), L"main-red");
    restore = app.OpenRestoreWindow();
    EXPECT_EQ(RestoreAreasOf(restore), std::vector<COLORREF>(2, red)) << "the save-and-restore window";
    EXPECT_GT(FirstLineHeight(GetDlgItem(restore, kRestoreComment)), lineHeight) << "its description in 11 points";
    driver::Picture(restore, L"restore-red");
}

}  // namespace
}  // namespace brisko::ui
