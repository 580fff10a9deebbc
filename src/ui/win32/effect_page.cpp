#include "ui/win32/effect_page.h"

#include <vector>

#include "backup/effect_report.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

namespace {
constexpr int kControls[] = {kEffectPanel, kEffectChart, kEffectTable, kEffectSentence};
constexpr wchar_t kChartProperty[] = L"Brisko.EffectPage";
constexpr int kSentenceMargin = 8;  // design pixels around the sentence
constexpr int kHintWidth = 420;     // a hint's lines are broken no wider (design pixels)

// The series in the legend's order (to the desktop, after it, shutdown), and
// the change markers: hues that stand out on every colour style's panel.
constexpr COLORREF kSeries[3] = {RGB(40, 90, 170), RGB(120, 170, 230), RGB(230, 120, 20)};
constexpr COLORREF kMarker = RGB(200, 30, 30);

bool IsDark(COLORREF c) { return GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114 < 128000; }

// A colour `percent` of the way from one to another.
COLORREF Mix(COLORREF from, COLORREF to, int percent) {
    auto part = [&](int a, int b) { return static_cast<BYTE>(a + (b - a) * percent / 100); };
    return RGB(part(GetRValue(from), GetRValue(to)), part(GetGValue(from), GetGValue(to)),
               part(GetBValue(from), GetBValue(to)));
}

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

std::wstring Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    return win32::Widen(text);
}

bool Within(int v, int from, int to) { return v >= from && v < to; }
}  // namespace

void EffectPage::Create() {
    MakeChild(host_.window, L"STATIC", L"", WS_CLIPSIBLINGS, kEffectPanel, host_.font);
    HWND chart = MakeChild(host_.window, L"STATIC", L"", SS_OWNERDRAW | SS_NOTIFY, kEffectChart, host_.font);
    chartProc_ = Subclass(chart, kChartProperty, this, &EffectPage::ChartProc);
    MakeChild(host_.window, L"EDIT", L"",
              WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL, kEffectTable,
              host_.font, WS_EX_CLIENTEDGE);
    MakeChild(host_.window, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kEffectSentence, host_.font);
    tips_ = std::make_unique<Tooltips>(host_.window);
    tips_->AllowLines(host_.dpi(kHintWidth));
    tips_->Add(chart, L"");
}

void EffectPage::Place(const RestoreLayout& l) {
    area_ = l.effect;
    ::brisko::ui::Place(Item(kEffectPanel), host_.dpi.Of(area_));
    const int m = kSentenceMargin;
    ::brisko::ui::Place(Item(kEffectSentence),
                        host_.dpi.Of({area_.left + m, area_.top + m, area_.width - 2 * m, area_.height - 2 * m}));
    if (shown_) LayOut();
}

bool EffectPage::Owns(HWND control) const {
    for (int id : kControls)
        if (control == Item(id)) return true;
    return false;
}

void EffectPage::Show(bool shown) {
    shown_ = shown;
    if (shown) Load();
    ShowParts();
}

void EffectPage::ShowParts() {
    const bool chart = shown_ && figures_.HasRecords();
    ShowWindow(Item(kEffectPanel), shown_ ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(kEffectChart), chart ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(kEffectTable), chart ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(kEffectSentence), shown_ && !chart ? SW_SHOW : SW_HIDE);
    // The page stands where the description box is; the other pages have it back.
    ShowWindow(Item(kRestoreComment), shown_ ? SW_HIDE : SW_SHOW);
}

void EffectPage::Load() {
    figures_ = ReadEffectFigures(host_.ctx);
    hint_.clear();
    SetWindowTextW(Item(kEffectSentence), win32::Widen(figures_.why).c_str());
    SetWindowTextW(Item(kEffectTable), figures_.HasRecords() ? Joined(EffectReportLines(figures_)).c_str() : L"");
    LayOut();
}

void EffectPage::LayOut() {
    if (!figures_.HasRecords()) return;
    WindowDc dc(host_.window);
    Selection font(dc, host_.font);
    auto extent = [&dc](std::string_view text) {
        const std::wstring wide = win32::Widen(std::string(text));
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size;
    };
    const TextWidthOf width = [&extent](std::string_view text) { return static_cast<int>(extent(text).cx); };
    // A line: as high as a Japanese text and a Latin one with descenders stand.
    const int lineHeight = static_cast<int>(extent("起動 Qgj").cy);
    layout_ = LayOutEffectChart(figures_, area_, host_.dpi.Value(), width, lineHeight);
    ::brisko::ui::Place(Item(kEffectChart), ToRect(layout_.chart));
    ::brisko::ui::Place(Item(kEffectTable), ToRect(layout_.table));
    InvalidateRect(Item(kEffectChart), nullptr, FALSE);
}

bool EffectPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != Item(kEffectChart)) return false;
    const RECT& r = item.rcItem;
    // Drawn whole off the screen first, so a redraw does not flicker.
    MemoryDc memory(item.hDC);
    Bitmap picture(CreateCompatibleBitmap(item.hDC, r.right - r.left, r.bottom - r.top));
    {
        Selection into(memory, picture.Get());
        Draw(memory, r);
        BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    }
    return true;
}

void EffectPage::Draw(HDC dc, const RECT& client) const {
    const COLORREF back = host_.panelColour;
    const COLORREF text = IsDark(back) ? RGB(255, 255, 255) : RGB(0, 0, 0);
    FillRect(dc, &client, host_.panelBrush.Get());
    // The layout is in the window's pixels; the chart control stands at its chart.
    const int dx = -layout_.chart.left, dy = -layout_.chart.top;
    auto at = [&](const Rect& r) { return RECT{r.left + dx, r.top + dy, r.right() + dx, r.bottom() + dy}; };
    const Brush grid(CreateSolidBrush(Mix(back, text, 20))), axis(CreateSolidBrush(Mix(back, text, 60)));
    const Brush series[3] = {Brush(CreateSolidBrush(kSeries[0])), Brush(CreateSolidBrush(kSeries[1])),
                             Brush(CreateSolidBrush(kSeries[2]))};
    const Brush marker(CreateSolidBrush(kMarker));
    auto fill = [&](const Rect& r, const Brush& brush) {
        const RECT device = at(r);
        FillRect(dc, &device, brush.Get());
    };

    for (const Rect& line : layout_.gridLines) fill(line, grid);
    const Rect& p = layout_.plot;
    fill({p.left, p.top, 1, p.height}, axis);
    fill({p.left, p.bottom() - 1, p.width, 1}, axis);
    for (const StartBars& bar : layout_.bars) {
        fill(bar.mainPath, series[0]);
        fill(bar.postBoot, series[1]);
        if (bar.shutdown) fill(*bar.shutdown, series[2]);
    }
    for (const ChangeMarker& m : layout_.markers) fill(m.line, marker);
    for (size_t i = 0; i < layout_.swatches.size() && i < 3; ++i) fill(layout_.swatches[i], series[i]);

    Selection font(dc, host_.font);
    SetBkMode(dc, TRANSPARENT);
    auto write = [&](const ChartLabel& label, UINT align, COLORREF colour) {
        RECT device = at(label.bounds);
        SetTextColor(dc, colour);
        DrawTextW(dc, win32::Widen(label.text).c_str(), -1, &device, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | align);
    };
    for (const ChartLabel& label : layout_.legend) write(label, DT_LEFT, text);
    for (const ChartLabel& label : layout_.valueLabels) write(label, DT_RIGHT, text);
    for (const ChartLabel& label : layout_.timeLabels) write(label, DT_CENTER, text);
    for (const ChangeMarker& m : layout_.markers)
        if (m.number) write(*m.number, DT_CENTER, IsDark(back) ? Mix(kMarker, text, 50) : kMarker);
}

std::wstring EffectPage::HintAt(int x, int y) const {
    const int px = x + layout_.chart.left, py = y + layout_.chart.top;
    const Rect& p = layout_.plot;
    const int reach = host_.dpi(2);
    // A change's marker, or its number above the plot: the change's lines.
    for (const ChangeMarker& m : layout_.markers) {
        const bool onLine = Within(px, m.line.left - reach, m.line.right() + reach) && Within(py, p.top, p.bottom());
        const bool onNumber = m.number && Within(px, m.number->bounds.left, m.number->bounds.right()) &&
                              Within(py, m.number->bounds.top, m.number->bounds.bottom());
        if ((onLine || onNumber) && m.change < figures_.changes.size())
            return Joined(ChangeLines(figures_.changes[m.change], m.change + 1));
    }
    if (!Within(py, p.top, p.bottom())) return L"";
    const auto start = StartAt(layout_, px);
    return start && *start < figures_.starts.size() ? win32::Widen(StartTooltip(figures_.starts[*start])) : L"";
}

LRESULT CALLBACK EffectPage::ChartProc(HWND chart, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<EffectPage*>(GetPropW(chart, kChartProperty));
    const WNDPROC proc = self->chartProc_;
    if (message == WM_MOUSEMOVE) {
        const std::wstring hint = self->HintAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (hint != self->hint_) {
            self->hint_ = hint;
            self->tips_->SetText(chart, hint);
        }
    }
    if (message == WM_NCDESTROY) Unsubclass(chart, kChartProperty, proc);
    return CallWindowProcW(proc, chart, message, wParam, lParam);
}

HBRUSH EffectPage::OnCtlColor(HWND control, HDC dc) {
    if (control == Item(kEffectTable)) return nullptr;
    SetTextColor(dc, IsDark(host_.panelColour) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    return host_.OnPanel(dc);
}

}  // namespace brisko::ui
