#include "win32/Layout.h"

#include "FontDc.h"
#include "Text.h"

#include "frontend/MainFormData.h"
#include "frontend/TextHeightScale.h"

#include <algorithm>
#include <stdexcept>

namespace quarl {
namespace {

constexpr int DesignDpi = 96;

HFONT SansSerifFont(int height)
{
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                             Utf16(MainFormData::FontName).c_str());
    if (!font)
        throw std::runtime_error("Die Schrift des Fensters fehlt");
    return font;
}

int TextHeightOf(HFONT font)
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(FontDc(nullptr, font).Handle(), &metrics);
    return metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : DesignTextHeight;
}

// A function of that library, or nullptr where this Windows lacks it.
template <typename Pointer>
Pointer Function(HMODULE library, const char* name)
{
    return library ? reinterpret_cast<Pointer>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

} // namespace

Layout::Layout(int dpi) : windowFont_(SansSerifFont(MulDiv(MainFormData::WindowFontHeight, dpi, DesignDpi))), dpi_(dpi)
{
    textHeight_ = TextHeightOf(windowFont_.get());
    labelFont_.reset(SansSerifFont(Scaled(MainFormData::LabelFontHeight)));
}

int Layout::Scaled(int pixels) const noexcept
{
    return ScaledToTextHeight(pixels, textHeight_);
}

Area Layout::Scaled(const Area& area) const noexcept
{
    return {Scaled(area.left), Scaled(area.top), Scaled(area.width), Scaled(area.height)};
}

// Where the font runs wider or taller than the label, the label grows to the right or down.
void Layout::FitLabel(HWND label) const
{
    const std::wstring text = WindowText(label);
    SIZE size{};
    GetTextExtentPoint32W(FontDc(label, labelFont_.get()).Handle(), text.c_str(), static_cast<int>(text.size()), &size);
    RECT area{};
    GetClientRect(label, &area);
    if (size.cx > area.right || size.cy > area.bottom)
        SetWindowPos(label, nullptr, 0, 0, std::max(size.cx, area.right), std::max(size.cy, area.bottom),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Layout::ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}

// Windows 7 has neither function and Windows 8 only the monitor's, so both are looked up as the program runs.
int Layout::WindowDpi(HWND window)
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    if (const auto forWindow = Function<DpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")) {
        if (const UINT dpi = forWindow(window))
            return static_cast<int>(dpi);
    }
    // From shcore.dll, which Windows has from 8.1 on; the effective resolution is the one the scale setting gives.
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int EffectiveDpi = 0;
    if (HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        UINT x = 0;
        UINT y = 0;
        const auto forMonitor = Function<DpiForMonitor>(shcore, "GetDpiForMonitor");
        const bool found = forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                                              EffectiveDpi, &x, &y));
        FreeLibrary(shcore);
        if (found && y > 0)
            return static_cast<int>(y);
    }
    return ScreenDpi();
}

} // namespace quarl
