#include "ui/Application.h"

#include "QtTranslation.h"

#include "ui/ErrorDisplay.h"

#include <QLibraryInfo>

namespace quarl {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    InstallGermanQtTexts(*this, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

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
