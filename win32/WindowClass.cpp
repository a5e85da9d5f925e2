#include "WindowClass.h"

#include <stdexcept>

namespace quarl {

void RegisterWindowClass(const WindowClass& windowClass)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof registered;
    if (GetClassInfoExW(instance, windowClass.name, &registered))
        return;
    registered.lpfnWndProc = windowClass.procedure;
    registered.hInstance = instance;
    registered.hIcon = windowClass.icon;
    registered.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    registered.hbrBackground = windowClass.background;
    registered.lpszClassName = windowClass.name;
    if (!RegisterClassExW(&registered))
        throw std::runtime_error("Eine Fensterklasse des Programms fehlt");
}

} // namespace quarl
