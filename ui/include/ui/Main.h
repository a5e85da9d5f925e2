#pragma once

#include <QMainWindow>

class QAction;
class QFileDialog;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace quarl {

class BevelPanel;

// The program's one window: the report box on the left, the counter buttons in the middle, the result box on the
// right and a menu bar whose menus are all disabled.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FileSaveAs();
    void FileExit();
    void EditUndo();
    void EditPaste();
    void SelectSaboCounter();
    void SelectPluenCounter();
    void SelectFleetCounter();
    void EditClearMemoClick();
    void EditCopyResultClick();

private:
    Q_DISABLE_COPY_MOVE(TMainForm)

    void setUpWindow();
    void useButtonAndMenuColours();
    void placeFrame();
    void refuseMaximising(bool fromWindowSystem);
    void createControls();
    void describeForScreenReaders();
    void createMenus();
    void connectCommands();
    int scaled(int pixels) const;

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

    // Set when the frame is placed, until the window system has reported where the framed window went.
    bool framePending_ = false;

    // Positions and sizes are laid out for a window font 13 pixels high and scaled by textHeight_ / 13.
    int textHeight_ = 13;
};

} // namespace quarl
