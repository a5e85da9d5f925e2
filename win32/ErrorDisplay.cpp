#include "ErrorDisplay.h"

#include "Text.h"

#include "frontend/ErrorText.h"

#include <exception>
#include <string>
#include <windows.h>

namespace quarl {
namespace {

void ShowBox(const wchar_t* text) noexcept
{
    MessageBoxW(nullptr, text, ApplicationTitle, MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

} // namespace

void ShowError(std::string_view message)
{
    ShowBox(Utf16(ErrorText(message)).c_str());
}

void ShowCurrentError() noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            ShowError(error.what());
        }
    } catch (...) {
        // Not a std::exception, or no memory left to build the text: the box still says that something failed.
        ShowBox(L"");
    }
}

} // namespace quarl
