#pragma once

#include <windows.h>

namespace quarl {

// What tells the program's window classes apart; the rest (instance, cursor) is the same for all of them.
struct WindowClass
{
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon = nullptr;
    HBRUSH background = nullptr;
};

// Registers the class the first time it is asked for; later calls find it registered. Throws where the system
// refuses, since no window of the class could be made.
void RegisterWindowClass(const WindowClass& windowClass);

} // namespace quarl
