#pragma once

#include <windows.h>
#include <algorithm>
#include <string>
#include <string_view>

namespace quarl {

// Puts text on the clipboard, as copying it in another program does.
inline bool SetClipboardText(HWND owner, std::wstring_view text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* copy = static_cast<wchar_t*>(GlobalLock(data));
    std::copy(text.begin(), text.end(), copy);
    copy[text.size()] = L'\0';
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    return CloseClipboard() != FALSE;
}

inline std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace quarl
