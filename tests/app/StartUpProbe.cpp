// Loaded into the unchanged program with LD_PRELOAD by ProgramTest: it reports on standard output what the user sees
// and then closes it, as a user would.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <dlfcn.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

void Report(const QString& line)
{
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

QString IconSizes(const QIcon& icon)
{
    QString sizes;
    for (const QSize& size : icon.availableSizes())
        sizes += u" %1x%2"_s.arg(size.width()).arg(size.height());
    return sizes;
}

void CloseWhatIsShown()
{
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        Report(u"message box: %1 | %2"_s.arg(box->windowTitle(), box->text()));
        box->accept();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == u"MainForm"_s) {
            Report(u"window: %1 | application: %2 | icon sizes:%3"_s.arg(
                window->windowTitle(), QCoreApplication::applicationName(), IconSizes(window->windowIcon())));
            window->close();
        }
    }
}

void StartProbe()
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, &CloseWhatIsShown);
    timer->start(50);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)

// Takes the place of Qt's own QApplication::exec in the program. With QUARL_PROBE_FAIL set, starting the event loop
// fails the way an error escaping start-up would.
int QApplication::exec()
{
    if (qEnvironmentVariableIsSet("QUARL_PROBE_FAIL"))
        throw std::runtime_error("Start abgebrochen");
    using Exec = int (*)();
    static const auto qtExec = reinterpret_cast<Exec>(dlsym(RTLD_NEXT, "_ZN12QApplication4execEv"));
    return qtExec();
}
