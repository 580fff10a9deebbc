#pragma once
// Checks the layout tests share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/main_layout.h"

namespace brisko::ui {

inline bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}
inline bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Every part stands inside the area and no two parts overlap. Neighbouring
// buttons share their one-pixel border, so a part's last row and column may
// lie on its neighbour or the area's edge.
inline void ExpectFitted(const Rect& area, const std::vector<Rect>& parts, const std::string& what) {
    auto body = [](const Rect& r) { return Rect{r.left, r.top, r.width - 1, r.height - 1}; };
    for (size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(Inside(body(parts[i]), area)) << what << ": part " << i;
        for (size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(Overlap(body(parts[i]), body(parts[j]))) << what << ": parts " << i << " and " << j;
    }
}

}  // namespace brisko::ui
