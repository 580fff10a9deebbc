#pragma once
// The options window's "バージョン情報" page: product, version, links to the
// help that ships with the program, and the button that reveals the
// customize page.
#include <functional>

#include "ui/win32/options_page.h"
#include "ui/win32/scoped_gdi.h"

namespace brisko::ui {

class VersionPage final : public OptionsPage {
public:
    VersionPage(OptionsHost& host, std::function<void()> revealCustomize)
        : OptionsPage(host), revealCustomize_(std::move(revealCustomize)) {}
    void Create(const OptionsLayout& layout) override;
    void Load() override {}
    bool Command(int id, int code) override;
    int DefaultButton() const override;
    // Colours of its labels; nullptr for the window's own.
    bool IsLink(HWND control) const;
    bool ColourLabel(HWND control, HDC dc) const;

private:
    std::function<void()> revealCustomize_;
    Font productFont_, linkFont_;
    HWND product_ = nullptr;
};

}  // namespace brisko::ui
