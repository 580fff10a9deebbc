#include "ui/win32/disabling_page.h"

#include "platform/win32/wide.h"
#include "prefs/disabling_choices.h"
#include "startup/item_enabling.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "ui/options_ids.h"

namespace brisko::ui {

namespace {
// Rows of the page and how many boxes each holds, in key order.
struct Row {
    const wchar_t* label;
    int boxes;
};
constexpr Row kRows[8] = {{L"■ システム", 10},     {L"■ デスクトップ", 10}, {L"■ エクスプローラ", 10},
                          {L"■ 起動・終了", 10},   {L"■ その他", 10},       {L"■ サービス", 1},
                          {L"■ ユーティリティ", 10}, {L"■ パソコン情報", 3}};
}  // namespace

void DisablingPage::Create(const OptionsLayout& l) {
    AddLabel(L"安全や管理上の理由から、設定不可とする項目を指定します。", l.disablingNote);
    AddGroup(L"■ 無効にする設定項目", l.disablingGroup);
    int id = kChcDisablingFirst;
    for (int r = 0; r < 8; ++r) {
        AddLabel(kRows[r].label, l.rowLabels[r]);
        for (int b = 0; b < kRows[r].boxes; ++b, ++id)
            Add(L"BUTTON", r == 5 ? L"(全ての項目)" : win32::Widen(std::to_string(b + 1)), BS_AUTOCHECKBOX | WS_TABSTOP, id,
                l.rowBoxes[r][b]);
    }
    AddPictureButton(L"適用", kBtnOKD, l.apply);
    AddButton(L"閉じる", kBtnCloseOK, l.close);
}

void DisablingPage::Load() {
    const Preferences prefs = PreferencesOf(host_.ctx);
    const auto& keys = DisablingKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
        const DisablingBox box = DisablingBoxOf(keys[i], prefs.Read(prefkey::kDisabledItem, keys[i]));
        const int id = kChcDisablingFirst + static_cast<int>(i);
        SetChecked(id, box.ticked);
        EnableWindow(Item(id), box.enabled);
    }
    // Windows 95, 98 and Me have no services to switch.
    if (host_.ctx.os.family == "9x") EnableWindow(Item(kChcService), FALSE);
}

bool DisablingPage::OnCommand(int id, int code) {
    if (id != kBtnOKD || code != BN_CLICKED) return false;
    BtnOKDClick();
    return true;
}

void DisablingPage::BtnOKDClick() {
    std::vector<DisablingBox> boxes;
    for (size_t i = 0; i < DisablingKeys().size(); ++i) {
        const int id = kChcDisablingFirst + static_cast<int>(i);
        boxes.push_back({Checked(id), IsWindowEnabled(Item(id)) != FALSE});
    }
    Preferences prefs = PreferencesOf(host_.ctx);
    StoreDisablingBoxes(prefs, boxes);
    ApplyDisabledItems(host_.ctx);
    host_.main.ItemAvailabilityChanged();
}

}  // namespace brisko::ui
