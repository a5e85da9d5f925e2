#include "InputBoxLayout.h"

#include "PageImports.h"

#include <cstdint>
#include <vector>

namespace quarl {

bool InputBoxLayout::CertainlyFits(std::u16string_view line) const
{
    return quickCheck_ && InputCertainlyFits(line.data(), line.size()) != 0;
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
