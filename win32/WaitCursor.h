#pragma once

#include <windows.h>

namespace quarl {

// Shows the system's wait cursor for as long as it lives and puts back the cursor it replaced however the work
// ends, an escaping exception included. The window's one thread handles no messages meanwhile, so nothing sets
// another cursor in between; mouse moves queued meanwhile set the right one for where the mouse is afterwards.
class WaitCursor
{
public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

} // namespace quarl
