#pragma once

#include <QApplication>
#include <QFont>

namespace quarl {

// The application object. An exception that escapes an event handler is shown to the user here, as the last
// place before it would leave the event loop, and the program keeps running.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Gives the whole program the window's font, where the window system offers its closest stand-in: context menus
// and dialogs are windows of their own and take the application's font, not the main window's. The application
// object calls it; a test or benchmark that makes its own calls it too, to see the windows the program shows.
void UseProgramFont();

// The window's sans serif font at the given size in points.
[[nodiscard]] QFont ProgramFont(int points);

} // namespace quarl
