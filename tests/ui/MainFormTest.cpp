#include "FormTest.h"
#include "MessageBoxCatcher.h"

#include "counting/Building.h"
#include "ui/ClickNotifier.h"
#include "ui/Guarded.h"
#include "ui/Main.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDevice>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <map>
#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString InputHint = u"Berichte hier einfügen. Idealerweise mit allen \n"
                          u"Zeiten, auch von der ersten Mitteilung.\n"
                          u"\n"
                          u"Derzeit funktioniert nur der Sabo-counter.\n"_s;

// The sixteen result lines for the given counts (building name to count; the rest are 0).
QStringList ResultLines(const std::map<QString, int>& counts = {})
{
    QStringList lines;
    int total = 0;
    for (const auto& entry : quarl::BuildingCatalogue) {
        const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
        const auto found = counts.find(name);
        const int count = found == counts.end() ? 0 : found->second;
        lines.append(u"%1  (%2)"_s.arg(name).arg(count));
        total += count * entry.points;
    }
    lines.append(QString());
    lines.append(u"Gesamt zerstörte Punkte: %1"_s.arg(total));
    return lines;
}

QString Terminated(const QStringList& lines, const QString& lineBreak)
{
    return lines.join(lineBreak) + lineBreak;
}

bool OnWayland()
{
    return QGuiApplication::platformName() == u"wayland"_s;
}

// On Wayland the keyboard focus and the clipboard come with a seat, which headless Weston does not have. Asked
// before the first simulated event, since Qt Test then registers a seatless pointing device of its own.
bool HasSeat()
{
    return !OnWayland() || !QInputDevice::seatNames().isEmpty();
}

constexpr char NoSeat[] = "No seat: on Wayland focus and clipboard need one, and headless Weston has none";

} // namespace

class MainFormTest : public quarl::FormTest
{
    Q_OBJECT

private:
    bool hasSeat_ = true;

    // Metrics of the substituted font scale the layout; these are the sizes for a text height of 13 pixels.
    QRect scaled(const QRect& rect) const
    {
        const int height = form_->fontMetrics().height();
        const auto scale = [height](int pixels) { return (pixels * height + 6) / 13; };
        return {scale(rect.x()), scale(rect.y()), scale(rect.width()), scale(rect.height())};
    }

private slots:
    void initTestCase() { hasSeat_ = HasSeat(); }

    void init() { form_ = std::make_unique<quarl::TMainForm>(); }

    void cleanup() { form_.reset(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Label1") << u"Label1"_s << u"Berichte"_s << true << QRect(16, 0, 49, 16);
        QTest::newRow("Label2") << u"Label2"_s << u"Ergebnis"_s << true << QRect(376, 0, 54, 16);
        QTest::newRow("Input") << u"Input"_s << InputHint << true << QRect(8, 16, 257, 361);
        QTest::newRow("Output") << u"Output"_s << u"Das Ergebnis erscheint hier.\n"_s << true
                                << QRect(368, 16, 257, 361);
        QTest::newRow("Panel1") << u"Panel1"_s << QString() << true << QRect(272, 16, 89, 361);
        QTest::newRow("Sabo") << u"Sabo"_s << u"Sabo"_s << true << QRect(8, 32, 75, 25);
        QTest::newRow("Pluen") << u"Pluen"_s << u"Plünder"_s << false << QRect(8, 64, 75, 25);
        QTest::newRow("Fleet") << u"Fleet"_s << u"Flotten"_s << false << QRect(8, 96, 75, 25);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        QFETCH(QRect, geometry);

        const auto* widget = control<QWidget>(name);
        const char* textProperty = qobject_cast<const QPlainTextEdit*>(widget) != nullptr ? "plainText" : "text";
        QCOMPARE(widget->property(textProperty).toString(), text);
        QCOMPARE(widget->isEnabled(), enabled);
        const QRect expected = scaled(geometry);
        QCOMPARE(widget->pos(), expected.topLeft());
        QCOMPARE(widget->height(), expected.height());
        // Labels grow to the right where the substituted font is wider than the original.
        if (qobject_cast<const QLabel*>(widget) != nullptr)
            QVERIFY(widget->width() >= expected.width());
        else
            QCOMPARE(widget->width(), expected.width());
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("FileOpenItem") << u"FileMenu"_s << u"FileOpenItem"_s << u"Bericht ö&ffnen"_s;
        QTest::newRow("FileSaveAsItem") << u"FileMenu"_s << u"FileSaveAsItem"_s << u"Ergebnis &speichern"_s;
        QTest::newRow("N1") << u"FileMenu"_s << u"N1"_s << QString();
        QTest::newRow("FileExitItem") << u"FileMenu"_s << u"FileExitItem"_s << u"&Beenden"_s;
        QTest::newRow("EditClearMemo") << u"EditMenu"_s << u"EditClearMemo"_s << u"Beide Fenster &leeren"_s;
        QTest::newRow("N3") << u"EditMenu"_s << u"N3"_s << QString();
        QTest::newRow("EditPasteItem") << u"EditMenu"_s << u"EditPasteItem"_s << u"Bericht &Einfügen"_s;
        QTest::newRow("EditUndoItem") << u"EditMenu"_s << u"EditUndoItem"_s << u"Bericht &Rückgängig"_s;
        QTest::newRow("N2") << u"EditMenu"_s << u"N2"_s << QString();
        QTest::newRow("EditCopyResult") << u"EditMenu"_s << u"EditCopyResult"_s << u"Ergebnis &Kopieren"_s;
    }

    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, text);
        const auto* action = control<QAction>(item);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->isSeparator(), text.isEmpty());
        QVERIFY(control<QMenu>(menu)->actions().contains(action));
    }

    void menusAreGreyed_data()
    {
        // Each row is named after its menu.
        QTest::addColumn<QString>("title");
        QTest::newRow("FileMenu") << u"&Oberfläche"_s;
        QTest::newRow("EditMenu") << u"&Editieren"_s;
        QTest::newRow("HelpMenu") << u"&Informationen"_s;
    }

    void menusAreGreyed()
    {
        QFETCH(QString, title);
        const QAction* opener = control<QMenu>(QString::fromLatin1(QTest::currentDataTag()))->menuAction();
        QCOMPARE(opener->text(), title);
        QVERIFY(!opener->isEnabled());
        QVERIFY(control<QWidget>(u"MainMenu"_s)->actions().contains(opener));
    }

    void window()
    {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QCOMPARE(form_->windowHandle()->title(), u"QUARL-Counter Alpha 0.2"_s);
        QCOMPARE(form_->centralWidget()->size(), scaled(QRect(0, 0, 633, 385)).size());
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(form_->size(), form_->minimumSize());
        const Qt::WindowFlags flags = form_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void windowStartsAtItsPlace()
    {
        if (OnWayland())
            QSKIP("Wayland lets the compositor, not the program, place a window");
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QCOMPARE(form_->pos(), QPoint(196, 141));
    }

    void focusStartsInInput()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCOMPARE(QApplication::focusWidget(), input());
        QVERIFY(!input()->textCursor().hasSelection());
    }

    void tabVisitsTheEnabledControlsInOrder()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        const QList<QWidget*> order{output(), sabo(), input()};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void saboOnTheHintGivesZeroCountsEveryTime()
    {
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(sabo(), Qt::LeftButton);
            QCOMPARE(output()->toPlainText(), Terminated(ResultLines(), u"\n"_s));
        }
    }

    void pastedReportIsCounted()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        QGuiApplication::clipboard()->setText(u"Sabotagebericht vom 12.03. 14:02\r\n"
                                              u"Zerstört wurden:\r\n"
                                              u"Raumhafen (2)\r\n"
                                              u"Wohngebäude (5)\r\n"
                                              u"Solarpark und Eisenmine (3)\r\n"
                                              u"Raumhafen\r\n"_s);
        input()->selectAll();
        control<QAction>(u"EditPasteItem"_s)->trigger();
        QTest::mouseClick(sabo(), Qt::LeftButton);
        const QStringList expected =
            ResultLines({{u"Raumhafen"_s, 3}, {u"Wohngebäude"_s, 5}, {u"Solarpark"_s, 3}, {u"Eisenmine"_s, 3}});
        QCOMPARE(output()->toPlainText(), Terminated(expected, u"\n"_s));
    }

    void wrappedLineIsCountedAsSeveralLines()
    {
        // Counted as one line, both names would take the first number in parentheses.
        QString words;
        for (int word = 0; word < 40; ++word)
            words += u" Trümmer"_s;
        input()->setPlainText(u"Raumhafen (2)"_s + words + u" Schiffsfabrik (5)"_s);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        const QStringList expected = ResultLines({{u"Raumhafen"_s, 2}, {u"Schiffsfabrik"_s, 5}});
        QCOMPARE(output()->toPlainText(), Terminated(expected, u"\n"_s));
    }

    void copiedResultEndsEveryLineWithCrLf()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        control<QAction>(u"EditCopyResult"_s)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), Terminated(ResultLines(), u"\r\n"_s));
        QCOMPARE(output()->textCursor().position(), 0);
        QVERIFY(!output()->textCursor().hasSelection());
    }

    void appendedResultIsNotUndoable()
    {
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QVERIFY(!output()->document()->isUndoAvailable());
    }

    void undoRevertsTheLastEditOfInput()
    {
        QTest::keyClicks(input(), u"Bohrturm (4)"_s);
        control<QAction>(u"EditUndoItem"_s)->trigger();
        QCOMPARE(input()->toPlainText(), InputHint);
    }

    void clickIntoInputChangesNoText()
    {
        QSignalSpy clicks(input()->viewport()->findChild<quarl::ClickNotifier*>(), &quarl::ClickNotifier::clicked);
        QTest::mouseClick(input()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(input()->toPlainText(), InputHint);
        QCOMPARE(output()->toPlainText(), u"Das Ergebnis erscheint hier.\n"_s);
    }

    void saveAsShowsTheDialogAndWritesNothing()
    {
        QFileDialog* dialog = nullptr;
        bool wasShown = false;
        QTimer::singleShot(0, form_.get(), [&dialog, &wasShown] {
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            wasShown = dialog->isVisible();
            dialog->reject();
        });
        control<QAction>(u"FileSaveAsItem"_s)->trigger();
        QVERIFY(dialog != nullptr);
        QVERIFY(wasShown);
        QCOMPARE(dialog->objectName(), u"SaveDialog"_s);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->nameFilters(), QStringList{u"Textfile (*.txt)"_s});
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->defaultSuffix().isEmpty());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void exitClosesTheWindow()
    {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        control<QAction>(u"FileExitItem"_s)->trigger();
        QVERIFY(!form_->isVisible());
    }

    void failingCommandIsShownAndTheWindowGoesOn()
    {
        QObject::connect(sabo(), &QPushButton::clicked, form_.get(),
                         quarl::Guarded([] { throw std::runtime_error("Zählung abgebrochen"); }));
        MessageBoxCatcher box;
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QVERIFY(box.shown);
        QCOMPARE(box.text, u"Zählung abgebrochen."_s);

        // The counter ran before the failing command, and the window still answers.
        QCOMPARE(output()->toPlainText(), Terminated(ResultLines(), u"\n"_s));
        MessageBoxCatcher again;
        input()->setPlainText(u"Bohrturm (4)"_s);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QVERIFY(again.shown);
        QCOMPARE(output()->toPlainText(), Terminated(ResultLines({{u"Bohrturm"_s, 4}}), u"\n"_s));
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
