#pragma once
// The options window's "全般" page: description font size, message options,
// automatic backup and the paths of the setup and boot files.
#include "ui/win32/options_page.h"

namespace brisko::ui {

class GeneralPage final : public OptionsPage {
public:
    using OptionsPage::OptionsPage;
    void Create(const OptionsLayout& layout) override;
    void Load() override;
    bool OnCommand(int id, int code) override;
    int DefaultButton() const override;

private:
    void BtnOKOClick();
    void BrowseClick(int labelId, int editId);
};

}  // namespace brisko::ui
