#include "ExpectedOutput.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <string>

namespace {

struct Search
{
    DWORD process = 0;
    const wchar_t* kind = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK FindWindowOfKind(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<Search*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t kind[16]{};
    GetClassNameW(window, kind, 16);
    if (process == wanted.process && std::wstring(kind) == wanted.kind && IsWindowVisible(window))
        wanted.found = window;
    return wanted.found == nullptr;
}

// The caption and the text of a message box, as "caption | text".
std::wstring BoxTexts(HWND box)
{
    wchar_t text[512]{};
    GetWindowTextW(box, text, 512);
    std::wstring texts = text + std::wstring(L" |");
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16]{};
        GetClassNameW(child, kind, 16);
        GetWindowTextW(child, text, 512);
        if (std::wstring(kind) == L"Static" && text[0])
            texts += L' ' + std::wstring(text);
    }
    return texts;
}

struct StartCase
{
    const wchar_t* program;
    // The window it shows: its main window, or a message box that must stay until OK is pressed.
    const wchar_t* kind;
    const wchar_t* box;
    DWORD status;
};

void PrintTo(const StartCase& row, std::ostream* out)
{
    *out << (row.box ? "start-up error" : "window closed");
}

class Program : public testing::TestWithParam<StartCase>
{};

// A program started as a user starts it, and the first visible window of that class it shows.
struct Started
{
    PROCESS_INFORMATION process{};
    HWND window = nullptr;

    Started(const wchar_t* program, const wchar_t* kind)
    {
        std::wstring command = L"\"" + std::wstring(program) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return;
        WaitForInputIdle(process.hProcess, 60000);
        Search search{process.dwProcessId, kind};
        for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
            EnumWindows(FindWindowOfKind, reinterpret_cast<LPARAM>(&search));
            if (!search.found && WaitForSingleObject(process.hProcess, 100) != WAIT_TIMEOUT)
                break;
        }
        window = search.found;
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

    // The status it ends with, within a minute.
    DWORD Status() const
    {
        DWORD status = 2;
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(process.hProcess, &status);
        return status;
    }
};

// The program itself, started as a user starts it; what it shows is closed as a user closes it.
TEST_P(Program, EndsWithItsStatusOnceWhatItShowsIsClosed)
{
    const StartCase& row = GetParam();
    const Started program(row.program, row.kind);
    ASSERT_NE(program.process.hProcess, nullptr);
    EXPECT_NE(program.window, nullptr) << "the program ended without showing it";
    if (row.box) {
        EXPECT_EQ(WaitForSingleObject(program.process.hProcess, 3000), WAIT_TIMEOUT) << "the box closed by itself";
        EXPECT_TRUE(IsWindowVisible(program.window));
        EXPECT_EQ(BoxTexts(program.window), row.box);
        PostMessageW(program.window, WM_COMMAND, IDOK, 0);
    } else {
        PostMessageW(program.window, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(program.Status(), row.status);
}

// The program as a player installed it (packaging/windows/check-installer names it): a report pasted and counted
// from outside, as a user would.
TEST(InstalledProgram, CountsAReport)
{
    wchar_t path[MAX_PATH]{};
    if (!GetEnvironmentVariableW(L"QUARL_INSTALLED_PROGRAM", path, MAX_PATH))
        GTEST_SKIP() << "no installed program named";
    const Started program(path, L"TMainForm");
    ASSERT_NE(program.window, nullptr);
    HWND input = FindWindowExW(program.window, nullptr, L"EDIT", nullptr);
    HWND output = FindWindowExW(program.window, input, L"EDIT", nullptr);
    HWND sabo =
        FindWindowExW(FindWindowExW(program.window, nullptr, L"QuarlBevelPanel", nullptr), nullptr, L"BUTTON", L"Sabo");
    ASSERT_TRUE(input && output && sabo);
    SendMessageW(input, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"Raumhafen (4)\r\nEisenmine (2)\r\nForschungszentrum (1)\r\n"));
    SendMessageW(sabo, BM_CLICK, 0, 0);
    wchar_t shown[2048]{};
    SendMessageW(output, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown),
              quarl::ResultText({{"Raumhafen", 4}, {"Eisenmine", 2}, {"Forschungszentrum", 1}}, 17));
    PostMessageW(program.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Status(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Starts, Program,
                         testing::Values(StartCase{QUARL_PROGRAM, L"TMainForm", nullptr, 0},
                                         StartCase{QUARL_FAILING_PROGRAM, L"#32770",
                                                   L"QUARL-Counter | Ein Bedienelement lässt sich nicht anlegen.", 1}));

} // namespace
