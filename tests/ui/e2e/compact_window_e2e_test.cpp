// The compact window end to end: the main window's compact and performance
// buttons, the strip, the live monitor and the way back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::Ask;
using driver::RunningBrisko;

int ClientHeight(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return r.bottom;
}

// What the monitor's figures show, from the processor's use to the send speed.
std::map<int, std::wstring> Figures(HWND compact) {
    std::map<int, std::wstring> shown;
    for (int id = kLblCPUUse; id <= kLblSendSpeed; ++id) shown[id] = driver::TextOf(GetDlgItem(compact, id));
    return shown;
}

// Performance mode shows figures that change with the machine, and keeps its
// choices when opened again; its strip button leaves the strip, whose restore
// button brings back the main window. On the strip, a hint and the raised edge
// go after a while under a still pointer, which then wakes nothing, and show
// again when the pointer moves; the next button shows its own.
// The tray button hides both; the icon brings back the main window, and so
// does starting the program again while it hides, instead of ending with
// nothing shown. The window's end button ends the program.
TEST(CompactWindow, MonitorStripHintsTrayAndTheWayBack) {
    RunningBrisko app;
    ASSERT_TRUE(app.Main());
    bool processorMissing = false;
    HWND compact = app.OpenPerformanceMode(&processorMissing);
    ASSERT_TRUE(compact);
    EXPECT_FALSE(IsWindowVisible(app.Main())) << "the window takes the main window's place";
    EXPECT_EQ(ClientHeight(compact), 397);
    HWND hd = GetDlgItem(compact, kCmbHDList);
    EXPECT_EQ(Ask(GetDlgItem(compact, kCmbCPUList), CB_GETCOUNT) > 0, !processorMissing);
    EXPECT_EQ(driver::TextOf(hd), L"C ドライブ") << "the first drive chosen";
    const auto first = Figures(compact);
    EXPECT_NE(first.at(kLblMemTotal).find(L" MB"), std::wstring::npos) << "filled at once";
    // A quarter of a gigabyte taken and touched here shows in the available
    // memory at the next refresh.
    std::vector<char> taken(256u << 20);
    for (size_t i = 0; i < taken.size(); i += 4096) taken[i] = 1;
    EXPECT_TRUE(driver::WaitFor([&] { return Figures(compact) != first; }, 2500)) << "nothing changed over two seconds";
    taken = {};
    driver::Picture(compact, L"performance-mode");
    // Opened again from the main window, the mode keeps the drive chosen (the
    // last, or with one drive none, which a refill would not keep either).
    const LRESULT drives = Ask(hd, CB_GETCOUNT), choice = drives > 1 ? drives - 1 : -1;
    Ask(hd, CB_SETCURSEL, static_cast<WPARAM>(choice));
    const std::wstring chosen = driver::TextOf(hd);
    driver::Press(compact, kBtnCompactRestore);
    driver::Press(app.Main(), kBtnPerformance);
    ASSERT_TRUE(driver::WaitFor([&] { return IsWindowVisible(compact) != FALSE; }));
    EXPECT_EQ(Ask(hd, CB_GETCURSEL), choice) << "of " << drives;
    EXPECT_EQ(driver::TextOf(hd), chosen);

    driver::Press(compact, kBtnCompactPerformance);
    EXPECT_EQ(ClientHeight(compact), 22);
    EXPECT_EQ(Ask(hd, CB_GETCOUNT), 0) << "the strip's lists are emptied";
    driver::Picture(compact, L"compact-mode", 800);
    auto hint = [&] {
        HWND tip = driver::WaitForWindow(app.ProcessId(), L"tooltips_class32", 0);
        return tip ? driver::TextOf(tip) : std::wstring();
    };
    auto pointAt = [&](int id, int dx) {
        RECT r{};
        GetWindowRect(GetDlgItem(compact, id), &r);
        SetCursorPos((r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2);
    };
    auto raised = [&](int id) {
        constexpr LRESULT kHot = 0x0200;  // BST_HOT
        return (Ask(GetDlgItem(compact, id), BM_GETSTATE) & kHot) != 0;
    };
    pointAt(kBtnCompactVersion, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return hint() == L"バージョン情報" && raised(kBtnCompactVersion); }, 3000));
    EXPECT_TRUE(driver::WaitFor([&] { return hint().empty() && !raised(kBtnCompactVersion); }, 9000))
        << "the hint or the edge stays";
    pointAt(kBtnCompactVersion, 2);
    EXPECT_TRUE(driver::WaitFor([&] { return hint() == L"バージョン情報" && raised(kBtnCompactVersion); }, 3000))
        << "nothing after a move";
    pointAt(kBtnCompactHelp, 0);
    EXPECT_TRUE(driver::WaitFor(
        [&] { return hint() == L"ヘルプ" && raised(kBtnCompactHelp) && !raised(kBtnCompactVersion); }, 3000));
    driver::Press(compact, kBtnCompactRestore);
    EXPECT_TRUE(IsWindowVisible(app.Main()));
    EXPECT_FALSE(IsWindowVisible(compact));

    for (bool secondCopy : {false, true}) {
        driver::Press(app.Main(), kBtnCompact);
        driver::Press(compact, kBtnCompactTray);
        ASSERT_FALSE(IsWindowVisible(compact) || IsWindowVisible(app.Main()));
        if (secondCopy) EXPECT_EQ(driver::RunSecondCopy(), 0u);
        else Ask(app.Main(), kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
        EXPECT_TRUE(driver::WaitFor([&] { return IsWindowVisible(app.Main()) != FALSE; }));
        EXPECT_FALSE(IsWindowVisible(compact));
    }
    EXPECT_EQ(driver::WindowsOfClass(L"TFrmMain").size(), 1u);
    driver::Press(compact, kBtnCompactClose);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(app.Main()); }));
}

}  // namespace
}  // namespace brisko::ui
