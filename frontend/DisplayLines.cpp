#include "frontend/DisplayLines.h"

#include <algorithm>

namespace quarl {

bool IsNfcWithoutNormalizing(std::u16string_view text) noexcept
{
    return std::none_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x300; });
}

std::u16string_view CutDisplayLine(std::u16string_view line) noexcept
{
    if (line.size() <= MaxDisplayLineLength)
        return line;
    const bool splitsPair = line[MaxDisplayLineLength - 1] >= 0xD800 && line[MaxDisplayLineLength - 1] <= 0xDBFF;
    return line.substr(0, splitsPair ? MaxDisplayLineLength - 1 : MaxDisplayLineLength);
}

} // namespace quarl
