#pragma once

#include <string_view>
#include <windows.h>

namespace quarl {

// The application's title: the caption of its error boxes and of its task-bar entry.
inline constexpr wchar_t ApplicationTitle[] = L"QUARL-Counter";

// The window that error boxes belong to from now on: they are centred on it and stay in front of it. Without one
// (null, the default) they belong to no window.
void SetErrorBoxOwner(HWND window) noexcept;

// Shows a UTF-8 error message in a message box with the stop icon and one OK button, modal for the whole program
// and captioned with the application's title.
void ShowError(std::string_view message);

// Shows the exception being handled: the message of a std::exception, an empty text for anything else.
// Call it only inside a catch block.
void ShowCurrentError() noexcept;

// Runs a command handler so that no exception leaves it: one that escapes is shown, and the program goes on.
template <typename Handler>
void Guarded(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (...) {
        ShowCurrentError();
    }
}

} // namespace quarl
