#include "DisplayLineReading.h"
#include "FindControl.h"
#include "PlainTextBoxLines.h"

#include "counting/SaboCounter.h"
#include "ui/Application.h"
#include "ui/Main.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <random>

using namespace Qt::StringLiterals;

namespace {

std::vector<std::string> DisplayLines(const QPlainTextEdit& box)
{
    quarl::PlainTextBoxLayout layout(box);
    return quarl::LaidOutDisplayLines(layout);
}

QStringList Lines(const QPlainTextEdit& box)
{
    QStringList lines;
    for (const std::string& line : DisplayLines(box))
        lines.append(QString::fromStdString(line));
    return lines;
}

// The lines as the box itself has laid them out on screen.
QStringList ShownLines(const QPlainTextEdit& box)
{
    QStringList lines;
    const QTextDocument& document = *box.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        document.documentLayout()->blockBoundingRect(block);
        const QTextLayout& layout = *block.layout();
        for (int index = 0; index < layout.lineCount(); ++index) {
            const QTextLine line = layout.lineAt(index);
            QString text = block.text().mid(line.textStart(), line.textLength());
            if (text.endsWith(QChar::LineSeparator))
                text.chop(1);
            lines.append(text);
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Report-like text of many lines, some far wider than the box, with words too long to break at a blank.
QString LongText()
{
    QString text;
    for (int line = 0; line < 300; ++line) {
        text += u"%1: Eisenmine (%2) "_s.arg(line).arg(line % 7);
        text += QString(u"Trümmer "_s).repeated(line % 13);
        if (line % 11 == 0)
            text += QString(90 + line % 40, u'x');
        if (line % 17 == 0)
            text += u"\u00A0Raumhafen\u00A0(1)"_s;
        text += u'\n';
    }
    return text;
}

// Random report text whose lines wrap at all kinds of places: names cut by a wrap, long words, line separators,
// tabs, NUL, marks, characters from fallback fonts and lines just shorter or longer than the box.
QString RandomReports(unsigned seed)
{
    static const QString pieces[] = {
        u"Eisenmine"_s,
        u"Raumhafen"_s,
        u"Wohngebäude"_s,
        u"Wohngeba\u0308ude"_s,
        u"Kohlenstoffgewinnungsanlage"_s,
        u"Forschungszentrum"_s,
        u"Bohr"_s,
        u"turm"_s,
        u" "_s,
        u" "_s,
        u"  "_s,
        u"(3)"_s,
        u"($1A)"_s,
        u"("_s,
        u")"_s,
        u"12:04:55"_s,
        u"zerstört"_s,
        u"und"_s,
        u"\u2028"_s,
        u"\t"_s,
        u"\u00A0"_s,
        u"\u0301"_s,
        u"破壊"_s,
        u"\0"_s,
        u"WWWWWWWWWW"_s,
        u"iiiiiiiiii"_s,
        u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"_s,
        u"\n"_s,
        u"\n"_s,
    };
    std::mt19937 random(seed);
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += pieces[random() % std::size(pieces)];
    return text;
}

std::vector<std::string> CountedAllLines(const QPlainTextEdit& box)
{
    return quarl::CountSaboReports(DisplayLines(box));
}

std::vector<std::string> CountedQuickly(const QPlainTextEdit& box)
{
    quarl::SaboCounter counter;
    quarl::ForEachDisplayLine(box, quarl::CanChangeCount, [&counter](std::string_view line) { counter.AddLine(line); });
    return counter.ResultLines();
}

std::vector<std::string> FilteredLines(const QPlainTextEdit& box, quarl::TextLineFilter wanted)
{
    quarl::PlainTextBoxLayout layout(box);
    return quarl::ReadDisplayLines(layout, wanted);
}

QPlainTextEdit* Input(const quarl::TMainForm& form)
{
    return quarl::FindControl<QPlainTextEdit>(form, u"Input"_s);
}

} // namespace

class EditBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quarl::UseProgramFont(); }

    void displayLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty box") << u""_s << QStringList{};
        QTest::newRow("one line break") << u"\n"_s << QStringList{u""_s};
        QTest::newRow("no final line break") << u"Bohrturm"_s << QStringList{u"Bohrturm"_s};
        QTest::newRow("final line break") << u"Bohrturm\n"_s << QStringList{u"Bohrturm"_s};
        QTest::newRow("final empty line") << u"Bohrturm\n\n"_s << QStringList{u"Bohrturm"_s, u""_s};
        QTest::newRow("empty line inside") << u"a\n\nb"_s << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("line separator") << u"a\u2028b\n"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("no-break space") << u"Raumhafen\u00A0(2)"_s << QStringList{u"Raumhafen\u00A0(2)"_s};
        QTest::newRow("decomposed umlaut") << u"Wohngeba\u0308ude (3)"_s << QStringList{u"Wohngebäude (3)"_s};
        // One character with thousands of marks cannot be wrapped, so only the cut shortens it.
        QTest::newRow("cut at 4096 characters")
            << u"e"_s + QString(5000, QChar(0x0301)) << QStringList{u"é"_s + QString(4095, QChar(0x0301))};
    }

    void displayLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const quarl::TMainForm form;
        Input(form)->setPlainText(text);
        QCOMPARE(Lines(*Input(form)), lines);
    }

    void wideLineGivesSeveralDisplayLines()
    {
        const quarl::TMainForm form;
        const QString line = QString(u"Eisenmine (1) "_s).repeated(30);
        Input(form)->setPlainText(line);
        const QStringList lines = Lines(*Input(form));
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), line);
    }

    void neverShownEqualsScrolledThrough_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("hint as the window starts") << QString() << false;
        QTest::newRow("long report") << LongText() << true;
    }

    void neverShownEqualsScrolledThrough()
    {
        QFETCH(QString, text);
        QFETCH(bool, wraps);
        const quarl::TMainForm hidden;
        quarl::TMainForm shown;
        if (!text.isNull()) {
            Input(hidden)->setPlainText(text);
            Input(shown)->setPlainText(text);
        }
        const QStringList neverShown = Lines(*Input(hidden));
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const QStringList beforeScrolling = Lines(*Input(shown));

        QScrollBar* scrollBar = Input(shown)->verticalScrollBar();
        for (int value = 0; value <= scrollBar->maximum(); value += scrollBar->pageStep()) {
            scrollBar->setValue(value);
            QCoreApplication::processEvents();
        }
        const QStringList shownLines = ShownLines(*Input(shown));
        QCOMPARE(shownLines.size() > Input(shown)->document()->blockCount() - 1, wraps);
        QCOMPARE(Lines(*Input(shown)), shownLines);
        QCOMPARE(beforeScrolling, shownLines);
        QCOMPARE(neverShown, shownLines);
    }

    void quickCountEqualsCountingEveryLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("long report") << LongText();
        for (unsigned seed = 1; seed <= 12; ++seed)
            QTest::addRow("random text %u", seed) << RandomReports(seed);
        int row = 0;
        for (const std::u16string& text : quarl::QuickCheckTexts(u"\n"))
            QTest::addRow("quick check text %d", ++row) << QString::fromStdU16String(text);
    }

    void quickCountEqualsCountingEveryLine()
    {
        QFETCH(QString, text);
        quarl::TMainForm form;
        Input(form)->setPlainText(text);
        QCOMPARE(CountedQuickly(*Input(form)), CountedAllLines(*Input(form)));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(CountedQuickly(*Input(form)), CountedAllLines(*Input(form)));
    }

    // Taking narrow lines whole must give exactly the lines the full layout gives, empty lines included.
    void quickLinesEqualLayingOutEveryLine_data() { quickCountEqualsCountingEveryLine_data(); }

    void quickLinesEqualLayingOutEveryLine()
    {
        QFETCH(QString, text);
        quarl::TMainForm form;
        Input(form)->setPlainText(text);
        QCOMPARE(FilteredLines(*Input(form), quarl::EveryTextLine), DisplayLines(*Input(form)));
    }

    // Lines the shown box has laid out itself are read from its layout, also after an edit or a new wrap width.
    void shownBoxGivesTheLinesOfLayingOutEveryLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("change");
        const QString noBlanks = QString(u"Raumhafen(2)"_s).repeated(2000);
        QTest::newRow("line without blanks") << noBlanks << QString();
        QTest::newRow("line without blanks, edited") << noBlanks << u"edit"_s;
        QTest::newRow("line without blanks, other width") << noBlanks << u"narrow"_s;
        QTest::newRow("long report, edited") << LongText() << u"edit"_s;
        QTest::newRow("random text") << RandomReports(7) << QString();
    }

    void shownBoxGivesTheLinesOfLayingOutEveryLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, change);
        quarl::TMainForm form;
        QPlainTextEdit& box = *Input(form);
        box.setPlainText(text);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (change == u"edit"_s) {
            QTextCursor cursor(box.document());
            cursor.setPosition(1000);
            cursor.insertText(u" Eisenmine (4) "_s);
        } else if (change == u"narrow"_s) {
            box.document()->setDocumentMargin(30);
        }
        QCOMPARE(FilteredLines(box, quarl::EveryTextLine), DisplayLines(box));
    }

    void filterSeesWholeTextLines()
    {
        quarl::TMainForm form;
        const QString wide = u"Bohrturm "_s + QString(u"trümmer "_s).repeated(60) + u"(4)"_s;
        Input(form)->setPlainText(u"Raumhafen (1)\n\n"_s + wide + u"\nkein Gebäude\n"_s);
        const auto startsWithCapital = [](std::string_view line) {
            return !line.empty() && line[0] >= 'A' && line[0] <= 'Z';
        };
        std::vector<std::string> expected = DisplayLines(*Input(form));
        QVERIFY(expected.size() > 4);
        expected.erase(expected.begin() + 1);
        expected.pop_back();
        QCOMPARE(FilteredLines(*Input(form), startsWithCapital), expected);
    }

    void appendLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty box") << u""_s << u"Neu\n"_s;
        QTest::newRow("after a line break") << u"Alt\n"_s << u"Alt\nNeu\n"_s;
        QTest::newRow("after a line separator") << u"Alt\u2028"_s << u"Alt\u2028Neu\n"_s;
        QTest::newRow("no final line break") << u"Alt"_s << u"Alt\nNeu"_s;
    }

    void appendLine()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QPlainTextEdit box;
        box.setPlainText(before);
        quarl::AppendLine(box, u"Neu"_s);
        QCOMPARE(box.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'), after);
        QVERIFY(!box.document()->isUndoAvailable());
    }
};

QTEST_MAIN(EditBoxTest)
#include "EditBoxTest.moc"
