#include "ui/Main.h"

#include "ui/Application.h"
#include "ui/ErrorDisplay.h"

#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Without a display Qt would only report that it could not connect and then abort; say plainly what is missing.
bool HasDisplay(int argc, char* argv[])
{
#ifdef Q_OS_LINUX
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    for (int index = 1; index < argc; ++index) {
        if (std::string_view(argv[index]) == "-platform")
            return true;
    }
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

// The hand-drawn 32 x 32 image is the program's own icon; the other sizes let docks and task switchers pick a sharp
// one instead of scaling it.
QIcon WindowIcon()
{
    QIcon icon(u":/icons/quarl-counter.png"_s);
    for (const int size : {16, 48, 64, 128, 256})
        icon.addFile(u":/icons/quarl-counter-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

// Qt ends the program with abort() when the platform plugin cannot open the display, a stale DISPLAY for
// example. While the application object is made, that end is replaced by the program's own message and status.
void EndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
        return;
    }
    std::fputs(
        "quarl-counter: Die grafische Anzeige lässt sich nicht öffnen. Bitte in einer Desktop-Sitzung starten.\n",
        stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay(argc, argv)) {
        std::fputs("quarl-counter: Keine grafische Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). "
                   "Bitte in einer Desktop-Sitzung starten.\n",
                   stderr);
        return EXIT_FAILURE;
    }

    const QtMessageHandler qtHandler = qInstallMessageHandler(&EndWithoutDisplay);
    quarl::Application application(argc, argv);
    qInstallMessageHandler(qtHandler);
    try {
        quarl::Application::setDesktopFileName(QStringLiteral(QUARL_APP_ID));
        quarl::Application::setWindowIcon(WindowIcon());
        quarl::TMainForm MainForm;
        MainForm.show();
        return quarl::Application::exec();
    } catch (...) {
        quarl::ShowCurrentError();
        return EXIT_FAILURE;
    }
}
