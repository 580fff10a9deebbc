#include "engine/detect_os_edition.h"

namespace brisko {

void DetectOsEdition(ProgramContext& ctx) {
    const EditionClassification c = ClassifyOsEdition(ctx.platform.system.Version());
    ctx.os = c.edition;
    for (size_t cat = 0; cat < kSettingCategories.size(); ++cat) {
        auto& list = ctx.items.List(kSettingCategories[cat]);
        for (int number : c.disabledItems[cat])
            if (number >= 1 && static_cast<size_t>(number) <= list.size()) list[number - 1].enabled = false;
    }
    for (const auto& control : c.disabledControls) ctx.controls.SetEnabled(control, false);
}

}  // namespace brisko
