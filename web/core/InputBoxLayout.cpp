#include "InputBoxLayout.h"

#include "PageImports.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quarl {
namespace {

// What the browser's own layout may add to a width that the script measured apart from it (kerning, rounding).
constexpr double Margin = 1.03;
constexpr double Slack = 2;

bool IsPrintableLatin1(char16_t c)
{
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF);
}

bool Fits(double width, InputRoom room)
{
    return width * Margin + Slack < room.room;
}

} // namespace

// Lines of printable Latin-1 are bounded by their widest character first, which spares measuring the many short
// ones in the browser.
bool InputBoxLayout::CertainlyFits(std::u16string_view line) const
{
    if (room_.room <= 0)
        return false;
    if (std::all_of(line.begin(), line.end(), IsPrintableLatin1) &&
        Fits(static_cast<double>(line.size()) * room_.widestLatin1, room_))
        return true;
    return Fits(InputLineWidth(line.data(), line.size()), room_);
}

void InputBoxLayout::LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take)
{
    std::vector<std::uint32_t> ends(InputLayOut(index, line.data(), line.size()));
    InputLineEnds(ends.data());
    // The ends come from the page's script; one out of order or past the line is not trusted to cut it.
    std::size_t start = 0;
    for (const std::uint32_t end : ends) {
        if (end < start || end > line.size())
            break;
        take(line.substr(start, end - start));
        start = end;
    }
}

std::u16string InputBoxLayout::Nfc(std::u16string_view text) const
{
    std::u16string normalized(InputNfc(text.data(), text.size()), u'\0');
    InputNfcCopy(normalized.data());
    return normalized;
}

} // namespace quarl
