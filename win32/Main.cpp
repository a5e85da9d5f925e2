#include "win32/Main.h"

#include "BevelPanel.h"
#include "EditBoxLines.h"
#include "Resources.h"
#include "Text.h"
#include "WindowClass.h"

#include "frontend/Guarded.h"
#include "frontend/SaboCommand.h"
#include "win32/ErrorDisplay.h"

#include <commctrl.h>
#include <stdexcept>
#include <string>
#include <utility>

namespace quarl {
namespace {

constexpr wchar_t ClassName[] = L"TMainForm";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD EditBoxStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
// The sunken edge around an edit box.
constexpr DWORD EditBoxExtendedStyle = WS_EX_CLIENTEDGE;
constexpr DWORD ButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr int ClientWidth = 633;
constexpr int ClientHeight = 385;
// Large enough for any paste; the edit box's default limit would cut a large one.
constexpr LPARAM TextLimit = 0x7FFFFFFE;

constexpr wchar_t InputHint[] = L"Berichte hier einfügen. Idealerweise mit allen \r\n"
                                L"Zeiten, auch von der ersten Mitteilung.\r\n"
                                L"\r\n"
                                L"Derzeit funktioniert nur der Sabo-counter.\r\n";

// Command numbers of the menu items, above 1 and 2, which Return and Escape send.
enum CommandId : UINT {
    FileOpenId = 100,
    FileSaveAsId,
    FileExitId,
    EditClearMemoId,
    EditPasteId,
    EditUndoId,
    EditCopyResultId,
    N1Id,
    N2Id,
    N3Id,
};

HMENU AddMenu(HMENU bar, const wchar_t* title)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(bar, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(menu), title);
    return menu;
}

MenuItem AddItem(HMENU menu, UINT id, const wchar_t* text)
{
    AppendMenuW(menu, text ? MF_STRING | MF_GRAYED : MF_SEPARATOR | MF_GRAYED, id, text);
    return {id};
}

// Tab moves on to the next control, as in a dialog, instead of typing a tab character; Ctrl+Tab still types one.
// Escape is left to the window too, which ignores it: a multi-line edit box in a dialog would close its parent.
LRESULT CALLBACK DialogKeysLeaveBox(HWND box, UINT message, WPARAM first, LPARAM second, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, DialogKeysLeaveBox, 0);
    LRESULT result = DefSubclassProc(box, message, first, second);
    const auto* key = reinterpret_cast<const MSG*>(second);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN &&
        ((key->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) || key->wParam == VK_ESCAPE))
        result &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
    return result;
}

bool IsPushButton(HWND control)
{
    return control && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

} // namespace

TMainForm::TMainForm(HWND owner, int dpi) : layout_(std::make_unique<Layout>(dpi))
{
    createWindow(owner);
    try {
        createControls();
        createMenus();
        setUpDialogs();
    } catch (...) {
        // Only a finished window ends the message loop when it goes: the box that shows this error must wait.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
        throw;
    }
    SetErrorBoxOwner(window_);
}

TMainForm::~TMainForm()
{
    if (IsWindow(window_))
        DestroyWindow(window_);
}

void TMainForm::createWindow(HWND owner)
{
    RegisterWindowClass({ClassName, WindowProc, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ProgramIcon)),
                         GetSysColorBrush(COLOR_BTNFACE)});
    RECT frame{0, 0, layout_->Scaled(ClientWidth), layout_->Scaled(ClientHeight)};
    AdjustWindowRectEx(&frame, WindowStyle, TRUE, 0);
    // The window's own procedure sets window_ as the first message arrives.
    CreateWindowExW(0, ClassName, L"QUARL-Counter Alpha 0.2", WindowStyle, 196, 141, frame.right - frame.left,
                    frame.bottom - frame.top, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_)
        throw std::runtime_error("Das Hauptfenster lässt sich nicht öffnen");
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->WindowFont()), FALSE);
}

HWND TMainForm::createControl(const wchar_t* kind, const wchar_t* text, DWORD style, ControlArea area, HWND parent,
                              DWORD extendedStyle)
{
    HWND control = CreateWindowExW(extendedStyle, kind, text, WS_CHILD | WS_VISIBLE | style, layout_->Scaled(area.left),
                                   layout_->Scaled(area.top), layout_->Scaled(area.width), layout_->Scaled(area.height),
                                   parent ? parent : window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!control)
        throw std::runtime_error("Ein Bedienelement lässt sich nicht anlegen");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->WindowFont()), FALSE);
    placed_.push_back({control, area, false});
    return control;
}

HWND TMainForm::createLabel(const wchar_t* text, ControlArea area)
{
    HWND label = createControl(L"STATIC", text, SS_LEFT | SS_NOPREFIX, area);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->LabelFont()), FALSE);
    layout_->FitLabel(label);
    placed_.back().label = true;
    return label;
}

// Controls are made in tab order, each label right before its box, after which screen readers name the box; each
// area is left, top, width and height at 96 dots per inch.
void TMainForm::createControls()
{
    Label1 = createLabel(L"Berichte", {16, 0, 49, 16});
    Input = createControl(L"EDIT", InputHint, EditBoxStyle, {8, 16, 257, 361}, window_, EditBoxExtendedStyle);
    Label2 = createLabel(L"Ergebnis", {376, 0, 54, 16});
    Output = createControl(L"EDIT", L"Das Ergebnis erscheint hier.\r\n", EditBoxStyle | ES_READONLY,
                           {368, 16, 257, 361}, window_, EditBoxExtendedStyle);
    for (HWND box : {Input, Output}) {
        SendMessageW(box, EM_SETLIMITTEXT, TextLimit, 0);
        SetWindowSubclass(box, DialogKeysLeaveBox, 0, 0);
    }
    SetWindowSubclass(Input, InputProc, 1, reinterpret_cast<DWORD_PTR>(this));

    constexpr ControlArea PanelArea{272, 16, 89, 361};
    Panel1 = CreateBevelPanel(window_, layout_->Scaled(PanelArea.left), layout_->Scaled(PanelArea.top),
                              layout_->Scaled(PanelArea.width), layout_->Scaled(PanelArea.height));
    if (!Panel1)
        throw std::runtime_error("Die Leiste der Zähler lässt sich nicht anlegen");
    placed_.push_back({Panel1, PanelArea, false});
    Sabo = createControl(L"BUTTON", L"Sabo", ButtonStyle, {8, 32, 75, 25}, Panel1);
    Pluen = createControl(L"BUTTON", L"Plünder", ButtonStyle | WS_DISABLED, {8, 64, 75, 25}, Panel1);
    Fleet = createControl(L"BUTTON", L"Flotten", ButtonStyle | WS_DISABLED, {8, 96, 75, 25}, Panel1);
}

void TMainForm::createMenus()
{
    MainMenu = CreateMenu();
    HMENU fileMenu = AddMenu(MainMenu, L"&Oberfläche");
    FileOpenItem = AddItem(fileMenu, FileOpenId, L"Bericht ö&ffnen");
    FileSaveAsItem = AddItem(fileMenu, FileSaveAsId, L"Ergebnis &speichern");
    AddItem(fileMenu, N1Id, nullptr);
    FileExitItem = AddItem(fileMenu, FileExitId, L"&Beenden");

    HMENU editMenu = AddMenu(MainMenu, L"&Editieren");
    EditClearMemo = AddItem(editMenu, EditClearMemoId, L"Beide Fenster &leeren");
    N3 = AddItem(editMenu, N3Id, nullptr);
    EditPasteItem = AddItem(editMenu, EditPasteId, L"Bericht &Einfügen");
    EditUndoItem = AddItem(editMenu, EditUndoId, L"Bericht &Rückgängig");
    AddItem(editMenu, N2Id, nullptr);
    EditCopyResult = AddItem(editMenu, EditCopyResultId, L"Ergebnis &Kopieren");

    AddMenu(MainMenu, L"&Informationen");
    SetMenu(window_, MainMenu);
}

void TMainForm::setUpDialogs()
{
    for (OPENFILENAMEW* dialog : {&OpenDialog, &SaveDialog}) {
        dialog->lStructSize = sizeof *dialog;
        dialog->hwndOwner = window_;
        dialog->lpstrFilter = L"Textfile\0*.txt\0";
        dialog->nFilterIndex = 1;
        dialog->lpstrFile = fileName_.data();
        dialog->nMaxFile = static_cast<DWORD>(fileName_.size());
        dialog->Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    }
    OpenDialog.Flags |= OFN_FILEMUSTEXIST;
}

void TMainForm::Show()
{
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(Input);
    SendMessageW(Input, EM_SETSEL, 0, 0);
}

LRESULT CALLBACK TMainForm::WindowProc(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TMainForm*>(reinterpret_cast<CREATESTRUCTW*>(second)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TMainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, first, second);
    // No exception may unwind through the system's code that called this procedure.
    LRESULT result = 0;
    Guarded(ShowError, [&] { result = form->HandleMessage(message, first, second); });
    return result;
}

LRESULT CALLBACK TMainForm::InputProc(HWND input, UINT message, WPARAM first, LPARAM second, UINT_PTR, DWORD_PTR form)
{
    if (message == WM_LBUTTONDOWN)
        Guarded(ShowError, [form] { reinterpret_cast<TMainForm*>(form)->SelectFleetCounter(); });
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(input, InputProc, 1);
    return DefSubclassProc(input, message, first, second);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM first, LPARAM second)
{
    HWND window = window_;
    switch (message) {
    case WM_COMMAND:
        Command(first, second);
        return 0;
    case WM_CTLCOLORSTATIC:
        return Colour(reinterpret_cast<HWND>(second), reinterpret_cast<HDC>(first));
    case WM_ACTIVATE:
        Activate(LOWORD(first) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        // The window itself takes no typing: as in a dialog, the focus goes on to a control.
        restoreFocus();
        return 0;
    case WM_SYSCOMMAND:
        // The task-bar entry belongs to the owner, so minimising goes through it.
        if ((first & 0xFFF0) == SC_MINIMIZE && GetWindow(window, GW_OWNER)) {
            SendMessageW(GetWindow(window, GW_OWNER), WM_SYSCOMMAND, SC_MINIMIZE, second);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(first), *reinterpret_cast<const RECT*>(second));
        return 0;
    case WM_NCDESTROY:
        SetErrorBoxOwner(nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        PostQuitMessage(0);
        break;
    }
    return DefWindowProcW(window, message, first, second);
}

void TMainForm::Command(WPARAM first, LPARAM second)
{
    const auto control = reinterpret_cast<HWND>(second);
    if (control && HIWORD(first) == BN_CLICKED) {
        if (control == Sabo)
            SelectSaboCounter();
        else if (control == Pluen)
            SelectPluenCounter();
        return;
    }
    if (LOWORD(first) == IDOK) {
        // Return on a focused button presses it, as in a dialog.
        if (HWND focus = GetFocus(); IsPushButton(focus))
            SendMessageW(focus, BM_CLICK, 0, 0);
        return;
    }
    // FileOpenItem has no command.
    const UINT item = LOWORD(first);
    if (item == FileSaveAsItem.id)
        FileSaveAs();
    else if (item == FileExitItem.id)
        FileExit();
    else if (item == EditClearMemo.id)
        EditClearMemoClick();
    else if (item == EditPasteItem.id)
        EditPaste();
    else if (item == EditUndoItem.id)
        EditUndo();
    else if (item == EditCopyResult.id)
        EditCopyResultClick();
}

// Read-only edit boxes and labels ask their parent for colours as static controls do.
LRESULT TMainForm::Colour(HWND control, HDC dc) const
{
    const int background = control == Output ? COLOR_MENU : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

// The control that had the focus gets it back when the window is activated again.
void TMainForm::Activate(bool active)
{
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(window_, focus))
            focus_ = focus;
    } else {
        restoreFocus();
    }
}

void TMainForm::restoreFocus()
{
    SetFocus(focus_ && IsChild(window_, focus_) ? focus_ : Input);
}

// On a monitor of another scale the window is laid out again for its resolution, with fonts made for it, instead
// of being stretched. It goes where the system suggests, with the client size the layout asks for.
void TMainForm::ChangeDpi(int dpi, const RECT& suggested)
{
    // The old fonts stay until every control has been given the new ones.
    const auto previous = std::exchange(layout_, std::make_unique<Layout>(dpi));
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->WindowFont()), FALSE);
    placeControls();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{};
    RECT client{};
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + layout_->Scaled(ClientWidth) - client.right,
                 frame.bottom - frame.top + layout_->Scaled(ClientHeight) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

// Each control at its place for the current layout, in its font; labels grow to their captions again.
void TMainForm::placeControls()
{
    for (const auto& [control, area, label] : placed_) {
        const HFONT font = label ? layout_->LabelFont() : layout_->WindowFont();
        if (control != Panel1)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowPos(control, nullptr, layout_->Scaled(area.left), layout_->Scaled(area.top),
                     layout_->Scaled(area.width), layout_->Scaled(area.height), SWP_NOZORDER | SWP_NOACTIVATE);
        if (label)
            layout_->FitLabel(control);
    }
}

void TMainForm::FileSaveAs()
{
    fileName_.fill(L'\0');
    if (!GetSaveFileNameW(&SaveDialog) && CommDlgExtendedError() != 0)
        throw std::runtime_error("Der Dialog zum Speichern lässt sich nicht öffnen");
}

void TMainForm::FileExit()
{
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TMainForm::EditUndo()
{
    SendMessageW(Input, WM_UNDO, 0, 0);
}

void TMainForm::EditPaste()
{
    SendMessageW(Input, WM_PASTE, 0, 0);
}

void TMainForm::SelectSaboCounter()
{
    RunSaboCounter(
        [this](TextLineFilter wanted, const DisplayLineTaker& take) { ForEachDisplayLine(Input, wanted, take); },
        {[this] { SetWindowTextW(Output, L""); }, [this](std::string_view line) { AppendLine(Output, Utf16(line)); }});
}

void TMainForm::SelectPluenCounter()
{}

void TMainForm::SelectFleetCounter()
{}

void TMainForm::EditClearMemoClick()
{}

void TMainForm::EditCopyResultClick()
{
    SendMessageW(Output, EM_SETSEL, 0, -1);
    SendMessageW(Output, WM_COPY, 0, 0);
    SendMessageW(Output, EM_SETSEL, 0, 0);
    SendMessageW(Output, EM_SCROLLCARET, 0, 0);
}

} // namespace quarl
