#pragma once

#include <windows.h>

namespace quarl {

// A window's device context (the screen's for no window) with a font selected into it, for measuring text. The
// font is deselected and the context given back when it goes.
class FontDc
{
public:
    FontDc(HWND window, HGDIOBJ font);
    ~FontDc();
    FontDc(const FontDc&) = delete;
    FontDc& operator=(const FontDc&) = delete;

    [[nodiscard]] HDC Handle() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previousFont_;
};

} // namespace quarl
