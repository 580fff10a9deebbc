#pragma once
// Design pixels (96 DPI) to device pixels at a screen's DPI, and which of the
// drawn sizes of a picture a DPI takes. Pure arithmetic, so every layout can
// be checked at every DPI anywhere.
#include <string>

#include "ui/main_layout.h"

namespace brisko::ui {

// value * numerator / denominator rounded half away from zero, as Windows'
// MulDiv rounds.
int MulDivRounded(int value, int numerator, int denominator);
inline int ToDevice(int design, int dpi) { return MulDivRounded(design, dpi, 96); }
inline int ToDesign(int device, int dpi) { return MulDivRounded(device, 96, dpi); }
// The edges are scaled, not the size: parts that touch at 96 DPI still touch.
Rect ToDevice(const Rect& design, int dpi);

// Whether a screen so many device pixels high takes the main window's compact
// side menu: lower than the window's design height at the DPI.
inline bool IsSmallScreen(int screenHeight, int dpi) { return ToDesign(screenHeight, dpi) < kSmallScreenHeight; }
// The main window's layout for a client area given in device pixels.
MainLayout LayOutMainWindowAt(int dpi, int clientWidth, int clientHeight, bool smallScreen, bool showTabs,
                              bool buttonTabs);

// Pictures are drawn at their design size and, for the glyphs and the side
// menu's pictures, also at 24 and 32 pixels. A DPI takes the drawn size
// nearest its scaled design size (the smaller of two as near), never one
// below the design size; a picture is never stretched.
int PictureSize(int designSize, int dpi);
// The resource holding that size: "CloseImage", "CloseImage24", "CloseImage32".
std::string PictureName(const std::string& name, int designSize, int dpi);

}  // namespace brisko::ui
