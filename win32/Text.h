#pragma once

#include <windows.h>
#include <string>
#include <string_view>

namespace quarl {

// UTF-8 text of the counter or the window's data as the window system's UTF-16. An invalid sequence becomes U+FFFD
// instead of failing.
[[nodiscard]] std::wstring Utf16(std::string_view utf8);

// The same for text whose lines end with '\n', each line ended by CR LF as an edit box breaks lines.
[[nodiscard]] std::wstring Utf16WithCrLf(std::string_view utf8);

// The text in NFC, the form the building names are written in, so that a decomposed "ä" still matches. Text that
// cannot be normalised (a lone surrogate) is given back as it is.
[[nodiscard]] std::wstring NfcOrAsItIs(std::wstring_view text);

// The whole text of a window or control.
[[nodiscard]] std::wstring WindowText(HWND window);

} // namespace quarl
