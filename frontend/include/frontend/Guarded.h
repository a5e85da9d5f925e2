#pragma once

#include <string_view>

namespace quarl {

// How a front end shows an error message (UTF-8) to the user.
using ErrorDisplay = void (*)(std::string_view message);

// Shows the exception being handled with show: the message of a std::exception, an empty text for anything else.
// Should showing fail in turn (no memory left for the text, say), show is called once more with an empty text, and
// a failure then is dropped: nothing leaves this function. Call it only inside a catch block.
void ShowCurrentError(ErrorDisplay show) noexcept;

// Runs a command or event handler so that no exception leaves it to unwind through the window system's code: one
// that escapes is shown with show, and the program goes on.
template <typename Handler>
void Guarded(ErrorDisplay show, Handler&& handler) noexcept
{
    try {
        handler();
    } catch (...) {
        ShowCurrentError(show);
    }
}

} // namespace quarl
