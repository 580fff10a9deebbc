#include "ui/win32/glyph_colours.h"

#include <vector>

namespace brisko::ui {

namespace {
constexpr RGBQUAD kStandardColours[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},   {0, 128, 128, 0}, {128, 0, 0, 0},   {128, 0, 128, 0},
    {128, 128, 0, 0},   {192, 192, 192, 0}, {128, 128, 128, 0}, {0, 0, 255, 0}, {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0}, {255, 255, 255, 0}};

int Nearest(const RGBQUAD& c) {
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const int dr = c.rgbRed - kStandardColours[i].rgbRed, dg = c.rgbGreen - kStandardColours[i].rgbGreen,
                  db = c.rgbBlue - kStandardColours[i].rgbBlue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
}
}  // namespace

HBITMAP ReduceTo16Colours(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return nullptr;
    const int w = info.bmWidth, h = info.bmHeight;
    // Read the pixels as 32-bit, top row first.
    BITMAPINFO read{};
    read.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> pixels(static_cast<size_t>(w) * h);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, h, pixels.data(), &read, DIB_RGB_COLORS);
    HBITMAP reduced = nullptr;
    if (rows == h) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[16];
        } out{};
        out.header = {sizeof(BITMAPINFOHEADER), w, -h, 1, 4, BI_RGB, 0, 0, 0, 16, 0};
        for (int i = 0; i < 16; ++i) out.colours[i] = kStandardColours[i];
        void* bits = nullptr;
        reduced = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS, &bits, nullptr, 0);
        if (reduced && bits) {
            const int stride = ((w * 4 + 31) / 32) * 4;
            auto* bytes = static_cast<unsigned char*>(bits);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const int index = Nearest(pixels[static_cast<size_t>(y) * w + x]);
                    unsigned char& b = bytes[y * stride + x / 2];
                    b = (x % 2) ? static_cast<unsigned char>((b & 0xF0) | index)
                                : static_cast<unsigned char>((b & 0x0F) | (index << 4));
                }
        }
    }
    ReleaseDC(nullptr, screen);
    return reduced;
}

bool ScreenHasFewColours() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits <= 8;
}

}  // namespace brisko::ui
