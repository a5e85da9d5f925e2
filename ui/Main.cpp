#include "ui/Main.h"

#include "BevelPanel.h"
#include "ClickNotifier.h"
#include "EditBoxLines.h"
#include "FixedSizeHint.h"
#include "PlainTextBox.h"
#include "ResultAnnouncement.h"
#include "WaitCursor.h"

#include "frontend/Guarded.h"
#include "frontend/SaboCommand.h"
#include "frontend/TextHeightScale.h"
#include "ui/ErrorDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <string_view>
#include <utility>

using namespace Qt::StringLiterals;

namespace quarl {
namespace {

// Where the window's outer corner goes on a screen with room for the whole window there.
constexpr QPoint WindowCorner(196, 141);
// The labels' font: 10 points, which is 13 pixels at 96 dots per inch.
constexpr int LabelPixelSize = 13;

const QString InputHint = u"Berichte hier einfügen. Idealerweise mit allen \n"
                          u"Zeiten, auch von der ersten Mitteilung.\n"
                          u"\n"
                          u"Derzeit funktioniert nur der Sabo-counter.\n"_s;

// Of the sans serif fonts that Debian packages, Cantarell comes closest to "MS Sans Serif" at 96 dots per inch:
// text 13 pixels high at 8 points and 16 at 10 points, letters about 6 pixels wide, and narrow enough that the
// hint's first line fits the input box. Where it is missing, the platform's own sans serif takes its place.
void UseStandInFont()
{
    QFont::insertSubstitution(u"MS Sans Serif"_s, u"Cantarell"_s);
}

QFont SansSerifFont(int points)
{
    QFont font(u"MS Sans Serif"_s, points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void SetUpEditBox(QPlainTextEdit* box, const QString& name)
{
    box->setObjectName(name);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A scroll bar that comes and goes would change the wrap width as the text grows.
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, bool enabled)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setEnabled(enabled);
    // Return and Enter press a focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

// A caption is never cut off: where the substituted font runs wider, the label grows to the right.
void PlaceLabel(QLabel* label, const QRect& area)
{
    label->setGeometry(area);
    label->resize(std::max(area.width(), label->sizeHint().width()), area.height());
}

QMenu* AddMenu(QMenuBar* menuBar, const QString& name, const QString& title)
{
    QMenu* menu = menuBar->addMenu(title);
    menu->setObjectName(name);
    // Disabling the bar (see createMenus) greys the menus too, but screen readers take each menu's state from its
    // own action, and would announce it as available.
    menu->menuAction()->setEnabled(false);
    return menu;
}

QAction* AddItem(QMenu* menu, const QString& name, const QString& text)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    // Greyed like its menu: screen readers take an item's state from its own action.
    item->setEnabled(menu->menuAction()->isEnabled());
    return item;
}

QAction* AddSeparator(QMenu* menu, const QString& name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

// Where the outer corner of a window of the given client size goes: at WindowCorner, moved just far enough to have
// the whole frame on the screen's free area (on a small screen or with a large scale factor); a frame larger than
// that area keeps its top left corner visible.
QPoint FrameCorner(const QWindow& window, QSize clientSize)
{
    const QSize frame = clientSize.grownBy(window.frameMargins());
    const QRect available = window.screen()->availableGeometry();
    return {std::max(available.left(), std::min(WindowCorner.x(), available.right() + 1 - frame.width())),
            std::max(available.top(), std::min(WindowCorner.y(), available.bottom() + 1 - frame.height()))};
}

QFileDialog* MakeTextFileDialog(QWidget* parent, const QString& name, QFileDialog::AcceptMode mode)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(name);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(u"Textfile (*.txt)"_s);
    return dialog;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setUpWindow();
    createControls();
    describeForScreenReaders();
    createMenus();
    connectCommands();
    // Minimum and maximum size both follow the fixed client area and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMainForm::setUpWindow()
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(u"QUARL-Counter Alpha 0.2"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    UseStandInFont();
    // The whole program uses one font: context menus and dialogs are windows of their own and take the
    // application's font, not this window's.
    QApplication::setFont(SansSerifFont(8));
    setFont(SansSerifFont(8));
    textHeight_ = fontMetrics().height();
    // Task bars and iconified windows show the icon text: the program's name, not the caption.
    setWindowIconText(u"QUARL-Counter"_s);
    move(WindowCorner);
}

void TMainForm::changeEvent(QEvent* event)
{
    // A palette switched while the program runs (dark mode, say) reaches the window as a change of its palette.
    if (event->type() == QEvent::PaletteChange)
        useButtonAndMenuColours();
    QMainWindow::changeEvent(event);
}

// The window's background is the colour of a button's face and Output's background that of a menu, both taken
// from the current palette; text keeps the palette's own colours, so it stays readable in light and dark themes.
void TMainForm::useButtonAndMenuColours()
{
    // Only the one role is set on each widget, so that every other colour keeps following the palette.
    const QColor button = palette().color(QPalette::Button);
    if (palette().color(QPalette::Window) != button) {
        QPalette colours;
        colours.setColor(QPalette::Window, button);
        setPalette(colours);
    }
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    if (Output != nullptr && Output->palette().color(QPalette::Base) != menu) {
        QPalette outputColours;
        outputColours.setColor(QPalette::Base, menu);
        Output->setPalette(outputColours);
    }
}

// The window has one size, yet a maximise request can come: from the maximise button that Qt draws itself on
// Wayland compositors without server-side decorations, for one. It is taken back as soon as it is made. A Wayland
// compositor, though, ignores taking back a state it has not granted yet, and insists on its own size for a
// maximised window, ending a client that draws another: there the native window may take any size while the
// request stands, and the request is taken back once the granted state has been drawn.
void TMainForm::refuseMaximising(bool fromWindowSystem)
{
    constexpr Qt::WindowStates resizing = Qt::WindowMaximized | Qt::WindowFullScreen;
    QWindow* window = windowHandle();
    if (window == nullptr)
        return;
    const bool onWayland = QGuiApplication::platformName().startsWith(u"wayland"_s);
    const auto takeBack = [window, resizing] { window->setWindowStates(window->windowStates() & ~resizing); };
    if (window->windowStates() & resizing) {
        if (onWayland)
            window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        if (fromWindowSystem || !onWayland)
            QTimer::singleShot(0, this, takeBack);
    } else if (fromWindowSystem && onWayland) {
        window->setMaximumSize(minimumSize());
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // The window system's answer to a request reaches the native window as a spontaneous state change.
    if (watched == windowHandle() && event->type() == QEvent::WindowStateChange && event->spontaneous())
        refuseMaximising(true);
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    // Only now is the window's size final: placing the frame sooner would be undone when the size is set.
    if (!event->spontaneous())
        placeFrame();
    QMainWindow::showEvent(event);
}

void TMainForm::placeFrame()
{
    // The outer corner, frame included, goes to WindowCorner where the platform allows it. The native window takes
    // the widget's size first, so that showing it does not set its geometry again, which would place the client
    // area's corner there instead.
    QWindow& window = *windowHandle();
    window.resize(size());
    const QPoint corner = FrameCorner(window, size());
    move(corner);
    window.setFramePosition(corner);
    framePending_ = true;
    RemoveResizeFunction(window);
    // A request to maximise reaches the native window before the window system answers it.
    disconnect(&window, &QWindow::windowStateChanged, this, nullptr);
    connect(&window, &QWindow::windowStateChanged, this, [this] { refuseMaximising(false); });
    window.installEventFilter(this);
}

void TMainForm::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // Under X11 the frame's size is known only once the window manager has framed the shown window (the first
    // report may still give the unframed place); then the frame is placed again, now that its size is known.
    QWindow* window = windowHandle();
    if (!framePending_ || !event->spontaneous() || window == nullptr || window->frameMargins().isNull())
        return;
    framePending_ = false;
    const QPoint corner = FrameCorner(*window, size());
    if (corner != window->framePosition())
        window->setFramePosition(corner);
}

// The controls are made in tab order, which Qt follows for Tab and for the first focus, which goes to Input.
void TMainForm::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(scaled(633), scaled(385));
    setCentralWidget(client);

    // The labels' font follows the window font's text height, like the layout; it is not scaled for the dots per
    // inch a second time.
    QFont labelFont = SansSerifFont(10);
    labelFont.setPixelSize(scaled(LabelPixelSize));
    Label1 = new QLabel(u"Berichte"_s, client);
    Label2 = new QLabel(u"Ergebnis"_s, client);
    for (const auto& [label, name] : {std::pair{Label1, u"Label1"_s}, std::pair{Label2, u"Label2"_s}}) {
        label->setObjectName(name);
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    PlaceLabel(Label1, QRect(scaled(16), 0, scaled(49), scaled(16)));
    PlaceLabel(Label2, QRect(scaled(376), 0, scaled(54), scaled(16)));

    Input = new PlainTextBox(client);
    SetUpEditBox(Input, u"Input"_s);
    Input->setGeometry(scaled(8), scaled(16), scaled(257), scaled(361));
    Input->setPlainText(InputHint);

    Output = new PlainTextBox(client);
    SetUpEditBox(Output, u"Output"_s);
    Output->setGeometry(scaled(368), scaled(16), scaled(257), scaled(361));
    Output->setReadOnly(true);
    Output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    useButtonAndMenuColours();
    Output->setPlainText(u"Das Ergebnis erscheint hier.\n"_s);

    Panel1 = new BevelPanel(client);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setGeometry(scaled(272), scaled(16), scaled(89), scaled(361));
    Sabo = MakeButton(Panel1, u"Sabo"_s, u"Sabo"_s, true);
    Pluen = MakeButton(Panel1, u"Pluen"_s, u"Plünder"_s, false);
    Fleet = MakeButton(Panel1, u"Fleet"_s, u"Flotten"_s, false);
    Sabo->setGeometry(scaled(8), scaled(32), scaled(75), scaled(25));
    Pluen->setGeometry(scaled(8), scaled(64), scaled(75), scaled(25));
    Fleet->setGeometry(scaled(8), scaled(96), scaled(75), scaled(25));
}

// Screen readers announce each box by its label, the buttons as one group, and why two of them cannot be pressed.
void TMainForm::describeForScreenReaders()
{
    Label1->setBuddy(Input);
    Label2->setBuddy(Output);
    Panel1->setAccessibleName(u"Zähler"_s);
    for (QPushButton* button : {Pluen, Fleet})
        button->setAccessibleDescription(u"Dieser Zähler funktioniert noch nicht."_s);
}

void TMainForm::createMenus()
{
    MainMenu = menuBar();
    MainMenu->setObjectName(u"MainMenu"_s);

    QMenu* fileMenu = AddMenu(MainMenu, u"FileMenu"_s, u"&Oberfläche"_s);
    FileOpenItem = AddItem(fileMenu, u"FileOpenItem"_s, u"Bericht ö&ffnen"_s);
    FileSaveAsItem = AddItem(fileMenu, u"FileSaveAsItem"_s, u"Ergebnis &speichern"_s);
    AddSeparator(fileMenu, u"N1"_s);
    FileExitItem = AddItem(fileMenu, u"FileExitItem"_s, u"&Beenden"_s);

    QMenu* editMenu = AddMenu(MainMenu, u"EditMenu"_s, u"&Editieren"_s);
    EditClearMemo = AddItem(editMenu, u"EditClearMemo"_s, u"Beide Fenster &leeren"_s);
    N3 = AddSeparator(editMenu, u"N3"_s);
    EditPasteItem = AddItem(editMenu, u"EditPasteItem"_s, u"Bericht &Einfügen"_s);
    EditUndoItem = AddItem(editMenu, u"EditUndoItem"_s, u"Bericht &Rückgängig"_s);
    AddSeparator(editMenu, u"N2"_s);
    EditCopyResult = AddItem(editMenu, u"EditCopyResult"_s, u"Ergebnis &Kopieren"_s);

    AddMenu(MainMenu, u"HelpMenu"_s, u"&Informationen"_s);

    // With every menu disabled the bar itself is disabled too: otherwise Alt and Alt+letter move the keyboard focus
    // into a bar that has nothing to open, and typing is lost until a click.
    MainMenu->setEnabled(false);
}

void TMainForm::connectCommands()
{
    // No exception that escapes a handler unwinds through Qt's signal code.
    const auto guarded = [this](void (TMainForm::*handler)()) {
        return [this, handler] { Guarded(ShowError, [this, handler] { (this->*handler)(); }); };
    };
    connect(Sabo, &QPushButton::clicked, this, guarded(&TMainForm::SelectSaboCounter));
    connect(Pluen, &QPushButton::clicked, this, guarded(&TMainForm::SelectPluenCounter));
    connect(new ClickNotifier(Input->viewport()), &ClickNotifier::clicked, this,
            guarded(&TMainForm::SelectFleetCounter));

    const std::pair<QAction*, void (TMainForm::*)()> menuCommands[] = {
        {FileSaveAsItem, &TMainForm::FileSaveAs},
        {FileExitItem, &TMainForm::FileExit},
        {EditClearMemo, &TMainForm::EditClearMemoClick},
        {EditPasteItem, &TMainForm::EditPaste},
        {EditUndoItem, &TMainForm::EditUndo},
        {EditCopyResult, &TMainForm::EditCopyResultClick},
    };
    for (const auto& [item, handler] : menuCommands)
        connect(item, &QAction::triggered, this, guarded(handler));
}

int TMainForm::scaled(int pixels) const
{
    return ScaledToTextHeight(pixels, textHeight_);
}

void TMainForm::FileSaveAs()
{
    // A file dialog takes tens of milliseconds to build, so it is made when first needed, not at start-up.
    if (!SaveDialog) {
        SaveDialog = MakeTextFileDialog(this, u"SaveDialog"_s, QFileDialog::AcceptSave);
        SaveDialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    SaveDialog->selectFile(QString());
    SaveDialog->exec();
}

void TMainForm::FileExit()
{
    close();
}

void TMainForm::EditUndo()
{
    Input->undo();
}

void TMainForm::EditPaste()
{
    Input->paste();
}

void TMainForm::SelectSaboCounter()
{
    const WaitCursor busy;
    const QString before = Output->toPlainText();
    RunSaboCounter(
        [this](TextLineFilter wanted, const DisplayLineTaker& take) { ForEachDisplayLine(*Input, wanted, take); },
        {[this] { Output->clear(); },
         [this](std::string_view line) {
             AppendLine(*Output, QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
         }});
    AnnounceResult(*Output, before);
}

void TMainForm::SelectPluenCounter()
{}

void TMainForm::SelectFleetCounter()
{}

void TMainForm::EditClearMemoClick()
{}

void TMainForm::EditCopyResultClick()
{
    Output->selectAll();
    QGuiApplication::clipboard()->setText(WithCrLf(Output->textCursor().selectedText()));
    Output->moveCursor(QTextCursor::Start);
}

} // namespace quarl
