#include "Text.h"

#include <windows.h>
#include <algorithm>
#include <climits>
#include <stdexcept>

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

std::wstring Utf16WithCrLf(std::string_view utf8)
{
    std::wstring text;
    for (std::size_t start = 0; start < utf8.size();) {
        const std::size_t end = std::min(utf8.find('\n', start), utf8.size());
        text += Utf16(utf8.substr(start, end - start));
        if (end < utf8.size())
            text += L"\r\n";
        start = end + 1;
    }
    return text;
}

std::wstring NfcOrAsItIs(std::wstring_view text)
{
    std::wstring normalized;
    return Normalize(text, normalized) ? normalized : std::wstring(text);
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

} // namespace quarl
