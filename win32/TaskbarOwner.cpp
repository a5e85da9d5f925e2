#include "TaskbarOwner.h"

#include "ErrorDisplay.h"
#include "Resources.h"

#include <stdexcept>

namespace quarl {
namespace {

constexpr wchar_t ClassName[] = L"QuarlTaskbarOwner";

// The main window, or the message box or dialog it shows at the moment.
HWND ActiveOwned(HWND owner)
{
    HWND popup = GetLastActivePopup(owner);
    return popup != owner ? popup : nullptr;
}

LRESULT SystemCommand(HWND owner, WPARAM command, LPARAM position)
{
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        // Minimising the owner hides the windows it owns.
        ShowWindow(owner, SW_MINIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(owner, SW_RESTORE);
        if (HWND owned = ActiveOwned(owner))
            SetForegroundWindow(owned);
        return 0;
    case SC_CLOSE:
        if (HWND owned = ActiveOwned(owner))
            PostMessageW(owned, WM_CLOSE, 0, 0);
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
    case WM_SETFOCUS:
        if (HWND owned = ActiveOwned(owner); owned && IsWindowEnabled(owned))
            SetFocus(owned);
        return 0;
    default:
        return DefWindowProcW(owner, message, first, second);
    }
}

void RegisterOwnerClass()
{
    static const ATOM registered = [] {
        WNDCLASSEXW ownerClass{};
        ownerClass.cbSize = sizeof ownerClass;
        ownerClass.lpfnWndProc = OwnerProc;
        ownerClass.hInstance = GetModuleHandleW(nullptr);
        ownerClass.hIcon = LoadIconW(ownerClass.hInstance, MAKEINTRESOURCEW(ProgramIcon));
        ownerClass.lpszClassName = ClassName;
        return RegisterClassExW(&ownerClass);
    }();
    if (!registered)
        throw std::runtime_error("Die Fensterklasse der Taskleiste fehlt");
}

} // namespace

TaskbarOwner::TaskbarOwner()
{
    RegisterOwnerClass();
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2;
    window_ = CreateWindowExW(0, ClassName, ApplicationTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left,
                              top, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_)
        throw std::runtime_error("Das Fenster der Taskleiste fehlt");
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TaskbarOwner::~TaskbarOwner()
{
    DestroyWindow(window_);
}

} // namespace quarl
