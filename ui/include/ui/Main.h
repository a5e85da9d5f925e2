#pragma once

#include <QMainWindow>

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace quarl {

class BevelPanel;
class MainFormSetUp;
struct Area;
enum class Command;
struct ControlData;
struct MenuData;
struct MenuItemData;

// The program's one window: the report box on the left, the counter buttons in the middle, the result box on the
// right and a menu bar whose menus are all disabled.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    void FileSaveAs();
    void FileExit();
    void EditUndo();
    void EditPaste();
    void SelectSaboCounter();
    void SelectPluenCounter();
    void SelectFleetCounter();
    void EditClearMemoClick();
    void EditCopyResultClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY_MOVE(TMainForm)
    friend class MainFormSetUp;

    void setUpWindow();
    void useButtonAndMenuColours();
    void createControls();
    void createMenus();
    QLabel* makeLabel(const ControlData& control);
    QPlainTextEdit* makeEditBox(const ControlData& control);
    BevelPanel* makePanel(const ControlData& control);
    QPushButton* makeButton(const ControlData& control, QWidget* parent);
    QMenu* makeMenu(const MenuData& menu);
    QAction* makeItem(QMenu* menu, const MenuItemData& item);
    void describe(QWidget* widget, const ControlData& control);
    void run(Command command);
    int scaled(int pixels) const;
    QRect scaled(const Area& area) const;

    QMenuBar* MainMenu = nullptr;
    QAction* EditClearMemo = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* FileSaveAsItem = nullptr;
    QAction* FileExitItem = nullptr;
    QAction* EditUndoItem = nullptr;
    QAction* EditCopyResult = nullptr;
    QAction* EditPasteItem = nullptr;
    // No command opens a report file yet, so OpenDialog is never made; SaveDialog is made on first use.
    QFileDialog* OpenDialog = nullptr;
    QFileDialog* SaveDialog = nullptr;
    QPlainTextEdit* Input = nullptr;
    QPlainTextEdit* Output = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    BevelPanel* Panel1 = nullptr;
    QAction* N3 = nullptr;
    QPushButton* Sabo = nullptr;
    QPushButton* Pluen = nullptr;
    QPushButton* Fleet = nullptr;

    // The client area, the controls' parent.
    QWidget* client_ = nullptr;
    // Positions and sizes are laid out for a window font 13 pixels high and scaled by textHeight_ / 13.
    int textHeight_ = 13;
};

} // namespace quarl
