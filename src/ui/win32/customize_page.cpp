#include "ui/win32/customize_page.h"

#include <commdlg.h>
#include <imm.h>

#include <algorithm>

#include "platform/utilities.h"
#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "ui/options_ids.h"

namespace brisko::ui {

namespace {
const wchar_t* const kSwatchLabels[6] = {L"タイトルバー", L"メニューバー", L"設定パネル",
                                         L"オプション",   L"保存と復元",   L"コンパクトモード"};
constexpr int kTransparencyStep = 5;
}  // namespace

// No input method for a box of digits. imm32 is not among the DLLs Windows
// protects from a copy beside the program, so it is not imported but taken
// from the system folder (where user32 has loaded it already on a Japanese
// Windows).
static void SwitchInputMethodOff(HWND box) {
    using Associate = HIMC(WINAPI*)(HWND, HIMC);
    const win32::LoadedLibrary imm(win32::LoadSystemLibrary(L"imm32.dll"));
    if (!imm) return;
    if (auto associate =
            reinterpret_cast<Associate>(reinterpret_cast<void*>(GetProcAddress(imm.Get(), "ImmAssociateContext"))))
        associate(box, nullptr);
}

void CustomizePage::Create(const OptionsLayout& l) {
    AddGroup(L"■ メイン画面の透明度 (Windows 2000/XP only)", l.transparencyGroup);
    AddLabel(L"0", l.transparencyMin);
    HWND scroll = Add(L"SCROLLBAR", L"", SBS_HORZ | WS_TABSTOP, kScrTrans, l.transparencyScroll);
    SendMessageW(scroll, SBM_SETRANGE, 0, 255);
    AddLabel(L"255 (標準)", l.transparencyMax);
    HWND edit = Add(L"EDIT", L"", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, kEdtTrans, l.transparencyEdit, WS_EX_CLIENTEDGE);
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    SwitchInputMethodOff(edit);  // digits only
    AddGroup(L"■ カラースタイル", l.colourGroup);
    for (int i = 0; i < 11; ++i)
        Add(L"BUTTON", win32::Widen(kColourStyleCaptions[i]), BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), kRdStyleFirst + i,
            l.styleRadios[i]);
    for (int i = 0; i < 6; ++i) {
        Add(L"STATIC", L"", SS_NOTIFY | WS_GROUP, kPnlColorFirst + i, l.swatches[i], WS_EX_CLIENTEDGE);
        AddLabel(kSwatchLabels[i], l.swatchLabels[i]);
    }
    AddGroup(L"■ ページスタイル", l.pageStyleGroup);
    for (int i = 0; i < 3; ++i)
        Add(L"BUTTON", win32::Widen(kPageStyleCaptions[i]), BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), kRdTabs + i,
            l.pageStyleRadios[i]);
    Add(L"BUTTON", L"設定パネルのカテゴリタブを表示する", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, kChkShowTab, l.showTab);
    AddPictureButton(L"適用", kBtnOKH, l.apply);
    AddButton(L"閉じる", kBtnCloseH, l.close);
}

void CustomizePage::Load() {
    const Preferences prefs = PreferencesOf(host_.ctx);
    // Layered windows came with Windows 2000.
    if (host_.ctx.os.edition != "XP" && host_.ctx.os.edition != "2k")
        for (int id : {kScrTrans, kEdtTrans}) EnableWindow(Item(id), FALSE);
    Scroll(SB_THUMBPOSITION, host_.main.Alpha());
    SetChecked(kRdStyleFirst + static_cast<int>(ColourStyleIndex(prefs.Read(prefkey::kSettings, prefkey::kColorStyle))),
               true);
    const auto panels = host_.main.PanelColours();
    for (size_t i = 0; i < 3; ++i) SetSwatch(i, panels[i]);
    SetSwatch(kSubTarget, windowColour_());
    const int32_t face = ColourStyles()[kDefaultStyle].colours[0];
    SetSwatch(kRestoreTarget, prefs.Color(prefkey::kRestoreColor).value_or(face));
    SetSwatch(kCompactTarget, prefs.Color(prefkey::kCompactColor).value_or(face));
    SetChecked(kRdTabs + static_cast<int>(host_.main.PagesStyle()), true);
    SetChecked(kChkShowTab, prefs.ShowTab());
}

bool CustomizePage::IsSwatch(HWND control) const {
    const int id = GetDlgCtrlID(control);
    return id >= kPnlColorFirst && id < kPnlColorFirst + static_cast<int>(kColourTargets);
}

HBRUSH CustomizePage::OnCtlColor(HWND control, HDC /*dc*/) {
    return IsSwatch(control) ? brushes_[GetDlgCtrlID(control) - kPnlColorFirst].Get() : nullptr;
}

void CustomizePage::SetSwatch(size_t index, int32_t colour) {
    swatches_[index] = colour;
    brushes_[index].Reset(CreateSolidBrush(PaintColour(colour)));
    HWND swatch = Item(kPnlColorFirst + static_cast<int>(index));
    host_.tips.Add(swatch, win32::Widen(ColorToRgbText(static_cast<int32_t>(PaintColour(colour)))));
    InvalidateRect(swatch, nullptr, TRUE);
}

void CustomizePage::Scroll(int request, int thumb) {
    HWND scroll = Item(kScrTrans);
    int position = Position();
    switch (request) {
        case SB_LINELEFT: position -= 1; break;
        case SB_LINERIGHT: position += 1; break;
        case SB_PAGELEFT: position -= kTransparencyStep; break;
        case SB_PAGERIGHT: position += kTransparencyStep; break;
        case SB_LEFT: position = 0; break;
        case SB_RIGHT: position = 255; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = thumb; break;
        default: return;
    }
    position = std::clamp(position, 0, 255);
    SendMessageW(scroll, SBM_SETPOS, position, TRUE);
    settingText_ = true;
    SetWindowTextW(Item(kEdtTrans), win32::Widen(std::to_string(position)).c_str());
    settingText_ = false;
}

void CustomizePage::EdtTransChange() {
    if (settingText_) return;
    const std::string text = TextOf(kEdtTrans);
    const auto position = TransparencyFromText(text);
    if (!position) {
        host_.ctx.platform.prompts.Error("透明度には 0 から 255 までの値を入力してください。");
        Scroll(SB_THUMBPOSITION, Position());
        return;
    }
    if (text.empty()) {
        settingText_ = true;
        SetWindowTextW(Item(kEdtTrans), L"0");
        settingText_ = false;
    }
    SendMessageW(Item(kScrTrans), SBM_SETPOS, *position, TRUE);
}

size_t CustomizePage::SelectedStyle() const {
    for (size_t i = 0; i < ColourStyles().size(); ++i)
        if (Checked(kRdStyleFirst + static_cast<int>(i))) return i;
    return kDefaultStyle;
}

void CustomizePage::StyleSelected(size_t style) {
    if (style == kOptionalStyle) return;
    for (size_t i = 0; i < kColourTargets; ++i) SetSwatch(i, ColourStyles()[style].colours[i]);
}

void CustomizePage::SwatchClick(size_t index) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = host_.window;
    dialog.rgbResult = PaintColour(swatches_[index]);
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
    const auto choose = win32::SystemFunction<decltype(&ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
    if (!choose || !choose(&dialog)) return;
    SetSwatch(index, static_cast<int32_t>(dialog.rgbResult));
    for (size_t i = 0; i < ColourStyles().size(); ++i)
        SetChecked(kRdStyleFirst + static_cast<int>(i), i == kOptionalStyle);
}

bool CustomizePage::OnCommand(int id, int code) {
    if (id >= kRdStyleFirst && id < kRdStyleFirst + 11) {
        if (code == BN_CLICKED) StyleSelected(static_cast<size_t>(id - kRdStyleFirst));
        return true;
    }
    if (IsSwatch(Item(id))) {
        if (code == STN_CLICKED) SwatchClick(static_cast<size_t>(id - kPnlColorFirst));
        return true;
    }
    if (id == kEdtTrans) {
        if (code == EN_CHANGE) EdtTransChange();
        return true;
    }
    if (id != kBtnOKH || code != BN_CLICKED) return false;
    BtnOKHClick();
    return true;
}

int CustomizePage::Position() const { return static_cast<int>(SendMessageW(Item(kScrTrans), SBM_GETPOS, 0, 0)); }

void CustomizePage::BtnOKHClick() {
    Preferences prefs = PreferencesOf(host_.ctx);
    const int alpha = Position();
    host_.main.SetAlpha(alpha);
    if (alpha < 5) host_.ctx.platform.prompts.Inform("\r\n透明度を増やすか、タスクバーから「Brisko」を終了してください。");
    prefs.Write(prefkey::kSettings, prefkey::kTransparent, TextOf(kEdtTrans));

    const size_t style = SelectedStyle();
    if (ColoursToApply(prefs, style)) {
        host_.main.SetPanelColours({swatches_[kTitleTarget], swatches_[kMenuTarget], swatches_[kAccelTarget]});
        setWindowColour_(swatches_[kSubTarget]);
        host_.main.SetWindowColours(swatches_[kRestoreTarget], swatches_[kCompactTarget]);
        const auto panels = host_.main.PanelColours();
        StoreColours(prefs, style,
                     {panels[0], panels[1], panels[2], windowColour_(), swatches_[kRestoreTarget], swatches_[kCompactTarget]});
        refreshPageStyles_();
    }

    PageStyle pageStyle = PageStyle::Tabs;
    if (Checked(kRdFlatButtons)) pageStyle = PageStyle::FlatButtons;
    if (Checked(kRdButtons)) pageStyle = PageStyle::Buttons;
    const bool showTabs = Checked(kChkShowTab);
    host_.main.SetPagesStyle(pageStyle, showTabs);
    setOwnPageStyle_(pageStyle);
    prefs.Write(prefkey::kSettings, prefkey::kTabStyle, std::string(PageStyleText(pageStyle)));
    prefs.Write(prefkey::kSettings, prefkey::kShowTab, showTabs ? "True" : "False");
}

}  // namespace brisko::ui
