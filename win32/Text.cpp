#include "Text.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <windows.h>

namespace quarl {
namespace {

int Length(std::size_t size)
{
    if (size > INT_MAX)
        throw std::length_error("Der Text ist zu lang");
    return static_cast<int>(size);
}

// Normalises into a buffer of the estimated size; the estimate can fall short, so a few larger ones are tried.
bool Normalize(std::wstring_view text, std::wstring& normalized)
{
    int size = NormalizeString(NormalizationC, text.data(), Length(text.size()), nullptr, 0);
    for (int attempt = 0; attempt < 3 && size > 0; ++attempt) {
        normalized.resize(static_cast<std::size_t>(size));
        const int written = NormalizeString(NormalizationC, text.data(), Length(text.size()), normalized.data(), size);
        if (written > 0) {
            normalized.resize(static_cast<std::size_t>(written));
            return true;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return false;
        size = -written;
    }
    return false;
}

} // namespace

std::wstring Utf16(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = Length(utf8.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, text.data(), size);
    return text;
}

std::string Utf8(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int length = Length(utf16.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

std::string NfcUtf8(std::wstring_view utf16)
{
    // Text without characters from U+0300 on (combining marks and beyond) is in NFC already.
    if (std::none_of(utf16.begin(), utf16.end(), [](wchar_t c) { return c >= 0x300; }))
        return Utf8(utf16);
    std::wstring normalized;
    return Normalize(utf16, normalized) ? Utf8(normalized) : Utf8(utf16);
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

} // namespace quarl
