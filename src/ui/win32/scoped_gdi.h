#pragma once
// GDI objects and device contexts that free themselves, as SumatraPDF's
// ScopedWin.h has them: a font, brush or bitmap the program makes is owned by
// one of these and deleted with it; a device context taken or made for a
// while is given back or deleted at the end of the scope, and an object
// selected into one for a while is replaced by the one it displaced.
#include <windows.h>

#include <utility>

namespace brisko::ui {

// Owns one GDI object (a font, a brush, a bitmap) and deletes it.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Free(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Owns another object (or none); the one held is deleted.
    void Reset(Handle handle = nullptr) {
        Free();
        handle_ = handle;
    }

private:
    void Free() {
        if (handle_) DeleteObject(handle_);
    }
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

// The device context of a window, or of the screen, for the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context like another, for the scope.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context for the scope (none selects
// nothing); then the object it displaced is selected back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), displaced_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (displaced_) SelectObject(dc_, displaced_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ displaced_;
};

}  // namespace brisko::ui
