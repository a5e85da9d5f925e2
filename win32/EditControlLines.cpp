#include "EditControlLines.h"

#include "Text.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace quarl {
namespace {

LRESULT Send(HWND box, UINT message, WPARAM first = 0, LPARAM second = 0)
{
    return SendMessageW(box, message, first, second);
}

// The system's UTF-16 is wchar_t, two bytes wide here as everywhere on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::u16string_view View(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

std::wstring_view View(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

// The box's width for text, less one widest character, which covers any difference between measuring a line here
// and the box's own measure.
LONG LineWidth(HWND box, HDC dc)
{
    RECT area{};
    Send(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return area.right - area.left - metrics.tmMaxCharWidth;
}

} // namespace

LineLayoutBox::LineLayoutBox(HWND box)
{
    RECT frame{};
    GetWindowRect(box, &frame);
    const auto style = static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)) & ~DWORD(WS_VISIBLE | WS_TABSTOP);
    const auto extended = static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE));
    copy_ = CreateWindowExW(extended, L"EDIT", L"", style, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                            GetParent(box), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!copy_)
        throw std::runtime_error("Die Zeilen des Berichts lassen sich nicht umbrechen");
    Send(copy_, WM_SETFONT, static_cast<WPARAM>(Send(box, WM_GETFONT)), FALSE);
    Send(copy_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, Send(box, EM_GETMARGINS));
    Send(copy_, EM_SETLIMITTEXT, 0x7FFFFFFE);
}

LineLayoutBox::~LineLayoutBox()
{
    DestroyWindow(copy_);
}

void LineLayoutBox::LayOut(std::u16string_view line, const ShownLineTaker& take) const
{
    SetWindowTextW(copy_, std::wstring(View(line)).c_str());
    // One character more than a display line keeps, so that the cut can tell whether it would split a pair.
    std::array<wchar_t, MaxDisplayLineLength + 1> buffer{};
    const LRESULT count = Send(copy_, EM_GETLINECOUNT);
    for (LRESULT shown = 0; shown < count; ++shown) {
        // EM_GETLINE takes the buffer's size in its first character.
        buffer[0] = static_cast<wchar_t>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            Send(copy_, EM_GETLINE, static_cast<WPARAM>(shown), reinterpret_cast<LPARAM>(buffer.data())));
        take(View(std::wstring_view(buffer.data(), std::min(copied, buffer.size()))));
    }
}

EditControlLayout::EditControlLayout(HWND box)
    : box_(box), text_(WindowText(box)), dc_(box, reinterpret_cast<HGDIOBJ>(Send(box, WM_GETFONT))),
      width_(LineWidth(box, dc_.Handle()))
{}

std::u16string_view EditControlLayout::Text() const
{
    return View(std::wstring_view(text_));
}

bool EditControlLayout::CertainlyFits(std::u16string_view line) const
{
    SIZE size{};
    const std::wstring_view text = View(line);
    return GetTextExtentPoint32W(dc_.Handle(), text.data(), static_cast<int>(text.size()), &size) && size.cx <= width_;
}

void EditControlLayout::LayOut(std::size_t, std::u16string_view line, const ShownLineTaker& take)
{
    if (!lineLayout_)
        lineLayout_.emplace(box_);
    lineLayout_->LayOut(line, take);
}

std::u16string EditControlLayout::Nfc(std::u16string_view text) const
{
    const std::wstring normalized = NfcOrAsItIs(View(text));
    return std::u16string(View(std::wstring_view(normalized)));
}

void ForEachDisplayLine(HWND box, TextLineFilter wanted, const DisplayLineTaker& take)
{
    EditControlLayout layout(box);
    ForEachDisplayLine(layout, wanted, take);
}

void AppendLine(HWND box, std::wstring_view line)
{
    const std::wstring text = WindowText(box);
    const bool atLineStart = text.empty() || text.back() == L'\n';
    const std::wstring added = atLineStart ? std::wstring(line) + L"\r\n" : L"\r\n" + std::wstring(line);
    Send(box, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    Send(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

} // namespace quarl
