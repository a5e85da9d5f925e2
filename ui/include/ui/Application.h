#pragma once

#include <QApplication>

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

} // namespace quarl
