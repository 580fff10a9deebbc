#pragma once
// The options window's "設定項目の無効化" page: one box per item, the
// services page, each utilities button and PC information box; a ticked box
// makes its element unavailable.
#include "ui/win32/options_page.h"

namespace brisko::ui {

class DisablingPage final : public OptionsPage {
public:
    using OptionsPage::OptionsPage;
    void Create(const OptionsLayout& layout) override;
    void Load() override;
    bool OnCommand(int id, int code) override;  // Enter presses no button here

private:
    void BtnOKDClick();
};

}  // namespace brisko::ui
