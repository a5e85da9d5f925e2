#pragma once

#include <QGuiApplication>

namespace quarl {

// Shows the wait cursor over the program's windows for as long as it lives, and restores the cursor however the
// work ends, an escaping exception included.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace quarl
