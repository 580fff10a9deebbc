// The options window end to end: opened from the side menu or the logo, its
// pages change the main window at once and store the preferences file that
// the next start reads.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ui/control_ids.h"
#include "ui/options_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

using driver::kAvailable;
using driver::kTicked;

const wchar_t* const kSettings = L"環境設定";

std::wstring Stored(const wchar_t* section, const wchar_t* key) {
    wchar_t value[256];
    GetPrivateProfileStringW(section, key, L"NULL", value, 256, driver::PreferencesPath().c_str());
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

bool Checked(HWND window, int id) { return SendMessageW(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// What the screen shows at a point of the window's client area.
COLORREF ScreenColour(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Client points of the title bar, the side menu and the settings panel that
// no control covers.
struct PanelColours {
    COLORREF title, menu, accel;
};
// Once the window has painted them: a window just shown may still show black.
PanelColours PanelsOf(HWND main) {
    PanelColours shown{};
    driver::WaitFor([&] {
        shown = {ScreenColour(main, 10, 49), ScreenColour(main, 1, 120), ScreenColour(main, 132, 200)};
        return shown.title && shown.menu && shown.accel;
    }, 3000);
    return shown;
}

HWND ShowCustomizePage(HWND options) {
    NextPage(options, 2);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnHidden))) << "the version page shows";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(options, kBtnOKH))) << "the customize page stays hidden until asked for";
    Press(options, kBtnHidden);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(options, kBtnOKH)));
    return options;
}

TEST_F(OptionsWindow, AllowingTheServicesPageMakesItsEntriesTickable) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    const int services = static_cast<int>(SendMessageW(app.Control(kListFirst + 5), LB_GETCOUNT, 0, 0));
    ASSERT_GT(services, 0) << "Wine lists services";
    EXPECT_FALSE(app.ItemState(5, 0) & kAvailable) << "the services page starts unavailable";

    HWND options = OpenOptions(app);
    ASSERT_TRUE(options);
    NextPage(options);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(options, kChcService)));
    EXPECT_TRUE(Checked(options, kChcService)) << "an absent key reads as disabled";
    Press(options, kChcService);
    Press(options, kBtnOKD);
    driver::Picture(options, L"options-disabling");
    Press(options, kBtnCloseOK);
    EXPECT_FALSE(IsWindowVisible(options));
    EXPECT_EQ(Stored(L"DisabledItem", L"Service"), L"false");

    app.Click(kBtnService);
    for (int i = 0; i < services; ++i) ASSERT_TRUE(app.ItemState(5, i) & kAvailable) << "entry " << i;
    const LPARAM before = app.ItemState(5, 0);
    app.PressSpace(5, 0);
    EXPECT_NE(app.ItemState(5, 0) & kTicked, before & kTicked) << "the entry can be ticked now";
    driver::Picture(app.Main(), L"options-services-allowed");
}

TEST_F(OptionsWindow, RedColoursTheThreeMainPanelsAndStoresEveryColourKey) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    HWND options = OpenOptions(app);
    ASSERT_TRUE(options);
    ShowCustomizePage(options);
    Press(options, kRdStyleFirst + 6);  // Red
    Press(options, kBtnOKH);
    driver::Picture(options, L"options-customize-red");
    Press(options, kBtnCloseH);
    driver::Settle();
    const COLORREF red = RGB(240, 128, 128);
    const PanelColours panels = PanelsOf(app.Main());
    EXPECT_EQ(std::tie(panels.title, panels.menu, panels.accel), std::tie(red, red, red));
    driver::Picture(app.Main(), L"main-red");
    EXPECT_EQ(Stored(kSettings, L"ColorStyle"), L"Red");
    for (const wchar_t* key :
         {L"TitleColor", L"MenuColor", L"AccelColor", L"SubColor", L"RestoreColor", L"CompactColor"})
        EXPECT_EQ(Stored(kSettings, key), L"$008080F0") << key;

    app.Close();
    RunningBrisko again;
    ASSERT_TRUE(again.Main());
    EXPECT_EQ(PanelsOf(again.Main()).menu, red) << "the next start applies the stored colours";
}

TEST_F(OptionsWindow, TheDefaultStyleWithNothingStoredWritesNothing) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    const PanelColours before = PanelsOf(app.Main());
    HWND options = OpenOptions(app);
    ASSERT_TRUE(options);
    ShowCustomizePage(options);
    EXPECT_TRUE(Checked(options, kRdStyleFirst)) << "the default style is selected";
    Press(options, kBtnOKH);
    Press(options, kBtnCloseH);
    for (const wchar_t* key :
         {L"ColorStyle", L"TitleColor", L"MenuColor", L"AccelColor", L"SubColor", L"RestoreColor", L"CompactColor"})
        EXPECT_EQ(Stored(kSettings, key), L"NULL") << key;
    const PanelColours after = PanelsOf(app.Main());
    EXPECT_EQ(std::tie(after.title, after.menu, after.accel), std::tie(before.title, before.menu, before.accel));
}

TEST_F(OptionsWindow, DisablingAnItemGreysItAtOnceAndAfterARestart) {
    {
        RunningBrisko app;
        ASSERT_TRUE(app.Main());
        ASSERT_TRUE(app.ItemState(0, 0) & kAvailable) << "System item 1 applies here";
        HWND options = OpenOptions(app);
        ASSERT_TRUE(options);
        NextPage(options);
        const std::wstring system2 = Stored(L"DisabledItem", L"System2");
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(options, kChcDisablingFirst + 1)) != FALSE, system2 != L"pre_true")
            << "an item the program disabled cannot be switched";
        Press(options, kChcDisablingFirst);
        Press(options, kBtnOKD);
        Press(options, kBtnCloseOK);
        EXPECT_FALSE(app.ItemState(0, 0) & kAvailable) << "greyed at once";
        driver::Picture(app.Main(), L"main-system1-disabled");
        EXPECT_EQ(Stored(L"DisabledItem", L"System1"), L"true");
        EXPECT_EQ(Stored(L"DisabledItem", L"System2"), system2) << "an untouched box keeps its key";
    }
    RunningBrisko again;
    ASSERT_TRUE(again.Main());
    const LPARAM state = again.ItemState(0, 0);
    EXPECT_FALSE(state & kAvailable) << "still greyed after a restart";
    again.PressSpace(0, 0);
    EXPECT_EQ(again.ItemState(0, 0), state) << "and it cannot be ticked";
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
    EXPECT_EQ(Stored(kSettings, L"FontSize"), L"10") << "Enter pressed the general page's apply button";
    EXPECT_TRUE(IsWindowVisible(options)) << "applying leaves the window open";
    Press(options, kBtnCloseO);
}

}  // namespace
}  // namespace brisko::ui
