#pragma once

#include <windows.h>

// What makes a window of controls answer the keyboard as a dialog does.
namespace quarl {

// Tab moves on from the multi-line edit box to the next control instead of typing a tab character (Ctrl+Tab still
// types one), and Escape is left to the window, which ignores it: in a dialog, a multi-line edit box would close
// its parent on Escape.
void LeaveDialogKeysToWindow(HWND box);

// Return on a focused push button presses it, as in a dialog; the window gets Return as the command IDOK.
void PressFocusedButton();

// The window's control that last had the keyboard focus, which gets it back when the window is activated again or
// is given the focus itself: as in a dialog, the window itself takes no typing.
class FocusMemory
{
public:
    FocusMemory(HWND window, HWND first) : window_(window), focus_(first), first_(first) {}

    // Call on WM_ACTIVATE.
    void Activated(bool active);
    // Call on WM_SETFOCUS.
    void Restore() const;

private:
    HWND window_;
    HWND focus_;
    // Takes the focus when the one remembered is gone.
    HWND first_;
};

} // namespace quarl
