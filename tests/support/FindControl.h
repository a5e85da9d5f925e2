#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
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

// Chooses the window's menu item of that name as the user could in an enabled menu. The menus are greyed, and their
// items with them, so the item is enabled for the choice and greyed again afterwards.
inline void ChooseMenuItem(const QObject& window, const QString& name)
{
    const QPointer<QAction> item = FindControl<QAction>(window, name);
    const bool enabled = item->isEnabled();
    item->setEnabled(true);
    item->trigger();
    if (item)
        item->setEnabled(enabled);
}

} // namespace quarl
