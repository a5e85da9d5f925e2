#include "Text.h"

#include "frontend/DisplayLines.h"

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

// The system's UTF-16 is wchar_t, two bytes wide here as everywhere on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::u16string_view Utf16View(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// The text in NFC: the text itself where it is so already or cannot be normalised, otherwise normalised into
// `normalized`, which holds it.
std::wstring_view Nfc(std::wstring_view text, std::wstring& normalized)
{
    if (IsNfcWithoutNormalizing(Utf16View(text)) || !Normalize(text, normalized))
        return text;
    return normalized;
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
    std::wstring normalized;
    return Utf8(Nfc(utf16, normalized));
}

std::string DisplayLineUtf8(std::wstring_view line)
{
    std::wstring normalized;
    const std::u16string_view cut = CutDisplayLine(Utf16View(Nfc(line, normalized)));
    return Utf8({reinterpret_cast<const wchar_t*>(cut.data()), cut.size()});
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

} // namespace quarl
