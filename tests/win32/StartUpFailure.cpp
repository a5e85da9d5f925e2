// Linked into a second build of the program for the tests: the button "Sabo" cannot be made, so an error escapes
// while the main window is being built.
#include <windows.h>
#include <string_view>

namespace {

LRESULT CALLBACK RefuseSabo(int code, WPARAM first, LPARAM second)
{
    if (code == HCBT_CREATEWND) {
        const wchar_t* name = reinterpret_cast<CBT_CREATEWNDW*>(second)->lpcs->lpszName;
        if (name && !IS_INTRESOURCE(name) && std::wstring_view(name) == L"Sabo")
            return 1;
    }
    return CallNextHookEx(nullptr, code, first, second);
}

const HHOOK Hook = SetWindowsHookExW(WH_CBT, RefuseSabo, nullptr, GetCurrentThreadId());

} // namespace
