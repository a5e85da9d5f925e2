#include <gtest/gtest.h>

#include <string>
#include <windows.h>

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

// The program itself, started as a user starts it; what it shows is closed as a user closes it.
TEST_P(Program, EndsWithItsStatusOnceWhatItShowsIsClosed)
{
    const StartCase& row = GetParam();
    std::wstring command = L"\"" + std::wstring(row.program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForInputIdle(process.hProcess, 60000);
    Search search{process.dwProcessId, row.kind};
    for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
        EnumWindows(FindWindowOfKind, reinterpret_cast<LPARAM>(&search));
        if (!search.found && WaitForSingleObject(process.hProcess, 100) != WAIT_TIMEOUT)
            break;
    }
    EXPECT_NE(search.found, nullptr) << "the program ended without showing it";
    if (row.box) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 3000), WAIT_TIMEOUT) << "the box closed by itself";
        EXPECT_TRUE(IsWindowVisible(search.found));
        EXPECT_EQ(BoxTexts(search.found), row.box);
        PostMessageW(search.found, WM_COMMAND, IDOK, 0);
    } else {
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD status = 2;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, row.status);
    TerminateProcess(process.hProcess, 2);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

INSTANTIATE_TEST_SUITE_P(Starts, Program,
                         testing::Values(StartCase{QUARL_PROGRAM, L"TMainForm", nullptr, 0},
                                         StartCase{QUARL_FAILING_PROGRAM, L"#32770",
                                                   L"QUARL-Counter | Ein Bedienelement lässt sich nicht anlegen.", 1}));

} // namespace
