#pragma once
// The save-and-restore window's "効果" page: Windows' own start and shutdown
// times as a chart, with a marker at each change of the history, and below it
// the table of each change's before and after and of what slowed the starts.
// The figures are read when the page is shown; where this Windows keeps no
// such records, one sentence says so and nothing else shows. The page takes
// the place of the description box while it shows.
#include <windows.h>

#include <memory>
#include <string>

#include "backup/effect_figures.h"
#include "ui/effect_chart_layout.h"
#include "ui/win32/restore_page.h"
#include "ui/win32/tooltips.h"

namespace brisko::ui {

class EffectPage final : public RestorePage {
public:
    explicit EffectPage(const RestorePageHost& host) : RestorePage(host) {}

    const wchar_t* Caption() const override { return L"効果"; }
    void Create() override;
    void Place(const RestoreLayout& layout) override;
    bool Owns(HWND control) const override;
    // Shown: the records and the history are read again.
    void Show(bool shown) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // The panel and the sentence take the panel's colour; the table keeps its own.
    HBRUSH OnCtlColor(HWND control, HDC dc) override;

private:
    void Load();
    // The chart laid out again for the figures and the page's place.
    void LayOut();
    void ShowParts();
    void Draw(HDC dc, const RECT& client) const;
    // The hint for a point of the chart, in the chart's own pixels.
    std::wstring HintAt(int x, int y) const;
    static LRESULT CALLBACK ChartProc(HWND chart, UINT message, WPARAM wParam, LPARAM lParam);

    bool shown_ = false;
    Rect area_{};  // the page's place, in design pixels
    EffectFigures figures_;
    EffectChartLayout layout_{};
    std::unique_ptr<Tooltips> tips_;
    std::wstring hint_;
    WNDPROC chartProc_ = nullptr;
};

}  // namespace brisko::ui
