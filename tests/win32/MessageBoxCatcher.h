#pragma once

#include <windows.h>
#include <string>

namespace quarl {

// What the message boxes showed.
struct ShownBoxes
{
    int count = 0;
    std::wstring caption;
    std::wstring text;
    bool hasIcon = false;
    bool windowEnabled = true;
    bool entryEnabled = true;
    HWND owner = nullptr;
    // How far the box's centre lies from the window's, in pixels across and down.
    POINT offCentre{};
};

// Answers every message box of this thread with OK as soon as it opens and keeps what it showed.
class MessageBoxCatcher
{
public:
    explicit MessageBoxCatcher(HWND window)
    {
        window_ = window;
        shown_ = ShownBoxes{};
        hook_ = SetWindowsHookExW(WH_CBT, Activated, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxCatcher() { UnhookWindowsHookEx(hook_); }
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    [[nodiscard]] const ShownBoxes& shown() const { return shown_; }

private:
    static LRESULT CALLBACK Activated(int code, WPARAM first, LPARAM second)
    {
        auto box = reinterpret_cast<HWND>(first);
        wchar_t kind[16]{};
        GetClassNameW(box, kind, 16);
        if (code == HCBT_ACTIVATE && std::wstring(kind) == L"#32770") {
            // The box fills in its texts after it is activated; it is read once the box's own loop runs.
            box_ = box;
            SetTimer(nullptr, 0, 10, Record);
        }
        return CallNextHookEx(nullptr, code, first, second);
    }

    static void CALLBACK Record(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        HWND box = box_;
        ++shown_.count;
        shown_.caption = Text(box);
        shown_.windowEnabled = IsWindowEnabled(window_) != FALSE;
        shown_.entryEnabled = IsWindowEnabled(GetWindow(window_, GW_OWNER)) != FALSE;
        shown_.owner = GetWindow(box, GW_OWNER);
        RECT boxArea{};
        RECT windowArea{};
        GetWindowRect(box, &boxArea);
        GetWindowRect(window_, &windowArea);
        shown_.offCentre = {(boxArea.left + boxArea.right - windowArea.left - windowArea.right) / 2,
                            (boxArea.top + boxArea.bottom - windowArea.top - windowArea.bottom) / 2};
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
                continue;
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                shown_.hasIcon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
            else
                shown_.text += Text(child);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }

    static std::wstring Text(HWND window)
    {
        wchar_t text[512]{};
        GetWindowTextW(window, text, 512);
        return text;
    }

    static inline HWND window_ = nullptr;
    static inline HWND box_ = nullptr;
    static inline ShownBoxes shown_;
    HHOOK hook_ = nullptr;
};

} // namespace quarl
