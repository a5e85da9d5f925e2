#pragma once

#include <windows.h>
#include <string_view>

namespace quarl {

// The window that error boxes belong to from now on: they are centred on it and stay in front of it. Without one
// (null, the default) they belong to no window.
void SetErrorBoxOwner(HWND window) noexcept;

// Shows a UTF-8 error message in a message box with the stop icon and one OK button, modal for the whole program
// and captioned with the application's title. Its text follows frontend/ErrorText.h; an empty one needs no memory.
void ShowError(std::string_view message);

// Shows the exception being handled with ShowError, as frontend/Guarded.h describes; nothing leaves it.
// Call it only inside a catch block.
void ShowCurrentError() noexcept;

} // namespace quarl
