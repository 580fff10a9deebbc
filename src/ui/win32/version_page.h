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
    bool OnCommand(int id, int code) override;
    int DefaultButton() const override;
    // The product's name in dark red and the links in blue, on the window's background.
    HBRUSH OnCtlColor(HWND control, HDC dc) override;
    bool IsLink(HWND control) const;

private:
    std::function<void()> revealCustomize_;
    Font productFont_, linkFont_;
    HWND product_ = nullptr;
};

}  // namespace brisko::ui
