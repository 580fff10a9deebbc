#include "ui/win32/bitmap_cache.h"

#include <vector>

#include "platform/win32/wide.h"

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

HBITMAP BitmapCache::Get(const std::string& name) {
    Bitmap& slot = loaded_[name];
    if (!slot)
        slot.Reset(static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), win32::Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    return slot.Get();
}

HBITMAP BitmapCache::ForScreen(const std::string& name) {
    if (!fewColours_) fewColours_ = ScreenHasFewColours();
    if (!*fewColours_) return Get(name);
    Bitmap& slot = reduced_[name];
    if (!slot) slot = ReduceTo16Colours(Get(name));
    return slot ? slot.Get() : Get(name);
}

Bitmap ReduceTo16Colours(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
    const int w = info.bmWidth, h = info.bmHeight;
    // Read the pixels as 32-bit, top row first.
    BITMAPINFO read{};
    read.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> pixels(static_cast<size_t>(w) * h);
    const WindowDc screen;
    const int rows = GetDIBits(screen, bitmap, 0, h, pixels.data(), &read, DIB_RGB_COLORS);
    Bitmap reduced;
    if (rows == h) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[16];
        } out{};
        out.header = {sizeof(BITMAPINFOHEADER), w, -h, 1, 4, BI_RGB, 0, 0, 0, 16, 0};
        for (int i = 0; i < 16; ++i) out.colours[i] = kStandardColours[i];
        void* bits = nullptr;
        reduced.Reset(CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS, &bits, nullptr, 0));
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
    return reduced;
}

bool ScreenHasFewColours() {
    const WindowDc screen;
    return GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) <= 8;
}

}  // namespace brisko::ui
