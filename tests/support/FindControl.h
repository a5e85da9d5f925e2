#pragma once

#include <QObject>
#include <QString>

namespace quarl {

// The window's control of that type and object name. A missing control ends the test program, since every later
// step would fail on it.
template <typename Control>
Control* FindControl(const QObject& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (found == nullptr)
        qFatal("no control %s", qPrintable(name));
    return found;
}

} // namespace quarl
