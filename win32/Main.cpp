#include "win32/Main.h"

#include "BevelPanelClass.h"
#include "EditControlLines.h"
#include "Resources.h"
#include "Text.h"
#include "WaitCursor.h"
#include "WindowClass.h"

#include "frontend/Guarded.h"
#include "frontend/MainFormSetUp.h"
#include "frontend/SaboCommand.h"
#include "win32/DialogKeys.h"
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
// Large enough for any paste; the edit box's default limit would cut a large one.
constexpr LPARAM TextLimit = 0x7FFFFFFE;
// Command numbers of the menu items, in the order they are made; above 1 and 2, which Return and Escape send.
constexpr UINT FirstMenuItemId = 100;

} // namespace

TMainForm::TMainForm(HWND owner, int dpi) : layout_(std::make_unique<Layout>(dpi ? dpi : Layout::ScreenDpi()))
{
    createWindow(owner);
    try {
        if (!dpi)
            layOutForMonitor();
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
    RECT frame{0, 0, layout_->Scaled(MainFormData::ClientWidth), layout_->Scaled(MainFormData::ClientHeight)};
    AdjustWindowRectEx(&frame, WindowStyle, TRUE, 0);
    // The window's own procedure sets window_ as the first message arrives.
    CreateWindowExW(0, ClassName, Utf16(MainFormData::Caption).c_str(), WindowStyle, MainFormData::Left,
                    MainFormData::Top, frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!window_)
        throw std::runtime_error("Das Hauptfenster lässt sich nicht öffnen");
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->WindowFont()), FALSE);
}

HWND TMainForm::createControl(const wchar_t* kind, const ControlData& control, DWORD style, HWND parent,
                              DWORD extendedStyle)
{
    const Area area = layout_->Scaled(control.area);
    if (!control.enabled)
        style |= WS_DISABLED;
    HWND made = CreateWindowExW(extendedStyle, kind, Utf16WithCrLf(control.text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                area.left, area.top, area.width, area.height, parent ? parent : window_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!made)
        throw std::runtime_error("Ein Bedienelement lässt sich nicht anlegen");
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->WindowFont()), FALSE);
    placed_.push_back({made, &control, false});
    return made;
}

void TMainForm::createControls()
{
    MainFormSetUp::CreateControls(*this);
    focus_.emplace(window_, Input);
    SetWindowSubclass(Input, InputProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

HWND TMainForm::makeLabel(const ControlData& control)
{
    HWND label = createControl(L"STATIC", control, SS_LEFT | SS_NOPREFIX);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->LabelFont()), FALSE);
    layout_->FitLabel(label);
    placed_.back().label = true;
    return label;
}

HWND TMainForm::makeEditBox(const ControlData& control)
{
    HWND box = createControl(L"EDIT", control, EditBoxStyle | (control.readOnly ? ES_READONLY : 0), window_,
                             EditBoxExtendedStyle);
    SendMessageW(box, EM_SETLIMITTEXT, TextLimit, 0);
    LeaveDialogKeysToWindow(box);
    return box;
}

HWND TMainForm::makePanel(const ControlData& control)
{
    const Area area = layout_->Scaled(control.area);
    HWND panel = CreateBevelPanel(window_, area.left, area.top, area.width, area.height);
    if (!panel)
        throw std::runtime_error("Die Leiste der Zähler lässt sich nicht anlegen");
    placed_.push_back({panel, &control, false});
    return panel;
}

HWND TMainForm::makeButton(const ControlData& control, HWND parent)
{
    return createControl(L"BUTTON", control, ButtonStyle, parent);
}

void TMainForm::createMenus()
{
    MainMenu = CreateMenu();
    MainFormSetUp::CreateMenus(*this);
    SetMenu(window_, MainMenu);
}

HMENU TMainForm::makeMenu(const MenuData& menu)
{
    HMENU made = CreatePopupMenu();
    AppendMenuW(MainMenu, MF_POPUP | (menu.enabled ? 0 : MF_GRAYED), reinterpret_cast<UINT_PTR>(made),
                Utf16(menu.title).c_str());
    return made;
}

MenuItem TMainForm::makeItem(HMENU menu, const MenuItemData& item)
{
    const auto id = static_cast<UINT>(FirstMenuItemId + menuCommands_.size());
    menuCommands_.push_back(item.command);
    if (item.text.empty())
        AppendMenuW(menu, MF_SEPARATOR | MF_GRAYED, id, nullptr);
    else
        AppendMenuW(menu, MF_STRING | MF_GRAYED, id, Utf16(item.text).c_str());
    return {id};
}

void TMainForm::setUpDialogs()
{
    OpenDialog.emplace(window_, TextFileDialog::Kind::Open);
    SaveDialog.emplace(window_, TextFileDialog::Kind::Save);
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
        Guarded(ShowError,
                [form] { MainFormSetUp::Run(*reinterpret_cast<TMainForm*>(form), MainFormData::Input.click); });
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(input, InputProc, 1);
    // Keys and the context menu paste through WM_PASTE too; laying out a paste of megabytes takes seconds.
    if (message == WM_PASTE) {
        const WaitCursor busy;
        return DefSubclassProc(input, message, first, second);
    }
    return DefSubclassProc(input, message, first, second);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM first, LPARAM second)
{
    HWND window = window_;
    switch (message) {
    case WM_COMMAND:
        handleCommand(first, second);
        return 0;
    case WM_CTLCOLORSTATIC:
        return Colour(reinterpret_cast<HWND>(second), reinterpret_cast<HDC>(first));
    case WM_ACTIVATE:
        if (focus_)
            focus_->Activated(LOWORD(first) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        if (focus_)
            focus_->Restore();
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

void TMainForm::handleCommand(WPARAM first, LPARAM second)
{
    const auto control = reinterpret_cast<HWND>(second);
    if (control && HIWORD(first) == BN_CLICKED) {
        MainFormSetUp::Run(*this, clickCommand(control));
        return;
    }
    if (LOWORD(first) == IDOK) {
        PressFocusedButton();
        return;
    }
    const UINT item = LOWORD(first);
    if (item >= FirstMenuItemId && item - FirstMenuItemId < menuCommands_.size())
        MainFormSetUp::Run(*this, menuCommands_[item - FirstMenuItemId]);
}

Command TMainForm::clickCommand(HWND control) const
{
    for (const Placed& placed : placed_) {
        if (placed.control == control)
            return placed.data->click;
    }
    return Command::None;
}

// Read-only edit boxes and labels ask their parent for colours as static controls do.
LRESULT TMainForm::Colour(HWND control, HDC dc) const
{
    const int background = control == Output ? COLOR_MENU : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
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
    fitClientArea();
    InvalidateRect(window_, nullptr, TRUE);
}

// The window is made for the resolution the system had at sign-in; where its monitor has another scale, it is
// laid out for that one before any control is made. WM_DPICHANGED does not come for the monitor it opens on.
void TMainForm::layOutForMonitor()
{
    const int dpi = Layout::WindowDpi(window_);
    if (dpi == layout_->Dpi())
        return;
    const auto previous = std::exchange(layout_, std::make_unique<Layout>(dpi));
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(layout_->WindowFont()), FALSE);
    fitClientArea();
}

// The window's frame grown or shrunk until its client area has the size the layout asks for.
void TMainForm::fitClientArea()
{
    RECT frame{};
    RECT client{};
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0,
                 frame.right - frame.left + layout_->Scaled(MainFormData::ClientWidth) - client.right,
                 frame.bottom - frame.top + layout_->Scaled(MainFormData::ClientHeight) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Each control at its place for the current layout, in its font; labels grow to their captions again.
void TMainForm::placeControls()
{
    for (const auto& [control, data, label] : placed_) {
        const Area area = layout_->Scaled(data->area);
        const HFONT font = label ? layout_->LabelFont() : layout_->WindowFont();
        if (control != Panel1)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowPos(control, nullptr, area.left, area.top, area.width, area.height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (label)
            layout_->FitLabel(control);
    }
}

void TMainForm::FileSaveAs()
{
    SaveDialog->ShowForSaving();
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
    // A count of megabytes takes seconds.
    const WaitCursor busy;
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
