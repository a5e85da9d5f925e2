#include "Application.h"

#include "ErrorDisplay.h"

namespace quarl {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentError();
        return false;
    }
}

} // namespace quarl
