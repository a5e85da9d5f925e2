#include "win32/MessageLoop.h"

namespace quarl {
namespace {

bool HasEnabledMenu(HWND window)
{
    HMENU bar = GetMenu(window);
    const int count = bar ? GetMenuItemCount(bar) : 0;
    for (int item = 0; item < count; ++item)
        if (!(GetMenuState(bar, static_cast<UINT>(item), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)))
            return true;
    return false;
}

// Alt with a letter selects a menu of the bar by its mnemonic. Where no menu can open, the bar would still take
// the keyboard and swallow what is typed next, so the letter is dropped. Alt+Space still opens the system menu.
bool SelectsDisabledMenu(HWND mainForm, const MSG& message)
{
    return message.message == WM_SYSCHAR && message.wParam != L' ' &&
           (message.hwnd == mainForm || IsChild(mainForm, message.hwnd)) && !HasEnabledMenu(mainForm);
}

} // namespace

int RunMessageLoop(HWND mainForm)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchLoopMessage(mainForm, message);
    return static_cast<int>(message.wParam);
}

void DispatchLoopMessage(HWND mainForm, MSG& message)
{
    if (SelectsDisabledMenu(mainForm, message))
        return;
    if (IsWindow(mainForm) && IsDialogMessageW(mainForm, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace quarl
