#include "FormTest.h"
#include "ResultText.h"
#include "Wrapping.h"

#include "ui/Application.h"
#include "ui/Main.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

namespace {

enum class Paste {
    SetPlainText,
    ClipboardText,
    // Raw bytes as "text/plain" on the clipboard, decoded by the paste the way another program's copy would be.
    ClipboardBytes,
};

using Counts = QMap<QString, int>;

constexpr qsizetype MegaByte = 1024 * 1024;

QByteArray RandomBytes(qsizetype size, std::uint32_t seed)
{
    std::mt19937 engine(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype at = 0; at < size; at += 4) {
        const auto word = static_cast<std::uint32_t>(engine());
        std::memcpy(bytes.data() + at, &word, std::size_t(std::min<qsizetype>(4, size - at)));
    }
    return bytes;
}

// Ends a text with a known report line, so that a count shows the whole text was read.
const QString LastLine = u"\nBohrturm (5)\n"_s;

// Printable ASCII without the blank: the line breaks only where punctuation allows it.
QString RandomWord(qsizetype size, std::uint32_t seed)
{
    std::mt19937 engine(seed);
    QString word(size, Qt::Uninitialized);
    for (QChar& character : word)
        character = QChar(static_cast<char16_t>(u'!' + engine() % 94));
    return word;
}

QString WithChar(const QString& text, char16_t placeholder, QChar replacement)
{
    QString result = text;
    return result.replace(QChar(placeholder), replacement);
}

} // namespace

Q_DECLARE_METATYPE(Paste)

class RobustnessTest : public quarl::FormTest
{
    Q_OBJECT

private:
    void paste(const QString& text, Paste how)
    {
        if (how == Paste::SetPlainText) {
            input()->setPlainText(text);
            return;
        }
        if (how == Paste::ClipboardText) {
            QGuiApplication::clipboard()->setText(text);
        } else {
            auto* data = new QMimeData;
            data->setData(u"text/plain"_s, text.toLatin1());
            QGuiApplication::clipboard()->setMimeData(data);
        }
        input()->selectAll();
        choose(u"EditPasteItem"_s);
    }

    // Clicks Sabo and compares the shown counts with the expected ones (every other building 0).
    void countsAre(const Counts& expected)
    {
        QTest::mouseClick(sabo(), Qt::LeftButton);
        const quarl::ResultCounts result = quarl::ReadResultText(output()->toPlainText());
        QVERIFY2(result.error.empty(), result.error.c_str());
        QStringList shown;
        QStringList wanted;
        for (std::size_t index = 0; index < quarl::BuildingTypeCount; ++index) {
            const auto name = quarl::BuildingCatalogue[index].name;
            const QString building = QString::fromUtf8(name.data(), qsizetype(name.size()));
            shown.append(u"%1 %2"_s.arg(building).arg(result.counts[index]));
            wanted.append(u"%1 %2"_s.arg(building).arg(expected.value(building, 0)));
        }
        QCOMPARE(shown, wanted);
    }

private slots:
    void initTestCase() { quarl::UseProgramFont(); }

    void init()
    {
        form_ = std::make_unique<quarl::TMainForm>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void pastedTextIsCountedAndTheWindowGoesOn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Paste>("how");
        QTest::addColumn<Counts>("counts");

        const QByteArray randomBytes = RandomBytes(10 * MegaByte, 20240611);
        QTest::newRow("10 MB random bytes as UTF-8")
            << QString::fromUtf8(randomBytes) + LastLine << Paste::SetPlainText << Counts{{u"Bohrturm"_s, 5}};
        QTest::newRow("10 MB random bytes as Latin-1")
            << QString::fromLatin1(randomBytes) + LastLine << Paste::SetPlainText << Counts{{u"Bohrturm"_s, 5}};
        QTest::newRow("random bytes on the clipboard")
            << QString::fromLatin1(RandomBytes(MegaByte / 4, 7) + LastLine.toLatin1()) << Paste::ClipboardBytes
            << Counts{{u"Bohrturm"_s, 5}};

        // Overlong forms, encoded surrogates, stray continuation bytes, bytes that never occur, a cut-off sequence.
        QTest::newRow("invalid UTF-8") << QString::fromLatin1("Raumhafen (2) \xC0\xAF\xE0\x80\xAF\n"
                                                              "\xED\xA0\x80Solarpark (3)\x80\xBF\n"
                                                              "\xF8\x88\x80\x80\x80 Eisenmine\xFF(4)\n"
                                                              "Wohnge\xC3"
                                                              "bude (9)\n"
                                                              "\xF4\x90\x80\x80\xE2\x82")
                                       << Paste::ClipboardBytes
                                       << Counts{{u"Raumhafen"_s, 2}, {u"Solarpark"_s, 3}, {u"Eisenmine"_s, 4}};
        QTest::newRow("lone surrogates") << WithChar(u"Raumhafen \u0001(5)\n\u0001Bohrturm (2)\u0001\n\u0001"_s,
                                                     u'\u0001', QChar(0xD800)) +
                                                WithChar(u"Eisenmine (\u0002)\n"_s, u'\u0002', QChar(0xDC00))
                                         << Paste::ClipboardText
                                         << Counts{{u"Raumhafen"_s, 5}, {u"Bohrturm"_s, 2}, {u"Eisenmine"_s, 1}};
        QTest::newRow("NUL characters")
            << WithChar(u"Raumhafen\u0001(3)\n\u0001\u0001Bohrturm (4)\u0001\nSolar\u0001park (6)\n\u0001"_s, u'\u0001',
                        QChar(0))
            << Paste::ClipboardText << Counts{{u"Raumhafen"_s, 3}, {u"Bohrturm"_s, 4}};
        QTest::newRow("100,000 empty lines")
            << QString(100'000, u'\n') + u"Bohrturm (1)"_s << Paste::ClipboardText << Counts{{u"Bohrturm"_s, 1}};
        // Punctuation gives the line break opportunities; the name stays whole on the first display line.
        QTest::newRow("1 MB line without blanks")
            << u"Raumhafen(7)"_s + RandomWord(MegaByte, 11) << Paste::ClipboardText << Counts{{u"Raumhafen"_s, 7}};
        // Without any break opportunity Qt's line breaking takes time quadratic in the line's length, in the box's
        // own layout as in the count, so this line is kept short.
        QTest::newRow("64 KB line without a break opportunity")
            << u"Raumhafen(7)"_s + QString(64 * 1024, u'x') << Paste::SetPlainText << Counts{{u"Raumhafen"_s, 7}};

        QTest::newRow("right-to-left text") << u"שלום Raumhafen (3) مرحبا\n"
                                               u"\u202EBohrturm (4)\u202C\n"
                                               u"עברית (9) Solarpark\n"
                                               u"Eisenmine (٣)\n"
                                               u"\u200F(2)\u200F Chemiefabrik\u200E\n"_s
                                            << Paste::ClipboardText
                                            << Counts{{u"Raumhafen"_s, 3},
                                                      {u"Bohrturm"_s, 4},
                                                      {u"Solarpark"_s, 9},
                                                      {u"Eisenmine"_s, 1},
                                                      {u"Chemiefabrik"_s, 2}};
        QTest::newRow("combining marks") << u"Wohngeba\u0308ude (2)\n"
                                            u"Eisenmine (2)\u0301\u0302\u0303\n"_s +
                                                u"Z"_s + QString(u"\u0351\u0352\u0353\u0354"_s).repeated(500) +
                                                u"\n"_s + u"e"_s + QString(5000, QChar(0x0301)) +
                                                u"\nRecyclinganlage (6)\n"_s
                                         << Paste::ClipboardText
                                         << Counts{
                                                {u"Wohngebäude"_s, 2}, {u"Eisenmine"_s, 2}, {u"Recyclinganlage"_s, 6}};

        QTest::newRow("numbers at and past the 32-bit limits")
            << u"Raumhafen (2147483647)\n"
               u"Raumhafen (2147483647)\n"
               u"Bohrturm (-2147483648)\n"
               u"Eisenmine (2147483648)\n"
               u"Solarpark (-2147483649)\n"
               u"Chemiefabrik ($FFFFFFFF)\n"
               u"Rohstofflager (4294967296)\n"
               u"Schiffsfabrik (2147483647)\n"
               u"Schiffsfabrik (1)\n"
               u"Waffenfabrik (99999999999999999999)\n"_s
            << Paste::ClipboardText
            << Counts{{u"Raumhafen"_s, -2},          {u"Bohrturm"_s, INT_MIN}, {u"Eisenmine"_s, 1},
                      {u"Solarpark"_s, 1},           {u"Chemiefabrik"_s, -1},  {u"Rohstofflager"_s, 1},
                      {u"Schiffsfabrik"_s, INT_MIN}, {u"Waffenfabrik"_s, 1}};
    }

    void pastedTextIsCountedAndTheWindowGoesOn()
    {
        QFETCH(QString, text);
        QFETCH(Paste, how);
        QFETCH(Counts, counts);

        paste(text, how);
        countsAre(counts);
        if (QTest::currentTestFailed())
            return;

        // The window still answers: events are handled, Input takes typing and a second click counts it.
        QCoreApplication::processEvents();
        QVERIFY(form_->isVisible());
        input()->moveCursor(QTextCursor::End);
        QTest::keyClick(input(), Qt::Key_Return);
        QTest::keyClicks(input(), u"Bohrturm (1)"_s);
        QCOMPARE(input()->document()->lastBlock().text(), u"Bohrturm (1)"_s);
        counts[u"Bohrturm"_s] = quarl::Wrapped(std::int64_t{counts.value(u"Bohrturm"_s)} + 1);
        countsAre(counts);
    }
};

QTEST_MAIN(RobustnessTest)
#include "RobustnessTest.moc"
