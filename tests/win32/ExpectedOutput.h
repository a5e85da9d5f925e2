#pragma once

#include "ExpectedResult.h"
#include "Text.h"

#include <string>

namespace quarl {

// What Output shows after a count (see ExpectedResultLines): each line ended by CR LF.
inline std::wstring ResultText(const BuildingCounts& counts, int total)
{
    std::wstring text;
    for (const std::string& line : ExpectedResultLines(counts, total))
        text += Utf16(line) + L"\r\n";
    return text;
}

} // namespace quarl
