#include "EditBoxLines.h"

#include "FontDc.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

namespace quarl {
namespace {

LRESULT Send(HWND box, UINT message, WPARAM first = 0, LPARAM second = 0)
{
    return SendMessageW(box, message, first, second);
}

std::string ReadLine(HWND box, LRESULT line)
{
    // One character more than a display line keeps, so that the cut can tell whether it would split a pair.
    std::array<wchar_t, MaxDisplayLineLength + 1> buffer{};
    // EM_GETLINE takes the buffer's size in its first character.
    buffer[0] = static_cast<wchar_t>(buffer.size());
    const auto copied = static_cast<std::size_t>(
        Send(box, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
    return DisplayLineUtf8(std::wstring_view(buffer.data(), std::min(copied, buffer.size())));
}

// A hidden edit box made like the given one, which lays out one text line at a time: a text line wraps the same
// wherever it stands, so its display lines here are its display lines there. Reading them from the big box
// instead would be slow, since its line messages cost more the larger its text (under Wine each walks every line).
class LineLayout
{
public:
    explicit LineLayout(HWND box)
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
        const LRESULT margins = Send(box, EM_GETMARGINS);
        Send(copy_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, margins);
        Send(copy_, EM_SETLIMITTEXT, 0x7FFFFFFE);
    }
    ~LineLayout() { DestroyWindow(copy_); }
    LineLayout(const LineLayout&) = delete;
    LineLayout& operator=(const LineLayout&) = delete;

    void ForEachDisplayLine(std::wstring_view line, const DisplayLineTaker& take) const
    {
        SetWindowTextW(copy_, std::wstring(line).c_str());
        const LRESULT count = Send(copy_, EM_GETLINECOUNT);
        for (LRESULT shown = 0; shown < count; ++shown)
            take(ReadLine(copy_, shown));
    }

private:
    HWND copy_ = nullptr;
};

// Decides cheaply whether a text line is certainly one display line: narrower than the box, and without
// control characters (tabs, lone line breaks) that the box may draw or break differently. Asking the box itself
// costs far more: its line messages are slow on a large text, under Wine each one walks every line.
class WidthBound
{
public:
    explicit WidthBound(HWND box) : dc_(box, reinterpret_cast<HGDIOBJ>(Send(box, WM_GETFONT)))
    {
        RECT area{};
        Send(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        // One widest character of room covers any difference between this measure and the box's own.
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_.Handle(), &metrics);
        width_ = area.right - area.left - metrics.tmMaxCharWidth;
    }

    [[nodiscard]] bool FitsOnOneLine(std::wstring_view line) const
    {
        if (line.size() > MaxDisplayLineLength ||
            std::any_of(line.begin(), line.end(), [](wchar_t c) { return c < 0x20; }))
            return false;
        SIZE size{};
        return GetTextExtentPoint32W(dc_.Handle(), line.data(), static_cast<int>(line.size()), &size) &&
               size.cx <= width_;
    }

private:
    FontDc dc_;
    LONG width_ = 0;
};

} // namespace

std::vector<std::string> DisplayLines(HWND box)
{
    const LRESULT count = Send(box, EM_GETLINECOUNT);
    std::vector<std::string> lines;
    for (LRESULT line = 0; line < count; ++line)
        lines.push_back(ReadLine(box, line));
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

void ForEachDisplayLine(HWND box, TextLineFilter wanted, const DisplayLineTaker& take)
{
    // One copy of the whole text, split where the box always breaks, at CR LF. The filter sees the whole text line:
    // every display line is a piece of it.
    const std::wstring text = WindowText(box);
    const WidthBound bound(box);
    std::optional<LineLayout> layout;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = std::min(text.find(L"\r\n", start), text.size());
        const std::wstring_view line = std::wstring_view(text).substr(start, end - start);
        const std::string utf8 = NfcUtf8(line);
        if (!wanted(utf8))
            continue;
        if (bound.FitsOnOneLine(line)) {
            take(utf8);
            continue;
        }
        if (!layout)
            layout.emplace(box);
        layout->ForEachDisplayLine(line, take);
    }
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
