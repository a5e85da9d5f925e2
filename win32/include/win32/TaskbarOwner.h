#pragma once

#include <windows.h>

namespace quarl {

// The window that carries the program's task-bar entry, captioned with the application's title, as classic
// Windows frameworks do it: it is shown, but has no size, and owns the main window, which therefore has no entry
// of its own. Minimising, restoring and closing the entry act on the main window.
class TaskbarOwner
{
public:
    TaskbarOwner();
    ~TaskbarOwner();
    TaskbarOwner(const TaskbarOwner&) = delete;
    TaskbarOwner& operator=(const TaskbarOwner&) = delete;

    [[nodiscard]] HWND Handle() const noexcept { return window_; }

private:
    HWND window_ = nullptr;
};

} // namespace quarl
