#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

struct Search
{
    DWORD process = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<Search*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t kind[16]{};
    GetClassNameW(window, kind, 16);
    if (process == wanted.process && std::wstring(kind) == L"TMainForm")
        wanted.found = window;
    return wanted.found == nullptr;
}

// The program itself, started as a user starts it, closed through its window.
TEST(Program, ClosingTheWindowEndsTheProgramWithStatusZero)
{
    std::wstring command = L"\"" QUARL_PROGRAM L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForInputIdle(process.hProcess, 60000);
    Search search{process.dwProcessId};
    for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        Sleep(100);
    }
    EXPECT_NE(search.found, nullptr);
    PostMessageW(search.found, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
