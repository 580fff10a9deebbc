// The options window end to end: opened from the side menu or the logo, its
// pages change the main window at once and the next start alike. What they
// store is checked on the host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "ui/options_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kSettings = L"環境設定";

std::wstring Stored(const wchar_t* key) {
    wchar_t value[256];
    GetPrivateProfileStringW(kSettings, key, L"NULL", value, 256, driver::PreferencesPath().c_str());
    return value;
}

// Each test starts from the preferences file as it found it and leaves it so.
class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // No stored appearance: the colours start as the program draws them by default.
        for (const wchar_t* key : {L"ColorStyle", L"TitleColor", L"MenuColor", L"AccelColor", L"SubColor",
                                   L"RestoreColor", L"CompactColor", L"Transparent", L"TabStyle", L"ShowTab"})
            WritePrivateProfileStringW(kSettings, key, nullptr, driver::PreferencesPath().c_str());
    }
    driver::KeptPreferences kept_;
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

// Moves along the tab row with the arrow key, as a user does.
void NextPage(HWND window, int times = 1) {
    for (int i = 0; i < times; ++i) Key(GetDlgItem(window, kPgOption), VK_RIGHT);
}

// What the screen shows at a point of the window's client area.
COLORREF ScreenColour(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Client points of the title bar, the side menu and the settings panel that no
// control covers, once the window has painted them (a window just shown may
// still show black).
std::vector<COLORREF> PanelsOf(HWND main) {
    std::vector<COLORREF> shown;
    driver::WaitFor([&] {
        shown = {ScreenColour(main, 10, 49), ScreenColour(main, 1, 120), ScreenColour(main, 132, 200)};
        return shown[0] && shown[1] && shown[2];
    }, 3000);
    return shown;
}

TEST_F(OptionsWindow, RedColoursTheThreeMainPanelsNowAndAtTheNextStart) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND options = OpenOptions(app);
    ASSERT_TRUE(options);
    NextPage(options, 2);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(options, kBtnOKH))) << "the customize page stays hidden until asked for";
    Press(options, kBtnHidden);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKH)));
    Press(options, kRdStyleFirst + 6);  // Red
    Press(options, kBtnOKH);
    driver::Picture(options, L"options-customize-red");
    Press(options, kBtnCloseH);
    driver::Settle();
    const std::vector<COLORREF> red(3, RGB(240, 128, 128));
    EXPECT_EQ(PanelsOf(app.Main()), red);
    driver::Picture(app.Main(), L"main-red");
    app.Close();
    RunningBrisko again;
    ASSERT_TRUE(again.Main());
    EXPECT_EQ(PanelsOf(again.Main()), red) << "the next start applies the stored colours";
}

TEST_F(OptionsWindow, LogoOpensTheVersionPageAndKeysActOnTheButtons) {
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
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKV))) << "it opens on the page it showed last";
    for (int i = 0; i < 2; ++i) Key(GetDlgItem(options, kPgOption), VK_LEFT);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKO)));
    driver::Picture(options, L"options-general");
    Key(GetDlgItem(options, kPgOption), VK_RETURN);
    EXPECT_EQ(Stored(L"FontSize"), L"10") << "Enter pressed the general page's apply button";
    EXPECT_TRUE(IsWindowVisible(options)) << "applying leaves the window open";
    Press(options, kBtnCloseO);
}

}  // namespace
}  // namespace brisko::ui
