#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace Qt::StringLiterals;

// Starts the built program in the given environment and waits until it ends by itself, not by a crash.
bool RunToItsEnd(QProcess& program, const QProcessEnvironment& environment, const QStringList& arguments = {})
{
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARL_PROGRAM), arguments);
    return program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit;
}

// Runs the built program on the offscreen platform, with StartUpProbe loaded into it to close what it shows.
class ProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void run_data()
    {
        // platformArgument: the platform is named by "-platform offscreen" alone, with no display and no platform in
        // the environment; otherwise by QT_QPA_PLATFORM.
        QTest::addColumn<bool>("platformArgument");
        QTest::addColumn<bool>("failStart");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<int>("exitCode");
        const QString window = u"window: QUARL-Counter Alpha 0.2 | application: QUARL-Counter | icon sizes: "
                               u"32x32 16x16 48x48 64x64 128x128 256x256"_s;
        QTest::newRow("window closed") << false << false << window << 0;
        QTest::newRow("-platform offscreen without a display") << true << false << window << 0;
        QTest::newRow("error escaping start-up")
            << false << true << u"message box: QUARL-Counter | Start abgebrochen."_s << 1;
    }

    void run()
    {
        QFETCH(bool, platformArgument);
        QFETCH(bool, failStart);
        QFETCH(QString, seen);
        QFETCH(int, exitCode);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        QStringList arguments;
        if (platformArgument) {
            for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
                environment.remove(name);
            arguments = QStringList{u"-platform"_s, u"offscreen"_s};
        } else {
            environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        }
        environment.insert(u"LD_PRELOAD"_s, QStringLiteral(QUARL_PROBE));
        // Under AddressSanitizer its runtime would insist on coming before the probe.
        environment.insert(u"ASAN_OPTIONS"_s, environment.value(u"ASAN_OPTIONS"_s) + u":verify_asan_link_order=0"_s);
        if (failStart)
            environment.insert(u"QUARL_PROBE_FAIL"_s, u"1"_s);

        QProcess program;
        QVERIFY(RunToItsEnd(program, environment, arguments));
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed(), seen);
        QCOMPARE(program.exitCode(), exitCode);
    }

    // DISPLAY names a display where no X server answers, as after a server has ended.
    void staleDisplayEndsWithTheProgramsMessage()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"WAYLAND_DISPLAY"_s, u"XAUTHORITY"_s})
            environment.remove(name);
        environment.insert(u"DISPLAY"_s, u":987"_s);
        QProcess program;
        QVERIFY(RunToItsEnd(program, environment));
        QCOMPARE(program.exitCode(), 1);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(errors.endsWith(u"quarl-counter: Die grafische Anzeige lässt sich nicht öffnen. Bitte in einer "
                                 u"Desktop-Sitzung starten.\n"_s),
                 qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
