#include "win32/ErrorDisplay.h"

#include "ApplicationTitle.h"
#include "Text.h"

#include "frontend/ErrorText.h"
#include "frontend/Guarded.h"

#include <windows.h>
#include <algorithm>
#include <string>

namespace quarl {
namespace {

HWND errorBoxOwner = nullptr;

// Message boxes open in the middle of the screen; as it is shown, the box moves onto the middle of its owner,
// within the owner's screen.
LRESULT CALLBACK CentreOnOwner(int code, WPARAM first, LPARAM second)
{
    const auto box = reinterpret_cast<HWND>(first);
    if (code == HCBT_ACTIVATE && errorBoxOwner && GetWindow(box, GW_OWNER) == errorBoxOwner) {
        RECT owner{};
        RECT area{};
        GetWindowRect(errorBoxOwner, &owner);
        GetWindowRect(box, &area);
        MONITORINFO screen{};
        screen.cbSize = sizeof screen;
        GetMonitorInfoW(MonitorFromWindow(errorBoxOwner, MONITOR_DEFAULTTONEAREST), &screen);
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        const int left = std::clamp((owner.left + owner.right - width) / 2, screen.rcWork.left,
                                    std::max(screen.rcWork.left, screen.rcWork.right - width));
        const int top = std::clamp((owner.top + owner.bottom - height) / 2, screen.rcWork.top,
                                   std::max(screen.rcWork.top, screen.rcWork.bottom - height));
        SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return CallNextHookEx(nullptr, code, first, second);
}

// A box with an owner disables only that window; the window of the task-bar entry, which owns it in turn, is
// disabled too, so that nothing of the program takes input until OK is pressed.
void ShowBox(const wchar_t* text) noexcept
{
    HWND entry = errorBoxOwner ? GetWindow(errorBoxOwner, GW_OWNER) : nullptr;
    const bool entryWasEnabled = entry && !EnableWindow(entry, FALSE);
    HHOOK centring = SetWindowsHookExW(WH_CBT, CentreOnOwner, nullptr, GetCurrentThreadId());
    MessageBoxW(errorBoxOwner, text, ApplicationTitle.data(), MB_ICONSTOP | MB_OK | MB_TASKMODAL);
    UnhookWindowsHookEx(centring);
    if (entryWasEnabled)
        EnableWindow(entry, TRUE);
}

} // namespace

void SetErrorBoxOwner(HWND window) noexcept
{
    errorBoxOwner = window;
}

void ShowError(std::string_view message)
{
    ShowBox(Utf16(ErrorText(message)).c_str());
}

void ShowCurrentError() noexcept
{
    ShowCurrentError(ShowError);
}

} // namespace quarl
