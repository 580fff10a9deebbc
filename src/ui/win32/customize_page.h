#pragma once
// The options window's "カスタマイズ" page: transparency of the main
// window, colour styles with their six swatches, page style and category tabs.
#include <array>
#include <functional>

#include "ui/win32/options_page.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

class CustomizePage final : public OptionsPage {
public:
    // windowColour: the options window's own colour, read and set.
    CustomizePage(OptionsHost& host, std::function<int32_t()> windowColour, std::function<void(int32_t)> setWindowColour,
                  std::function<void(PageStyle)> setOwnPageStyle, std::function<void()> refreshPageStyles)
        : OptionsPage(host),
          windowColour_(std::move(windowColour)),
          setWindowColour_(std::move(setWindowColour)),
          setOwnPageStyle_(std::move(setOwnPageStyle)),
          refreshPageStyles_(std::move(refreshPageStyles)) {}
    void Create(const OptionsLayout& layout) override;
    void Load() override;
    bool OnCommand(int id, int code) override;  // Enter presses no button here
    // A swatch is painted in its colour.
    HBRUSH OnCtlColor(HWND control, HDC dc) override;
    bool IsSwatch(HWND control) const;
    void Scroll(int request, int thumb);

private:
    void SetSwatch(size_t index, int32_t colour);
    void SwatchClick(size_t index);
    void StyleSelected(size_t style);
    void EdtTransChange();
    void BtnOKHClick();
    size_t SelectedStyle() const;
    int Position() const;  // of the transparency scroll bar

    std::function<int32_t()> windowColour_;
    std::function<void(int32_t)> setWindowColour_;
    std::function<void(PageStyle)> setOwnPageStyle_;
    std::function<void()> refreshPageStyles_;
    TargetColours swatches_{};
    std::array<Brush, kColourTargets> brushes_;
    std::array<COLORREF, 16> customColours_{};
    bool settingText_ = false;
};

}  // namespace brisko::ui
