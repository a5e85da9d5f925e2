#pragma once

#include <windows.h>

namespace quarl {

// Runs the message loop until the main window is closed and returns the exit status it leaves. Tab, Return and
// the arrow keys move between the main window's controls as in a dialog.
int RunMessageLoop(HWND mainForm);

// Handles one message as the loop does.
void DispatchLoopMessage(HWND mainForm, MSG& message);

} // namespace quarl
