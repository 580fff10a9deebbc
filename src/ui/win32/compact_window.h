#pragma once
// The compact window (class "TFrmCompact"): a small borderless strip that
// stands in for the main window, or, in performance mode, the same window
// opened to the live monitor refreshed once a second. Its buttons act
// through the main window's own.
#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <string>

#include "engine/program_context.h"
#include "monitor/figures.h"
#include "monitor/monitor.h"
#include "monitor/win32/win32_performance_source.h"
#include "ui/control_ids.h"
#include "ui/win32/bitmap_cache.h"
#include "ui/win32/dpi.h"
#include "ui/win32/glyph_button.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/window.h"

namespace brisko::ui {

class CompactWindow final : public Window {
public:
    CompactWindow(ProgramContext& ctx, HWND mainWindow, BitmapCache& bitmaps);
    ~CompactWindow() override;
    // Takes the main window's place in compact or performance mode. Already
    // in that mode, it shows again as it was, its lists and choices kept.
    void Open(bool performance);
    // The background, from a stored colour; redrawn at once.
    void SetColour(int32_t colour);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;

private:
    void Create();
    void FormCreate();
    void CreateControls();
    void LoadBitmaps();
    void DrawItem(const DRAWITEMSTRUCT& item);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    void SizeClient(int width, int height);
    void ShowModeControls();
    void PressMain(int id);

    void FormMouseDown();
    void BtnCompactClick();
    void BtnPerformanceClick();
    void BtnTrayClick();
    void BtnMinimumClick();
    void CmbNICListCloseUp();
    void SetSampling(bool on);
    void FillMonitorLists();
    // Replaces a choice list with an editable one reading "未対応", or back.
    void MakeList(int id, bool unsupported);
    void UpdateMonitor();
    void ReportProcessorError();
    void SetLabel(int id, const monitor::Label& text);
    void SetBar(int id, int value);
    void ShowAmount(int total, int free, int use, int bar, const monitor::Amount& amount);

    ProgramContext& ctx_;
    HWND main_;
    Dpi dpi_;
    win32::Win32PerformanceSource source_;
    monitor::Monitor monitor_;
    bool performance_ = false;  // BtnPerformance is down
    bool modeSet_ = false;      // a mode has been switched to since creation
    char separator_ = ',';      // the locale's thousands separator
    bool placed_ = false;
    bool sampling_ = false;
    const char* processorError_ = nullptr;  // a failed processor sample not yet told
    std::map<int, bool> unsupported_;  // lists that read "未対応"
    BitmapCache& bitmaps_;
    Font font_;
    COLORREF colour_ = 0;
    Brush background_;
    std::map<int, ButtonLook> looks_;
    std::unique_ptr<Tooltips> tips_;
    // What each value label and bar shows, so that a refresh only touches
    // what changed.
    std::array<monitor::Label, kLblSendSpeed - kLblCPUUse + 1> shown_{};
    std::array<int, kPrgHDUse - kPrgCPUUse + 1> bars_{};
};

}  // namespace brisko::ui
