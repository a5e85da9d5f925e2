#pragma once

#include <windows.h>

namespace quarl {

// The window's fonts for one screen resolution and the scaling of its layout. Positions and sizes are drawn for
// 96 dots per inch, where the window font's text is 13 pixels high; when the font made for the current resolution
// is higher or lower, they are scaled by its real text height over 13.
class Layout
{
public:
    explicit Layout(int dpi);
    ~Layout();
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    [[nodiscard]] HFONT WindowFont() const noexcept { return windowFont_; }
    [[nodiscard]] HFONT LabelFont() const noexcept { return labelFont_; }
    [[nodiscard]] int TextHeight() const noexcept { return textHeight_; }
    [[nodiscard]] int Scaled(int pixels) const noexcept;

    // The resolution of the screen, which the window is laid out for.
    [[nodiscard]] static int ScreenDpi();

private:
    HFONT windowFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    int textHeight_ = 13;
};

} // namespace quarl
