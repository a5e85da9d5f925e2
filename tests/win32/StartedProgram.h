#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <string>

namespace quarl {

struct WindowSearch
{
    DWORD process = 0;
    const wchar_t* kind = nullptr;
    // A child with this id that the window must have, or 0.
    int childId = 0;
    HWND found = nullptr;
};

inline BOOL CALLBACK FindWindowOfKind(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<WindowSearch*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t kind[16]{};
    GetClassNameW(window, kind, 16);
    if (process == wanted.process && std::wstring(kind) == wanted.kind && IsWindowVisible(window) &&
        (!wanted.childId || GetDlgItem(window, wanted.childId)))
        wanted.found = window;
    return wanted.found == nullptr;
}

// The first visible top-level window of that class (and with that child) that the process shows within a minute,
// or nullptr when it ends or shows none.
inline HWND WaitForWindow(HANDLE process, const wchar_t* kind, int childId = 0)
{
    WindowSearch search{GetProcessId(process), kind, childId};
    for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
        EnumWindows(FindWindowOfKind, reinterpret_cast<LPARAM>(&search));
        if (!search.found && WaitForSingleObject(process, 100) != WAIT_TIMEOUT)
            break;
    }
    return search.found;
}

// Adds the text of a visible static control to the texts; named and CALLBACK, as 32-bit Windows calls it.
inline BOOL CALLBACK AddStaticText(HWND child, LPARAM texts)
{
    wchar_t kind[16]{};
    wchar_t shown[1024]{};
    GetClassNameW(child, kind, 16);
    GetWindowTextW(child, shown, 1024);
    if (std::wstring(kind) == L"Static" && shown[0] && IsWindowVisible(child))
        *reinterpret_cast<std::wstring*>(texts) += L' ' + std::wstring(shown);
    return TRUE;
}

// The caption and the texts of a dialog and of all its descendants, as "caption | text text ...".
inline std::wstring DialogTexts(HWND dialog)
{
    wchar_t text[1024]{};
    GetWindowTextW(dialog, text, 1024);
    std::wstring texts = text + std::wstring(L" |");
    EnumChildWindows(dialog, AddStaticText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// A program started as a user starts it, ended when the test ends if it still runs.
struct Started
{
    PROCESS_INFORMATION process{};
    HWND window = nullptr;

    // Waits for the first visible window of that class when one is named.
    explicit Started(const std::wstring& program, const wchar_t* kind = nullptr, const std::wstring& arguments = L"")
    {
        std::wstring command = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return;
        if (!kind)
            return;
        WaitForInputIdle(process.hProcess, 60000);
        window = WaitForWindow(process.hProcess, kind);
    }

    ~Started()
    {
        if (!process.hProcess)
            return;
        TerminateProcess(process.hProcess, 2);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool Running() const { return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; }

    // The status it ends with, within a minute.
    DWORD Status() const
    {
        DWORD status = 2;
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(process.hProcess, &status);
        return status;
    }
};

} // namespace quarl
