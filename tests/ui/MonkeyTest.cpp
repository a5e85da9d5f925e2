#include "FindControl.h"
#include "ResultText.h"

#include "ui/Application.h"
#include "ui/Main.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int Steps = 5000;
constexpr std::uint32_t Seed = 20240611;
// Select all, copy and paste can double Input again and again; past this length the monkey empties it.
constexpr int MaxInputLength = 20'000;

const QString InitialOutput = u"Das Ergebnis erscheint hier.\n"_s;

// Random choices from one seed. Only the engine's own sequence is used, which the standard fixes, so every
// platform runs the same events.
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    std::size_t below(std::size_t count) { return static_cast<std::size_t>(engine_() % count); }

    template <typename List>
    const auto& pick(const List& items)
    {
        return *(std::begin(items) + std::ptrdiff_t(below(static_cast<std::size_t>(std::size(items)))));
    }

private:
    std::mt19937 engine_;
};

// What random text is made of: building names and numbers the counter reads, and characters that are hard to lay
// out or to count (line and paragraph breaks, marks, right-to-left text, NUL, surrogates, 32-bit limits).
const QStringList TextPieces = QStringList{
    u"Raumhafen"_s,
    u"Wohngebäude"_s,
    u"Wohngeba\u0308ude"_s,
    u"Solarpark"_s,
    u"Schiffsfabrik"_s,
    u"Bohrturm"_s,
    u"Eisenmine"_s,
    u"Forschungszentrum"_s,
    u"("_s,
    u")"_s,
    u"-"_s,
    u"$"_s,
    u"0"_s,
    u"7"_s,
    u"42"_s,
    u"2147483647"_s,
    u"-2147483648"_s,
    u"FFFFFFFF"_s,
    u" "_s,
    u"  "_s,
    u"\n"_s,
    u"\r\n"_s,
    u"\t"_s,
    u"\u2028"_s,
    u"\u2029"_s,
    u"\u00A0"_s,
    u"\u0301"_s,
    u"שלום"_s,
    u"مرحبا"_s,
    u"\u202E"_s,
    u"\u200F"_s,
    u"Zerstört:"_s,
    u"\0"_s,
    u"\uFFFD"_s,
    u"\U0001F600"_s,
    u"xxxxxxxxxxxx"_s,
    u"Trümmer "_s,
    u"Sabotage"_s,
    u"ß"_s,
};

QString RandomText(Dice& dice, std::size_t maxPieces)
{
    QString text;
    for (std::size_t count = dice.below(maxPieces) + 1; count > 0; --count)
        text += dice.pick(TextPieces);
    return text;
}

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

constexpr std::array EditingKeys{
    Key{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    Key{Qt::Key_Delete, Qt::NoModifier, "Delete"},
    Key{Qt::Key_Left, Qt::NoModifier, "Left"},
    Key{Qt::Key_Right, Qt::NoModifier, "Right"},
    Key{Qt::Key_Up, Qt::NoModifier, "Up"},
    Key{Qt::Key_Down, Qt::NoModifier, "Down"},
    Key{Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    Key{Qt::Key_Right, Qt::ShiftModifier, "Shift+Right"},
    Key{Qt::Key_Home, Qt::NoModifier, "Home"},
    Key{Qt::Key_End, Qt::NoModifier, "End"},
    Key{Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    Key{Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    Key{Qt::Key_Return, Qt::NoModifier, "Return"},
    Key{Qt::Key_Tab, Qt::NoModifier, "Tab"},
    Key{Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    Key{Qt::Key_Escape, Qt::NoModifier, "Escape"},
    Key{Qt::Key_Space, Qt::NoModifier, "Space"},
    Key{Qt::Key_Insert, Qt::NoModifier, "Insert"},
};

// Editing shortcuts, and the keys that would open the menus if they were enabled.
constexpr std::array ShortcutKeys{
    Key{Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    Key{Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    Key{Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    Key{Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    Key{Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    Key{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    Key{Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    Key{Qt::Key_End, Qt::ControlModifier, "Ctrl+End"},
    Key{Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Home"},
    Key{Qt::Key_O, Qt::AltModifier, "Alt+O"},
    Key{Qt::Key_E, Qt::AltModifier, "Alt+E"},
    Key{Qt::Key_I, Qt::AltModifier, "Alt+I"},
    Key{Qt::Key_Alt, Qt::NoModifier, "Alt"},
    Key{Qt::Key_F10, Qt::NoModifier, "F10"},
};

enum class Action {
    Type,
    EditingKey,
    Shortcut,
    Click,
    DoubleClick,
    MenuClick,
    ContextMenu,
    PasteRandomText,
    ClickSabo,
};

// How often each action comes up, out of the sum of the weights.
constexpr std::array<std::pair<Action, std::size_t>, 9> ActionWeights{{
    {Action::Type, 24},
    {Action::EditingKey, 20},
    {Action::Shortcut, 12},
    {Action::Click, 15},
    {Action::DoubleClick, 4},
    {Action::MenuClick, 5},
    {Action::ContextMenu, 3},
    {Action::PasteRandomText, 8},
    {Action::ClickSabo, 9},
}};

Action RandomAction(Dice& dice)
{
    std::size_t total = 0;
    for (const auto& [action, weight] : ActionWeights)
        total += weight;
    std::size_t roll = dice.below(total);
    for (const auto& [action, weight] : ActionWeights) {
        if (roll < weight)
            return action;
        roll -= weight;
    }
    return Action::ClickSabo;
}

QPoint RandomPoint(Dice& dice, const QWidget& widget)
{
    return {int(dice.below(std::size_t(std::max(1, widget.width())))),
            int(dice.below(std::size_t(std::max(1, widget.height()))))};
}

QString Described(const QWidget* widget)
{
    if (widget == nullptr)
        return u"nothing"_s;
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private:
    QPointer<quarl::TMainForm> form_;
    QPlainTextEdit* input_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    QPushButton* sabo_ = nullptr;
    QList<QMenu*> menus_;
    QList<QWidget*> targets_;
    // A modal window that showed up during a step; no command of the window should open one.
    QString modalSeen_;

    template <typename Control>
    Control* control(const QString& name) const
    {
        return quarl::FindControl<Control>(*form_, name);
    }

    QWidget* keyTarget() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : form_.data();
    }

    void click(QWidget* widget, const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(widget, button, Qt::NoModifier, at);
    }

    // Opens the standard context menu of an edit box and picks one of its items with the keyboard, or none.
    QString useContextMenu(Dice& dice)
    {
        QPlainTextEdit* box = dice.below(2) == 0 ? input_ : output_;
        const QPoint at = RandomPoint(dice, *box->viewport());
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->viewport()->mapToGlobal(at));
        QApplication::sendEvent(box->viewport(), &event);
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr)
            return u"context menu of %1 (none opened)"_s.arg(box->objectName());
        const std::size_t downs = dice.below(10);
        for (std::size_t count = 0; count < downs; ++count)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, downs == 0 ? Qt::Key_Escape : Qt::Key_Return);
        return u"context menu of %1, item %2"_s.arg(box->objectName()).arg(downs);
    }

    QString act(Dice& dice)
    {
        switch (RandomAction(dice)) {
        case Action::Type: {
            const QString text = RandomText(dice, 3);
            QWidget* target = keyTarget();
            for (const QChar character : text)
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
            return u"type \"%1\" into %2"_s.arg(text, Described(target));
        }
        case Action::EditingKey:
        case Action::Shortcut: {
            const Key& key = dice.below(5) < 3 ? dice.pick(EditingKeys) : dice.pick(ShortcutKeys);
            QWidget* target = keyTarget();
            QTest::keyClick(target, key.key, key.modifiers);
            return u"key %1 to %2"_s.arg(QLatin1StringView(key.name), Described(target));
        }
        case Action::Click:
        case Action::DoubleClick: {
            QWidget* target = dice.pick(targets_);
            const QPoint at = RandomPoint(dice, *target);
            if (dice.below(4) == 0) {
                QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
                return u"double click on %1"_s.arg(Described(target));
            }
            click(target, at, dice.below(6) == 0 ? Qt::RightButton : Qt::LeftButton);
            return u"click on %1"_s.arg(Described(target));
        }
        case Action::MenuClick: {
            auto* menuBar = control<QMenuBar>(u"MainMenu"_s);
            const QMenu* menu = dice.pick(menus_);
            click(menuBar, menuBar->actionGeometry(menu->menuAction()).center());
            return u"click on the menu %1"_s.arg(menu->objectName());
        }
        case Action::ContextMenu:
            return useContextMenu(dice);
        case Action::PasteRandomText: {
            const QString text = RandomText(dice, 40);
            QGuiApplication::clipboard()->setText(text);
            if (dice.below(2) == 0)
                quarl::ChooseMenuItem(*form_, u"EditPasteItem"_s);
            else
                QTest::keyClick(input_, Qt::Key_V, Qt::ControlModifier);
            return u"paste \"%1\""_s.arg(text);
        }
        case Action::ClickSabo:
            click(sabo_, sabo_->rect().center());
            return u"click on Sabo"_s;
        }
        return QString();
    }

    // The window is still there, handles events, shows no menu or dialog, keeps its controls' states, and Output
    // holds its first text or a result.
    void checkWindow(const QString& step)
    {
        QVERIFY2(!form_.isNull() && form_->isVisible(), qPrintable(step));
        bool answered = false;
        QMetaObject::invokeMethod(
            form_, [&answered] { answered = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QVERIFY2(answered, qPrintable(step));
        QVERIFY2(modalSeen_.isEmpty(), qPrintable(step + u": "_s + modalSeen_));
        for (const QMenu* menu : std::as_const(menus_))
            QVERIFY2(!menu->isVisible(), qPrintable(step + u": "_s + menu->objectName() + u" opened"_s));
        QVERIFY2(sabo_->isEnabled() && !control<QPushButton>(u"Pluen"_s)->isEnabled() &&
                     !control<QPushButton>(u"Fleet"_s)->isEnabled(),
                 qPrintable(step));
        QVERIFY2(!input_->isReadOnly() && output_->isReadOnly(), qPrintable(step));
        const QString shown = output_->toPlainText();
        if (shown != InitialOutput) {
            const quarl::ResultCounts result = quarl::ReadResultText(shown);
            QVERIFY2(result.error.empty(), qPrintable(step + u": "_s + QString::fromStdString(result.error)));
        }
    }

private slots:
    void initTestCase() { quarl::UseProgramFont(); }

    void init()
    {
        form_ = new quarl::TMainForm;
        form_->setAttribute(Qt::WA_DeleteOnClose);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_));
        input_ = control<QPlainTextEdit>(u"Input"_s);
        output_ = control<QPlainTextEdit>(u"Output"_s);
        sabo_ = control<QPushButton>(u"Sabo"_s);
        menus_ = {control<QMenu>(u"FileMenu"_s), control<QMenu>(u"EditMenu"_s), control<QMenu>(u"HelpMenu"_s)};
        targets_ = {input_->viewport(),
                    output_->viewport(),
                    input_->verticalScrollBar(),
                    output_->verticalScrollBar(),
                    sabo_,
                    control<QPushButton>(u"Pluen"_s),
                    control<QPushButton>(u"Fleet"_s),
                    control<QWidget>(u"Label1"_s),
                    control<QWidget>(u"Label2"_s),
                    control<QWidget>(u"Panel1"_s),
                    control<QWidget>(u"MainMenu"_s),
                    form_->centralWidget()};
        modalSeen_.clear();
    }

    void cleanup()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        delete form_.data();
    }

    void randomEventsLeaveTheWindowWorking()
    {
        // A modal window would stop the test in its event loop; this closes it and remembers it as a fault.
        QTimer modalCloser;
        connect(&modalCloser, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalSeen_ = u"modal %1 \"%2\" appeared"_s.arg(Described(modal), modal->windowTitle());
                modal->close();
            }
        });
        modalCloser.start(50);

        for (QWidget* target : std::as_const(targets_)) {
            click(target, target->rect().center());
            checkWindow(u"first click on "_s + Described(target));
            if (QTest::currentTestFailed())
                return;
        }

        Dice dice(Seed);
        for (int step = 0; step < Steps; ++step) {
            const QString done = act(dice);
            QCoreApplication::processEvents();
            // A menu that is still open is the user's to close, as with Escape.
            while (QWidget* popup = QApplication::activePopupWidget()) {
                QVERIFY2(!menus_.contains(popup), qPrintable(done));
                popup->close();
            }
            // Offscreen, no window manager gives the window back its activation (and Input its focus) after a popup.
            if (QApplication::activeWindow() != form_) {
                form_->activateWindow();
                QVERIFY2(QTest::qWaitForWindowActive(form_), qPrintable(done));
            }
            checkWindow(u"step %1: %2"_s.arg(step).arg(done));
            if (QTest::currentTestFailed())
                return;
            if (input_->document()->characterCount() > MaxInputLength)
                input_->clear();
        }

        // After all that, a report is still counted.
        input_->setPlainText(u"Raumhafen (2)\nBohrturm (3)\n"_s);
        click(sabo_, sabo_->rect().center());
        const quarl::ResultCounts result = quarl::ReadResultText(output_->toPlainText());
        QVERIFY2(result.error.empty(), result.error.c_str());
        QCOMPARE(result.total, 2 * 3 + 3 * 1);
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
