#pragma once

#include "frontend/MainFormData.h"
#include "win32/DialogKeys.h"
#include "win32/Layout.h"
#include "win32/TextFileDialog.h"

#include <windows.h>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quarl {

// A menu item, known by the command number that choosing it sends.
struct MenuItem
{
    UINT id = 0;
};

// The program's one window: the report box on the left, the counter buttons in the middle, the result box on the
// right and a menu bar whose menus are all disabled.
class TMainForm
{
public:
    // Laid out for the given resolution in dots per inch; by default for the monitor's it opens on.
    explicit TMainForm(HWND owner, int dpi = 0);
    ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    [[nodiscard]] HWND Handle() const noexcept { return window_; }
    void Show();

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
    friend class MainFormSetUp;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
    static LRESULT CALLBACK InputProc(HWND input, UINT message, WPARAM first, LPARAM second, UINT_PTR, DWORD_PTR form);
    LRESULT HandleMessage(UINT message, WPARAM first, LPARAM second);
    void handleCommand(WPARAM first, LPARAM second);
    LRESULT Colour(HWND control, HDC dc) const;
    void ChangeDpi(int dpi, const RECT& suggested);
    void layOutForMonitor();
    void fitClientArea();
    void placeControls();

    void createWindow(HWND owner);
    void createControls();
    void createMenus();
    void setUpDialogs();
    HWND makeLabel(const ControlData& control);
    HWND makeEditBox(const ControlData& control);
    HWND makePanel(const ControlData& control);
    HWND makeButton(const ControlData& control, HWND parent);
    HMENU makeMenu(const MenuData& menu);
    MenuItem makeItem(HMENU menu, const MenuItemData& item);
    HWND createControl(const wchar_t* kind, const ControlData& control, DWORD style, HWND parent = nullptr,
                       DWORD extendedStyle = 0);
    [[nodiscard]] Command clickCommand(HWND control) const;

    // A control and what it is made from, to lay it out again for another resolution and to know its click.
    struct Placed
    {
        HWND control;
        const ControlData* data;
        bool label;
    };

    std::unique_ptr<Layout> layout_;
    std::vector<Placed> placed_;
    HWND window_ = nullptr;
    // The window's focus as a dialog keeps it; there once the controls are.
    std::optional<FocusMemory> focus_;

    HMENU MainMenu = nullptr;
    MenuItem EditClearMemo;
    MenuItem FileOpenItem;
    MenuItem FileSaveAsItem;
    MenuItem FileExitItem;
    MenuItem EditUndoItem;
    MenuItem EditCopyResult;
    MenuItem EditPasteItem;
    // The system's file dialogs as they are shown; no command opens a report file yet.
    std::optional<TextFileDialog> OpenDialog;
    std::optional<TextFileDialog> SaveDialog;
    HWND Input = nullptr;
    HWND Output = nullptr;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND Panel1 = nullptr;
    MenuItem N3;
    HWND Sabo = nullptr;
    HWND Pluen = nullptr;
    HWND Fleet = nullptr;

    // The menu items' commands, in the order of their command numbers.
    std::vector<Command> menuCommands_;
};

} // namespace quarl
