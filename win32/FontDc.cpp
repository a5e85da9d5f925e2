#include "FontDc.h"

namespace quarl {

FontDc::FontDc(HWND window, HGDIOBJ font) : window_(window), dc_(GetDC(window)), previousFont_(SelectObject(dc_, font))
{}

FontDc::~FontDc()
{
    SelectObject(dc_, previousFont_);
    ReleaseDC(window_, dc_);
}

} // namespace quarl
