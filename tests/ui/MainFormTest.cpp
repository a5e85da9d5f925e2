#include "ClickNotifier.h"
#include "ExpectedResult.h"
#include "FormTest.h"
#include "MessageBoxCatcher.h"
#include "QtTranslation.h"

#include "frontend/Guarded.h"
#include "ui/Application.h"
#include "ui/ErrorDisplay.h"
#include "ui/Main.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDevice>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString InputHint = u"Berichte hier einfügen. Idealerweise mit allen \n"
                          u"Zeiten, auch von der ersten Mitteilung.\n"
                          u"\n"
                          u"Derzeit funktioniert nur der Sabo-counter.\n"_s;

// The expected result lines (see ExpectedResultLines), each ended by the line break.
QString ResultText(const quarl::BuildingCounts& counts, int total, const QString& lineBreak)
{
    QString text;
    for (const std::string& line : quarl::ExpectedResultLines(counts, total))
        text += QString::fromStdString(line) + lineBreak;
    return text;
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

// The display lines of a shown edit box, without the empty one after the final line break.
int DisplayLineCount(const QPlainTextEdit& box)
{
    int count = 0;
    for (QTextBlock block = box.document()->firstBlock(); block.isValid(); block = block.next())
        count += block.layout()->lineCount();
    return count - 1;
}

// Presses the keys one after the other, written as QKeySequence writes them ("Alt+O Ctrl+C"); "Alt" alone is pressed
// and released. A letter carries its text, a capital with Shift.
void PressKeys(QWindow* window, const QString& keys)
{
    for (const QString& key : keys.split(u' ')) {
        const QKeyCombination combination =
            key == u"Alt"_s ? QKeyCombination(Qt::AltModifier, Qt::Key_Alt) : QKeySequence(key)[0];
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        const int code = combination.key();
        if (code >= Qt::Key_A && code <= Qt::Key_Z) {
            const char letter = static_cast<char>(modifiers.testFlag(Qt::ShiftModifier) ? code : code - 'A' + 'a');
            QTest::keyClick(window, letter, modifiers);
        } else {
            QTest::keyClick(window, combination.key(), modifiers);
        }
    }
}

// The expected sizes are those of the stand-in font Cantarell, which ./dev installs. One run hides it on purpose
// (QUARL_FALLBACK_FONT set) to check that the window still works with the fallback font.
#define SKIP_WITHOUT_STAND_IN_FONT()                                                                                   \
    if (QFontInfo(form_->font()).family() != u"Cantarell"_s) {                                                         \
        if (!qEnvironmentVariableIsSet("QUARL_FALLBACK_FONT"))                                                         \
            QFAIL("Cantarell (package fonts-cantarell) is not installed");                                             \
        QSKIP("the sizes are those of Cantarell");                                                                     \
    }

} // namespace

class MainFormTest : public quarl::FormTest
{
    Q_OBJECT

private:
    bool hasSeat_ = true;

    // The tables hold sizes for 96, 120 and 144 logical dots per inch; the test runs at each of them.
    template <typename Size>
    Size atDpi(const Size& at96, const Size& at120, const Size& at144) const
    {
        const int dpi = form_->logicalDpiY();
        if (dpi != 96 && dpi != 120 && dpi != 144)
            qFatal("no expected sizes for %d dots per inch", dpi);
        return dpi == 120 ? at120 : dpi == 144 ? at144 : at96;
    }

    void showAndActivate()
    {
        form_->show();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qFatal("the window did not become active");
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
        QTest::addColumn<QRect>("at96");
        QTest::addColumn<QRect>("at120");
        QTest::addColumn<QRect>("at144");
        QTest::newRow("Label1") << u"Label1"_s << u"Berichte"_s << true << QRect(16, 0, 49, 16) << QRect(20, 0, 60, 20)
                                << QRect(23, 0, 72, 23);
        QTest::newRow("Label2") << u"Label2"_s << u"Ergebnis"_s << true << QRect(376, 0, 54, 16)
                                << QRect(463, 0, 66, 20) << QRect(550, 0, 79, 23);
        QTest::newRow("Input") << u"Input"_s << InputHint << true << QRect(8, 16, 257, 361) << QRect(10, 20, 316, 444)
                               << QRect(12, 23, 376, 528);
        QTest::newRow("Output") << u"Output"_s << u"Das Ergebnis erscheint hier.\n"_s << true
                                << QRect(368, 16, 257, 361) << QRect(453, 20, 316, 444) << QRect(538, 23, 376, 528);
        QTest::newRow("Panel1") << u"Panel1"_s << QString() << true << QRect(272, 16, 89, 361)
                                << QRect(335, 20, 110, 444) << QRect(398, 23, 130, 528);
        QTest::newRow("Sabo") << u"Sabo"_s << u"Sabo"_s << true << QRect(8, 32, 75, 25) << QRect(10, 39, 92, 31)
                              << QRect(12, 47, 110, 37);
        QTest::newRow("Pluen") << u"Pluen"_s << u"Plünder"_s << false << QRect(8, 64, 75, 25) << QRect(10, 79, 92, 31)
                               << QRect(12, 94, 110, 37);
        QTest::newRow("Fleet") << u"Fleet"_s << u"Flotten"_s << false << QRect(8, 96, 75, 25) << QRect(10, 118, 92, 31)
                               << QRect(12, 140, 110, 37);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        QFETCH(QRect, at96);
        QFETCH(QRect, at120);
        QFETCH(QRect, at144);

        const auto* widget = control<QWidget>(name);
        const char* textProperty = qobject_cast<const QPlainTextEdit*>(widget) != nullptr ? "plainText" : "text";
        QCOMPARE(widget->property(textProperty).toString(), text);
        QCOMPARE(widget->isEnabled(), enabled);
        SKIP_WITHOUT_STAND_IN_FONT();
        const QRect expected = atDpi(at96, at120, at144);
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
        // Greyed with its menu, so that screen readers do not offer it.
        QVERIFY(action->isSeparator() || !action->isEnabled());
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
        QCOMPARE(form_->windowIconText(), u"QUARL-Counter"_s);
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

    void fontsFollowTheWindowFontOnce()
    {
        SKIP_WITHOUT_STAND_IN_FONT();
        QCOMPARE(form_->fontMetrics().height(), atDpi(13, 16, 19));
        // A label font scaled for the dots per inch twice came out 21 and 29 pixels here, clipped by the label.
        QCOMPARE(QFontInfo(control<QLabel>(u"Label1"_s)->font()).pixelSize(), atDpi(13, 16, 19));
        QCOMPARE(form_->centralWidget()->size(), atDpi(QSize(633, 385), QSize(779, 474), QSize(925, 563)));
    }

    void hintShowsInFourLines()
    {
        SKIP_WITHOUT_STAND_IN_FONT();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QCOMPARE(DisplayLineCount(*input()), 4);
    }

    void textIsNeverClipped_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Label1", "Label2", "Sabo", "Pluen", "Fleet"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void textIsNeverClipped()
    {
        QFETCH(QString, name);
        const auto* widget = control<QWidget>(name);
        const QString text = widget->property("text").toString().remove(u'&');
        const QSize textSize = widget->fontMetrics().size(Qt::TextSingleLine, text);
        QVERIFY2(textSize.width() <= widget->width() && textSize.height() <= widget->height(),
                 qPrintable(u"%1 x %2 text in %3 x %4"_s.arg(textSize.width())
                                .arg(textSize.height())
                                .arg(widget->width())
                                .arg(widget->height())));
    }

    void altKeysLeaveTheKeyboardWithInput_data()
    {
        // Keys pressed one after the other; "Alt" alone is pressed and released.
        QTest::addColumn<QString>("keys");
        QTest::newRow("menu letter twice") << u"Alt+O Alt+O"_s;
        QTest::newRow("two menu letters") << u"Alt+E Alt+I"_s;
        QTest::newRow("Alt, then a menu letter") << u"Alt Alt+O"_s;
        QTest::newRow("Alt, Escape, Alt") << u"Alt Esc Alt"_s;
        QTest::newRow("letter of no menu") << u"Alt+X Alt+X Esc"_s;
        QTest::newRow("menu letter with Shift") << u"Alt+Shift+O Alt+Shift+E"_s;
        QTest::newRow("letter of no menu with Shift") << u"Alt+Shift+X Alt+Shift+B"_s;
        QTest::newRow("Alt, then a letter with Shift") << u"Alt Alt+Shift+I"_s;
    }

    void altKeysLeaveTheKeyboardWithInput()
    {
        QFETCH(QString, keys);
        if (!hasSeat_)
            QSKIP(NoSeat);
        showAndActivate();
        PressKeys(form_->windowHandle(), keys);
        QTest::keyClicks(QApplication::focusWidget(), u"Bohrturm"_s);
        QCOMPARE(QApplication::focusWidget(), input());
        QCOMPARE(input()->toPlainText(), u"Bohrturm"_s + InputHint);
    }

    void altGrTypesItsCharacters()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        showAndActivate();
        input()->clear();
        // AltGr reaches programs as Ctrl+Alt on some systems; on a German keyboard it types these.
        for (const char c : {'@', '{', '[', ']', '}', '\\', '~', '|'})
            QTest::keyClick(form_->windowHandle(), c, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(input()->toPlainText(), u"@{[]}\\~|"_s);
    }

    void keyOnFocusedButtonClicksIt_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }

    void keyOnFocusedButtonClicksIt()
    {
        QFETCH(Qt::Key, key);
        if (!hasSeat_)
            QSKIP(NoSeat);
        showAndActivate();
        sabo()->setFocus();
        QSignalSpy clicks(sabo(), &QPushButton::clicked);
        QTest::keyClick(form_->windowHandle(), key);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(output()->toPlainText(), ResultText({}, 0, u"\n"_s));
    }

    void copyingTheResultScrollsBackToItsTop()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        showAndActivate();
        output()->setPlainText(u"Zeile\n"_s.repeated(100));
        QScrollBar* scrollBar = output()->verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum());
        QVERIFY(scrollBar->value() > 0);
        choose(u"EditCopyResult"_s);
        QCOMPARE(scrollBar->value(), 0);
    }

    void copyGivesPlainTextOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Input") << u"Input"_s;
        QTest::newRow("Output") << u"Output"_s;
    }

    void copyGivesPlainTextOnly()
    {
        QFETCH(QString, name);
        if (!hasSeat_)
            QSKIP(NoSeat);
        auto* box = control<QPlainTextEdit>(name);
        box->selectAll();
        box->copy();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->formats(), QStringList{u"text/plain"_s});
        QCOMPARE(copied->text(), box->toPlainText());
    }

    void qtTextsAreGerman_data()
    {
        // The row without the translation comes first: a translation, once installed, stays for the program's run.
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("undo");
        QTest::newRow("translation missing") << false << u"&Undo"_s;
        QTest::newRow("translation installed") << true << u"&Rückgängig"_s;
    }

    void qtTextsAreGerman()
    {
        QFETCH(bool, installed);
        QFETCH(QString, undo);
        const QTemporaryDir empty;
        const QString directory = installed ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : empty.path();
        QCOMPARE(quarl::InstallGermanQtTexts(*qApp, directory), installed);
        const std::unique_ptr<QMenu> menu(input()->createStandardContextMenu());
        QVERIFY(menu->actions().value(0)->text().startsWith(undo));
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

    // Output is read-only, yet the keyboard reaches it from Input, selects and copies.
    void outputIsSelectedAndCopiedByKeys()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        showAndActivate();
        // The keys pressed after Tab, and what they copy.
        const std::pair<QString, QString> rows[] = {
            {u"Ctrl+A Ctrl+C"_s, u"Das Ergebnis erscheint hier.\n"_s},
            {u"Ctrl+Home Ctrl+Right Shift+Ctrl+Right Ctrl+C"_s, u"Ergebnis "_s},
            {u"Ctrl+Home Shift+End Ctrl+C"_s, u"Das Ergebnis erscheint hier."_s},
        };
        for (const auto& [keys, copied] : rows) {
            input()->setFocus();
            QGuiApplication::clipboard()->setText(u"vorher"_s);
            PressKeys(form_->windowHandle(), u"Tab "_s + keys);
            QCOMPARE(QApplication::focusWidget(), output());
            const QString clipboard = QGuiApplication::clipboard()->text();
            QVERIFY2(clipboard == copied, qPrintable(u"%1 copied \"%2\""_s.arg(keys, clipboard)));
        }
    }

    void saboOnTheHintGivesZeroCountsEveryTime()
    {
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(sabo(), Qt::LeftButton);
            QCOMPARE(output()->toPlainText(), ResultText({}, 0, u"\n"_s));
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
        choose(u"EditPasteItem"_s);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QCOMPARE(output()->toPlainText(),
                 ResultText({{"Raumhafen", 3}, {"Wohngebäude", 5}, {"Solarpark", 3}, {"Eisenmine", 3}}, 20, u"\n"_s));
    }

    void wrappedLineIsCountedAsSeveralLines()
    {
        // Counted as one line, both names would take the first number in parentheses.
        QString words;
        for (int word = 0; word < 40; ++word)
            words += u" Trümmer"_s;
        input()->setPlainText(u"Raumhafen (2)"_s + words + u" Schiffsfabrik (5)"_s);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QCOMPARE(output()->toPlainText(), ResultText({{"Raumhafen", 2}, {"Schiffsfabrik", 5}}, 21, u"\n"_s));
    }

    // A line without blanks that is wider than the box is wrapped all the same, so "(7)" ends up on a later display
    // line, away from the name; unwrapped, Raumhafen would count 7.
    void lineWithoutBlanksIsWrappedAnywhere()
    {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        input()->selectAll();
        QTest::keyClicks(input(), u"Raumhafen"_s + QString(300, u'x') + u"(7)"_s);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QCOMPARE(output()->toPlainText(), ResultText({{"Raumhafen", 1}}, 3, u"\n"_s));
    }

    void copiedResultEndsEveryLineWithCrLf()
    {
        if (!hasSeat_)
            QSKIP(NoSeat);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        choose(u"EditCopyResult"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), ResultText({}, 0, u"\r\n"_s));
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
        choose(u"EditUndoItem"_s);
        QCOMPARE(input()->toPlainText(), InputHint);
    }

    void clickIntoInputChangesNoText()
    {
        QSignalSpy clicks(input()->viewport()->findChild<quarl::ClickNotifier*>(), &quarl::ClickNotifier::clicked);
        // Only the left button clicks; the right one opens the context menu, the middle one pastes on X11.
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
            QTest::mouseClick(input()->viewport(), button, {}, QPoint(5, 5));
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
        choose(u"FileSaveAsItem"_s);
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
        choose(u"FileExitItem"_s);
        QVERIFY(!form_->isVisible());
    }

    void failingCommandIsShownAndTheWindowGoesOn()
    {
        QObject::connect(sabo(), &QPushButton::clicked, form_.get(), [] {
            quarl::Guarded(quarl::ShowError, [] { throw std::runtime_error("Zählung abgebrochen"); });
        });
        MessageBoxCatcher box;
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QVERIFY(box.shown);
        QCOMPARE(box.text, u"Zählung abgebrochen."_s);

        // The counter ran before the failing command, and the window still answers.
        QCOMPARE(output()->toPlainText(), ResultText({}, 0, u"\n"_s));
        MessageBoxCatcher again;
        input()->setPlainText(u"Bohrturm (4)"_s);
        QTest::mouseClick(sabo(), Qt::LeftButton);
        QVERIFY(again.shown);
        QCOMPARE(output()->toPlainText(), ResultText({{"Bohrturm", 4}}, 4, u"\n"_s));
    }
};

// Unlike QTEST_MAIN, fonts follow the screen's dots per inch here: the layout tables are run at 96, 120 and 144.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quarl::UseProgramFont();
    MainFormTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "MainFormTest.moc"
