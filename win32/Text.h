#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace quarl {

// UTF-8 and UTF-16 conversions between the counter and the window system. Invalid sequences (a lone surrogate,
// a broken UTF-8 byte) become U+FFFD instead of failing.
[[nodiscard]] std::wstring Utf16(std::string_view utf8);
[[nodiscard]] std::string Utf8(std::wstring_view utf16);

// UTF-8 in NFC, the form the building names are written in, so that a decomposed "ä" still matches. Text that
// cannot be normalised (a lone surrogate) is converted as it is.
[[nodiscard]] std::string NfcUtf8(std::wstring_view utf16);

// The same for a display line, which is also cut as both front ends cut it (see frontend/DisplayLines.h).
[[nodiscard]] std::string DisplayLineUtf8(std::wstring_view line);

// The whole text of a window or control.
[[nodiscard]] std::wstring WindowText(HWND window);

} // namespace quarl
