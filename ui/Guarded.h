#pragma once

#include "ErrorDisplay.h"

#include <concepts>
#include <utility>

namespace quarl {

// Wraps a command handler for connect(): an exception that escapes the handler is shown to the user instead of
// unwinding through Qt's signal code, and the program goes on.
template <std::invocable Handler>
[[nodiscard]] auto Guarded(Handler handler)
{
    return [handler = std::move(handler)] {
        try {
            handler();
        } catch (...) {
            ShowCurrentError();
        }
    };
}

template <typename Receiver>
[[nodiscard]] auto Guarded(Receiver* receiver, void (Receiver::*handler)())
{
    return Guarded([receiver, handler] { (receiver->*handler)(); });
}

} // namespace quarl
