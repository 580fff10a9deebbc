// Glyphs for 256-colour displays: each pixel becomes the nearest of the
// sixteen standard colours, and the see-through magenta survives.
#include <gtest/gtest.h>

#include <windows.h>

#include "ui/win32/bitmap_cache.h"

namespace brisko::ui {
namespace {

TEST(BitmapCache, ReducesToTheNearestStandardColourAndKeepsTheKey) {
    const RGBQUAD source[4] = {{255, 0, 255, 0}, {10, 10, 250, 0}, {100, 100, 100, 0}, {200, 190, 185, 0}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, source, &info, DIB_RGB_COLORS);
    ASSERT_TRUE(bitmap);
    const Bitmap reduced = ReduceTo16Colours(bitmap);
    ASSERT_TRUE(reduced);
    BITMAP shape{};
    GetObjectW(reduced.Get(), sizeof shape, &shape);
    EXPECT_EQ(shape.bmBitsPixel, 4);
    EXPECT_EQ(shape.bmWidth, 4);
    RGBQUAD back[4] = {};
    ASSERT_EQ(GetDIBits(screen, reduced.Get(), 0, 1, back, &info, DIB_RGB_COLORS), 1);
    auto rgb = [](const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); };
    EXPECT_EQ(rgb(back[0]), RGB(255, 0, 255)) << "magenta stays see-through";
    EXPECT_EQ(rgb(back[1]), RGB(255, 0, 0)) << "a near red becomes red";
    EXPECT_EQ(rgb(back[2]), RGB(128, 128, 128));
    EXPECT_EQ(rgb(back[3]), RGB(192, 192, 192));
    EXPECT_FALSE(ReduceTo16Colours(nullptr));
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace brisko::ui
