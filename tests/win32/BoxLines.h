#pragma once

#include "DisplayLineReading.h"
#include "EditControlLines.h"
#include "Text.h"

#include "frontend/DisplayLines.h"

#include <windows.h>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace quarl {

// The display lines the box itself shows, read through its own line messages, in UTF-8 and NFC, without the final
// empty line after the last line break.
inline std::vector<std::string> ShownLines(HWND box)
{
    std::vector<std::string> lines;
    std::array<wchar_t, MaxDisplayLineLength> buffer{};
    const LRESULT count = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    for (LRESULT line = 0; line < count; ++line) {
        buffer[0] = static_cast<wchar_t>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(box, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
        const std::wstring nfc = NfcOrAsItIs({buffer.data(), std::min(copied, buffer.size())});
        ToUtf8({reinterpret_cast<const char16_t*>(nfc.data()), nfc.size()}, lines.emplace_back());
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The display lines as the Sabo command reads them, narrow lines taken whole.
inline std::vector<std::string> DisplayLines(HWND box)
{
    EditControlLayout layout(box);
    return ReadDisplayLines(layout);
}

// The display lines with every text line laid out.
inline std::vector<std::string> LaidOutLines(HWND box)
{
    EditControlLayout layout(box);
    return LaidOutDisplayLines(layout);
}

} // namespace quarl
