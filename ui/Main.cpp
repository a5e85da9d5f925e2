#include "ui/Main.h"

#include "BevelPanel.h"
#include "ClickNotifier.h"
#include "FramePlacement.h"
#include "PlainTextBox.h"
#include "PlainTextBoxLines.h"
#include "ResultAnnouncement.h"
#include "WaitCursor.h"

#include "frontend/Guarded.h"
#include "frontend/MainFormSetUp.h"
#include "frontend/SaboCommand.h"
#include "frontend/TextHeightScale.h"
#include "ui/Application.h"
#include "ui/ErrorDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <string_view>

namespace quarl {
namespace {

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void SetUpEditBox(QPlainTextEdit* box)
{
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A scroll bar that comes and goes would change the wrap width as the text grows.
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
}

QFileDialog* MakeTextFileDialog(QWidget* parent, std::string_view name, QFileDialog::AcceptMode mode)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(Text(name));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const FileFilterData& filter = MainFormData::TextFiles;
    dialog->setNameFilter(QStringLiteral("%1 (%2)").arg(Text(filter.description), Text(filter.pattern)));
    return dialog;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setUpWindow();
    createControls();
    createMenus();
    // Minimum and maximum size both follow the fixed client area and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    new FramePlacement(*this, QPoint(MainFormData::Left, MainFormData::Top));
}

void TMainForm::setUpWindow()
{
    setObjectName(Text(MainFormData::Name));
    setWindowTitle(Text(MainFormData::Caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(MainFormData::WindowFontPoints));
    textHeight_ = fontMetrics().height();
    // Task bars and iconified windows show the icon text: the program's name, not the caption.
    setWindowIconText(Text(MainFormData::ApplicationTitle));
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

// The controls are made in tab order, which Qt follows for Tab and for the first focus, which goes to Input.
void TMainForm::createControls()
{
    client_ = new QWidget(this);
    client_->setFixedSize(scaled(MainFormData::ClientWidth), scaled(MainFormData::ClientHeight));
    setCentralWidget(client_);
    MainFormSetUp::CreateControls(*this);

    // Screen readers announce each box by its label.
    Label1->setBuddy(Input);
    Label2->setBuddy(Output);
    Output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    useButtonAndMenuColours();
    connect(new ClickNotifier(Input->viewport()), &ClickNotifier::clicked, this,
            [this] { run(MainFormData::Input.click); });
}

// A caption is never cut off: where the substituted font runs wider, the label grows to the right. The labels' font
// follows the window font's text height, like the layout; it is not scaled for the dots per inch a second time.
QLabel* TMainForm::makeLabel(const ControlData& control)
{
    auto* label = new QLabel(Text(control.text), client_);
    describe(label, control);
    QFont font = ProgramFont(MainFormData::LabelFontPoints);
    font.setPixelSize(scaled(MainFormData::LabelFontHeight));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect area = scaled(control.area);
    label->setGeometry(area);
    label->resize(std::max(area.width(), label->sizeHint().width()), area.height());
    return label;
}

QPlainTextEdit* TMainForm::makeEditBox(const ControlData& control)
{
    auto* box = new PlainTextBox(client_);
    describe(box, control);
    SetUpEditBox(box);
    box->setGeometry(scaled(control.area));
    box->setReadOnly(control.readOnly);
    box->setPlainText(Text(control.text));
    return box;
}

BevelPanel* TMainForm::makePanel(const ControlData& control)
{
    auto* panel = new BevelPanel(client_);
    describe(panel, control);
    panel->setGeometry(scaled(control.area));
    return panel;
}

QPushButton* TMainForm::makeButton(const ControlData& control, QWidget* parent)
{
    auto* button = new QPushButton(Text(control.text), parent);
    describe(button, control);
    button->setGeometry(scaled(control.area));
    // Return and Enter press a focused button, as Space does.
    button->setAutoDefault(true);
    if (control.click != Command::None)
        connect(button, &QPushButton::clicked, this, [this, command = control.click] { run(command); });
    return button;
}

// A control's name, state and what screen readers say of it besides its text (why a button cannot be pressed).
void TMainForm::describe(QWidget* widget, const ControlData& control)
{
    widget->setObjectName(Text(control.name));
    widget->setEnabled(control.enabled);
    widget->setAccessibleName(Text(control.accessibleName));
    widget->setAccessibleDescription(Text(control.accessibleDescription));
}

void TMainForm::createMenus()
{
    MainMenu = menuBar();
    MainMenu->setObjectName(Text(MainFormData::MainMenu));
    MainFormSetUp::CreateMenus(*this);
    // With every menu disabled the bar itself is disabled too: otherwise Alt and Alt+letter move the keyboard focus
    // into a bar that has nothing to open, and typing is lost until a click.
    MainMenu->setEnabled(false);
}

QMenu* TMainForm::makeMenu(const MenuData& menu)
{
    QMenu* made = MainMenu->addMenu(Text(menu.title));
    made->setObjectName(Text(menu.name));
    // Disabling the bar greys the menus too, but screen readers take each menu's state from its own action.
    made->menuAction()->setEnabled(menu.enabled);
    return made;
}

QAction* TMainForm::makeItem(QMenu* menu, const MenuItemData& item)
{
    QAction* action = item.text.empty() ? menu->addSeparator() : menu->addAction(Text(item.text));
    action->setObjectName(Text(item.name));
    // Greyed like its menu: screen readers take an item's state from its own action.
    if (!item.text.empty())
        action->setEnabled(menu->menuAction()->isEnabled());
    if (item.command != Command::None)
        connect(action, &QAction::triggered, this, [this, command = item.command] { run(command); });
    return action;
}

// No exception that escapes a handler unwinds through Qt's signal code.
void TMainForm::run(Command command)
{
    Guarded(ShowError, [this, command] { MainFormSetUp::Run(*this, command); });
}

int TMainForm::scaled(int pixels) const
{
    return ScaledToTextHeight(pixels, textHeight_);
}

QRect TMainForm::scaled(const Area& area) const
{
    return {scaled(area.left), scaled(area.top), scaled(area.width), scaled(area.height)};
}

void TMainForm::FileSaveAs()
{
    // A file dialog takes tens of milliseconds to build, so it is made when first needed, not at start-up.
    if (!SaveDialog) {
        SaveDialog = MakeTextFileDialog(this, MainFormData::SaveDialog, QFileDialog::AcceptSave);
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
        {[this] { Output->clear(); }, [this](std::string_view line) { AppendLine(*Output, Text(line)); }});
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
