#include "MessageLoop.h"

namespace quarl {

int RunMessageLoop(HWND mainForm)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchLoopMessage(mainForm, message);
    return static_cast<int>(message.wParam);
}

void DispatchLoopMessage(HWND mainForm, MSG& message)
{
    if (IsWindow(mainForm) && IsDialogMessageW(mainForm, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace quarl
