#include "MessageLoop.h"

namespace quarl {

int RunMessageLoop(HWND mainForm)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsWindow(mainForm) && IsDialogMessageW(mainForm, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace quarl
