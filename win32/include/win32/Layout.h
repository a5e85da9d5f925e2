#pragma once

#include "frontend/MainFormData.h"

#include <windows.h>
#include <memory>
#include <type_traits>

namespace quarl {

// The window's fonts for one screen resolution and the scaling of its layout. Positions and sizes are drawn for
// 96 dots per inch, where the window font's text is 13 pixels high; when the font made for the current resolution
// is higher or lower, they are scaled by its real text height over 13.
class Layout
{
public:
    explicit Layout(int dpi);

    [[nodiscard]] int Dpi() const noexcept { return dpi_; }
    [[nodiscard]] HFONT WindowFont() const noexcept { return windowFont_.get(); }
    [[nodiscard]] HFONT LabelFont() const noexcept { return labelFont_.get(); }
    [[nodiscard]] int Scaled(int pixels) const noexcept;
    [[nodiscard]] Area Scaled(const Area& area) const noexcept;
    // A caption is never cut off: the label grows to its text in the label font.
    void FitLabel(HWND label) const;

    // The resolution of the screen as the system had it at sign-in.
    [[nodiscard]] static int ScreenDpi();
    // The resolution of the monitor the window is on, where this Windows tells it; the screen's otherwise.
    [[nodiscard]] static int WindowDpi(HWND window);

private:
    struct FontDeleter
    {
        void operator()(HFONT font) const noexcept { DeleteObject(font); }
    };
    using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

    Font windowFont_;
    Font labelFont_;
    int dpi_;
    int textHeight_ = 13;
};

} // namespace quarl
