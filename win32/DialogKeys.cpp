#include "win32/DialogKeys.h"

#include <commctrl.h>

namespace quarl {
namespace {

LRESULT CALLBACK DialogKeysLeaveBox(HWND box, UINT message, WPARAM first, LPARAM second, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, DialogKeysLeaveBox, 0);
    LRESULT result = DefSubclassProc(box, message, first, second);
    const auto* key = reinterpret_cast<const MSG*>(second);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN &&
        ((key->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) || key->wParam == VK_ESCAPE))
        result &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
    return result;
}

bool IsPushButton(HWND control)
{
    return control && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

} // namespace

void LeaveDialogKeysToWindow(HWND box)
{
    SetWindowSubclass(box, DialogKeysLeaveBox, 0, 0);
}

void PressFocusedButton()
{
    if (HWND focus = GetFocus(); IsPushButton(focus))
        SendMessageW(focus, BM_CLICK, 0, 0);
}

void FocusMemory::Activated(bool active)
{
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(window_, focus))
            focus_ = focus;
    } else {
        Restore();
    }
}

void FocusMemory::Restore() const
{
    SetFocus(focus_ && IsChild(window_, focus_) ? focus_ : first_);
}

} // namespace quarl
