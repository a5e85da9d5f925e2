#pragma once

#include "win32/Layout.h"

#include <array>
#include <commdlg.h>
#include <memory>
#include <vector>
#include <windows.h>

namespace quarl {

// A menu item, known by the command number that choosing it sends.
struct MenuItem
{
    UINT id = 0;
};

// Where a control sits in its parent at 96 dots per inch.
struct ControlArea
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The program's one window: the report box on the left, the counter buttons in the middle, the result box on the
// right and a menu bar whose menus are all disabled.
class TMainForm
{
public:
    // Laid out for the given resolution in dots per inch; the screen's by default.
    explicit TMainForm(HWND owner, int dpi = Layout::ScreenDpi());
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
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
    static LRESULT CALLBACK InputProc(HWND input, UINT message, WPARAM first, LPARAM second, UINT_PTR, DWORD_PTR form);
    LRESULT HandleMessage(UINT message, WPARAM first, LPARAM second);
    void Command(WPARAM first, LPARAM second);
    LRESULT Colour(HWND control, HDC dc) const;
    void Activate(bool active);
    void restoreFocus();
    void ChangeDpi(int dpi, const RECT& suggested);
    void placeControls();

    void createWindow(HWND owner);
    void createControls();
    void createMenus();
    void setUpDialogs();
    HWND createLabel(const wchar_t* text, ControlArea area);
    HWND createControl(const wchar_t* kind, const wchar_t* text, DWORD style, ControlArea area, HWND parent = nullptr,
                       DWORD extendedStyle = 0);

    // A control and where it sits at 96 dots per inch, to lay it out again for another resolution.
    struct Placed
    {
        HWND control;
        ControlArea area;
        bool label;
    };

    std::unique_ptr<Layout> layout_;
    std::vector<Placed> placed_;
    HWND window_ = nullptr;
    HWND focus_ = nullptr;

    HMENU MainMenu = nullptr;
    MenuItem EditClearMemo;
    MenuItem FileOpenItem;
    MenuItem FileSaveAsItem;
    MenuItem FileExitItem;
    MenuItem EditUndoItem;
    MenuItem EditCopyResult;
    MenuItem EditPasteItem;
    // The system's file dialogs as they are shown; no command opens a report file yet.
    OPENFILENAMEW OpenDialog{};
    OPENFILENAMEW SaveDialog{};
    HWND Input = nullptr;
    HWND Output = nullptr;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND Panel1 = nullptr;
    MenuItem N3;
    HWND Sabo = nullptr;
    HWND Pluen = nullptr;
    HWND Fleet = nullptr;

    // The file name the dialogs show and return.
    std::array<wchar_t, MAX_PATH> fileName_{};
};

} // namespace quarl
