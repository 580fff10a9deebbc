// Every window at a high DPI: run only when BRISKO_DPI names the DPI the
// session was started with (scripts/test_dpi). Each window opens scaled to it
// and fits the screen; the pictures are taken as dpi<N>-<window>.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

void ExpectOnScreen(HWND window, const std::wstring& name, int dpi) {
    RECT r{};
    ASSERT_TRUE(window && GetWindowRect(window, &r)) << "no window " << std::string(name.begin(), name.end());
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN))
        << std::string(name.begin(), name.end()) << ": " << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
    driver::Picture(window, L"dpi" + std::to_wstring(dpi) + L"-" + name);
}

TEST(HighDpi, EveryWindowOpensScaledAndFitsTheScreen) {
    const char* asked = std::getenv("BRISKO_DPI");
    if (!asked) GTEST_SKIP() << "BRISKO_DPI not set";
    const int dpi = std::atoi(asked);
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi) << "the session does not run at the DPI asked for";
    ReleaseDC(nullptr, screen);

    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    RECT client{};
    GetClientRect(app.Main(), &client);
    EXPECT_EQ(client.right, MulDiv(597, dpi, 96)) << "the main window's width scaled";
    ExpectOnScreen(app.Main(), L"main", dpi);
    for (auto [button, name] : {std::pair{kBtnUtility, L"utilities"}, std::pair{kBtnInfo, L"pc-info"}}) {
        app.Click(button);
        driver::Settle();
        ExpectOnScreen(app.Main(), name, dpi);
    }

    app.ClickOpeningABox(kBtnRestore);
    HWND restore = driver::WaitForWindow(app.ProcessId(), L"TFrmRestore");
    ExpectOnScreen(restore, L"restore", dpi);
    PostMessageW(restore, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return IsWindowEnabled(app.Main()) != FALSE; }));

    app.ClickOpeningABox(kBtnOption);
    HWND options = driver::WaitForDialog(app.ProcessId(), L"オプション");
    driver::Settle();
    ExpectOnScreen(options, L"options", dpi);
    PostMessageW(options, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return IsWindowEnabled(app.Main()) != FALSE; }));

    // The changes of the items ticked at start, or the plain question where nothing would change.
    app.ClickOpeningABox(kBtnAccelerate);
    HWND question = driver::WaitForWindow(app.ProcessId(), L"TFrmChanges", 3000);
    if (!question) question = driver::WaitForDialog(app.ProcessId(), L"確認");
    ExpectOnScreen(question, L"question", dpi);
    if (question) driver::Answer(question, IDNO);

    app.ClickOpeningABox(kBtnPerformance);
    HWND compact = driver::WaitForWindow(app.ProcessId(), L"TFrmCompact");
    if (HWND box = driver::WaitForWindow(app.ProcessId(), L"#32770", 1500)) {
        ExpectOnScreen(box, L"message-box", dpi);
        driver::Answer(box, IDOK);
    }
    ExpectOnScreen(compact, L"performance", dpi);
    driver::Press(compact, kBtnCompactPerformance);
    driver::Settle(800);
    ExpectOnScreen(compact, L"compact", dpi);
    driver::Press(compact, kBtnCompactClose);
}

}  // namespace
}  // namespace brisko::ui
