// Every window at the DPI BRISKO_DPI names (scripts/test_dpi starts the session
// so): each opens scaled and fits the screen; pictured as dpi<N>-<window>.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

void ExpectOnScreen(HWND w, const std::wstring& name, int dpi) {
    RECT r{};
    ASSERT_TRUE(w && GetWindowRect(w, &r)) << "no window " << name;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN)) << name << " " << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
    driver::Picture(w, L"dpi" + std::to_wstring(dpi) + L"-" + name);
}

TEST(HighDpi, EveryWindowOpensScaledAndFitsTheScreen) {
    if (!std::getenv("BRISKO_DPI")) GTEST_SKIP() << "BRISKO_DPI not set";
    const int dpi = std::atoi(std::getenv("BRISKO_DPI"));
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi) << "the session runs at another DPI";
    ReleaseDC(nullptr, screen);
    driver::RunningBrisko app;
    ASSERT_TRUE(app.Main());
    RECT client{};
    GetClientRect(app.Main(), &client);
    EXPECT_EQ(client.right, MulDiv(597, dpi, 96));
    for (auto [button, name] : {std::pair{kBtnSystem, L"main"}, {kBtnUtility, L"utilities"}, {kBtnInfo, L"pc-info"}}) {
        app.Click(button);
        ExpectOnScreen(app.Main(), name, dpi);
    }
    // The windows that close by WM_CLOSE or by いいえ; the question is the list of
    // changes, or a plain one where nothing would change.
    auto open = [&](int button, const wchar_t* cls, const wchar_t* caption, const wchar_t* name) {
        app.ClickOpeningABox(button);
        HWND w = cls ? driver::WaitForWindow(app.ProcessId(), cls, 3000) : nullptr;
        if (!w) w = driver::WaitForDialog(app.ProcessId(), caption);
        driver::Settle();
        ExpectOnScreen(w, name, dpi);
        if (button == kBtnAccelerate) driver::Answer(w, IDNO);
        else PostMessageW(w, WM_CLOSE, 0, 0);
        EXPECT_TRUE(driver::WaitFor([&] { return IsWindowEnabled(app.Main()) != FALSE; }));
    };
    open(kBtnRestore, L"TFrmRestore", L"", L"restore");
    open(kBtnOption, nullptr, L"オプション", L"options");
    open(kBtnAccelerate, L"TFrmChanges", L"確認", L"question");
    app.ClickOpeningABox(kBtnPerformance);
    HWND compact = driver::WaitForWindow(app.ProcessId(), L"TFrmCompact");
    if (HWND box = driver::WaitForWindow(app.ProcessId(), L"#32770", 1500)) driver::Answer(box, IDOK);
    driver::Settle(800);
    ExpectOnScreen(compact, L"performance", dpi);
    driver::Press(compact, kBtnCompactPerformance);
    driver::Settle(800);
    ExpectOnScreen(compact, L"compact", dpi);
    driver::Press(compact, kBtnCompactClose);
}

}  // namespace
}  // namespace brisko::ui
