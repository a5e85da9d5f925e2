#include "ui/ErrorDisplay.h"

#include "MessageBoxCatcher.h"

#include "frontend/Guarded.h"
#include "ui/Application.h"

#include <QEvent>
#include <QTest>

#include <stdexcept>
#include <string>

using namespace Qt::StringLiterals;

namespace {

enum class Thrown {
    StdException,
    Other,
};

void Throw(Thrown kind, const std::string& message)
{
    if (kind == Thrown::StdException)
        throw std::runtime_error(message);
    throw 42;
}

// An object whose event handler fails, the way a widget's paint or key handler might.
class FailingReceiver : public QObject
{
public:
    Thrown kind = Thrown::StdException;
    int eventsHandled = 0;

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++eventsHandled;
        Throw(kind, "Ereignis fehlgeschlagen");
        return true;
    }
};

// Called from catch blocks in Qt's event code, where a second exception would end the program.
static_assert(noexcept(quarl::ShowCurrentError()));

} // namespace

class ErrorDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"QUARL-Counter"_s); }

    void showErrorIsAModalCriticalBoxWithOneOkButton()
    {
        MessageBoxCatcher box;
        quarl::ShowError("Kein Speicher");
        QVERIFY(box.shown);
        QCOMPARE(box.title, u"QUARL-Counter"_s);
        QCOMPARE(box.text, u"Kein Speicher."_s);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.modality, Qt::ApplicationModal);
    }

    void escapingErrorsAreShownAndTheProgramGoesOn_data()
    {
        QTest::addColumn<bool>("fromEventHandler");
        QTest::addColumn<Thrown>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("command, std::exception") << false << Thrown::StdException << u"Befehl fehlgeschlagen."_s;
        QTest::newRow("command, other type") << false << Thrown::Other << u""_s;
        QTest::newRow("event handler, std::exception") << true << Thrown::StdException << u"Ereignis fehlgeschlagen."_s;
        QTest::newRow("event handler, other type") << true << Thrown::Other << u""_s;
    }

    void escapingErrorsAreShownAndTheProgramGoesOn()
    {
        QFETCH(bool, fromEventHandler);
        QFETCH(Thrown, kind);
        QFETCH(QString, shown);

        FailingReceiver receiver;
        receiver.kind = kind;
        for (int attempt = 1; attempt <= 2; ++attempt) {
            MessageBoxCatcher box;
            if (fromEventHandler) {
                QEvent event(QEvent::User);
                QCoreApplication::sendEvent(&receiver, &event);
                QCOMPARE(receiver.eventsHandled, attempt);
            } else {
                quarl::Guarded(quarl::ShowError, [kind] { Throw(kind, "Befehl fehlgeschlagen"); });
            }
            QVERIFY(box.shown);
            QCOMPARE(box.text, shown);
        }
    }
};

int main(int argc, char* argv[])
{
    // The event-handler rows need the program's own application object.
    quarl::Application application(argc, argv);
    ErrorDisplayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ErrorDisplayTest.moc"
