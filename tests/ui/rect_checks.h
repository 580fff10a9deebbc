#pragma once
// Rectangle relations the layout tests check.
#include "ui/main_layout.h"

namespace brisko::ui {

inline bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

inline bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace brisko::ui
