#include "ui/restore_layout.h"

namespace brisko::ui {

RestoreLayout LayOutRestoreWindow(const Rect& panel) {
    auto at = [&](int left, int top, int width, int height) {
        return Rect{panel.left + left, panel.top + top, width, height};
    };
    RestoreLayout l;
    l.pages = {0, 0, kRestoreClientWidth, 104};
    l.panel = panel;
    // Labels reach to the next control on their right, so no caption is cut short.
    l.page.heading = at(5, 6, 226, 14);
    l.page.backupButton = at(12, 26, 41, 41);
    l.page.backupLabel = at(65, 40, 236 - 65 - 2, 14);
    l.page.restoreButton = at(236, 26, 41, 41);
    l.page.restoreLabel = at(289, 40, 400 - 289 - 1, 14);
    l.page.picture = at(400, 3, 32, 32);
    l.history.heading = at(5, 4, 300, 14);
    l.history.list = at(5, 20, 300, panel.height - 24);
    l.history.restoreButton = at(312, 20, panel.width - 312 - 6, 25);
    l.comment = {0, 104, kRestoreClientWidth, 185};
    l.effect = {panel.left, panel.top, panel.width, l.comment.bottom() - panel.top};
    l.close = {369, 292, 73, 25};
    l.planSave = {2, 292, 124, 25};
    l.planLoad = {130, 292, 124, 25};
    return l;
}

}  // namespace brisko::ui
