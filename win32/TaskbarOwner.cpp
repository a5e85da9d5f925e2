#include "win32/TaskbarOwner.h"

#include "ApplicationTitle.h"
#include "Resources.h"
#include "WindowClass.h"

#include <stdexcept>
#include <vector>

namespace quarl {
namespace {

constexpr wchar_t ClassName[] = L"QuarlTaskbarOwner";

constexpr wchar_t HiddenMark[] = L"QuarlHiddenWithOwner";

struct OwnedWindows
{
    HWND owner;
    std::vector<HWND> found;
};

// A plain function, not a lambda: only a function declared CALLBACK has the calling convention that 32-bit
// Windows expects of an enumeration callback.
BOOL CALLBACK AddIfOwned(HWND window, LPARAM search)
{
    auto& owned = *reinterpret_cast<OwnedWindows*>(search);
    if (GetWindow(window, GW_OWNER) == owned.owner)
        owned.found.push_back(window);
    return TRUE;
}

// Calls act(window) for each window the owner owns: the main window.
template <typename Act>
void ForEachOwned(HWND owner, Act act)
{
    OwnedWindows owned{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), AddIfOwned, reinterpret_cast<LPARAM>(&owned));
    for (HWND window : owned.found)
        act(window);
}

// Minimising hides the owned windows, restoring shows them again: not every system does that by itself for
// owned windows that are not pop-ups. They come back however the owner is restored, by command or by ShowWindow.
void ShowHiddenWithOwner(HWND owner)
{
    if (IsIconic(owner))
        return;
    ForEachOwned(owner, [](HWND owned) {
        if (RemovePropW(owned, HiddenMark))
            ShowWindow(owned, SW_SHOW);
    });
}

LRESULT SystemCommand(HWND owner, WPARAM command, LPARAM position)
{
    // Disabled while an error box is shown: the entry's menu must not close or hide the window meanwhile.
    if (!IsWindowEnabled(owner))
        return 0;
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        ForEachOwned(owner, [](HWND owned) {
            if (IsWindowVisible(owned) && SetPropW(owned, HiddenMark, owned))
                ShowWindow(owned, SW_HIDE);
        });
        ShowWindow(owner, SW_MINIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(owner, SW_RESTORE);
        ForEachOwned(owner, [](HWND owned) { SetForegroundWindow(owned); });
        return 0;
    case SC_CLOSE:
        ForEachOwned(owner, [](HWND owned) { PostMessageW(owned, WM_CLOSE, 0, 0); });
        return 0;
    default:
        return DefWindowProcW(owner, WM_SYSCOMMAND, command, position);
    }
}

LRESULT CALLBACK OwnerProc(HWND owner, UINT message, WPARAM first, LPARAM second)
{
    switch (message) {
    case WM_SYSCOMMAND:
        return SystemCommand(owner, first, second);
    case WM_WINDOWPOSCHANGED:
        ShowHiddenWithOwner(owner);
        return DefWindowProcW(owner, message, first, second);
    case WM_SETFOCUS:
        ForEachOwned(owner, [](HWND owned) {
            if (IsWindowVisible(owned) && IsWindowEnabled(owned))
                SetFocus(owned);
        });
        return 0;
    default:
        return DefWindowProcW(owner, message, first, second);
    }
}

} // namespace

TaskbarOwner::TaskbarOwner()
{
    RegisterWindowClass({ClassName, OwnerProc, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ProgramIcon))});
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2;
    window_ =
        CreateWindowExW(0, ClassName, ApplicationTitle.data(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                        left, top, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_)
        throw std::runtime_error("Das Fenster der Taskleiste fehlt");
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TaskbarOwner::~TaskbarOwner()
{
    DestroyWindow(window_);
}

} // namespace quarl
