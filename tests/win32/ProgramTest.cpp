#include "ExpectedOutput.h"
#include "StartedProgram.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <string>

namespace {

using quarl::Started;

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
    const Started program(row.program, row.kind);
    ASSERT_NE(program.process.hProcess, nullptr);
    EXPECT_NE(program.window, nullptr) << "the program ended without showing it";
    if (row.box) {
        EXPECT_EQ(WaitForSingleObject(program.process.hProcess, 3000), WAIT_TIMEOUT) << "the box closed by itself";
        EXPECT_TRUE(IsWindowVisible(program.window));
        EXPECT_EQ(quarl::DialogTexts(program.window), row.box);
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

// Sets the resolution that Wine gives the programs started while it lives (the scale setting of the display) and
// puts back the one there was.
class WineDpi
{
public:
    explicit WineDpi(DWORD dpi)
    {
        DWORD size = sizeof previous_;
        had_ = RegGetValueW(HKEY_CURRENT_USER, Key, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &previous_, &size) ==
               ERROR_SUCCESS;
        RegSetKeyValueW(HKEY_CURRENT_USER, Key, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    ~WineDpi()
    {
        if (had_)
            RegSetKeyValueW(HKEY_CURRENT_USER, Key, L"LogPixels", REG_DWORD, &previous_, sizeof previous_);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, L"LogPixels");
    }
    WineDpi(const WineDpi&) = delete;
    WineDpi& operator=(const WineDpi&) = delete;

private:
    static constexpr const wchar_t* Key = L"Control Panel\\Desktop";
    DWORD previous_ = 0;
    bool had_ = false;
};

struct MonitorCase
{
    DWORD dpi;
    SIZE client;
};

void PrintTo(const MonitorCase& row, std::ostream* out)
{
    *out << row.dpi << " dpi";
}

class MonitorScale : public testing::TestWithParam<MonitorCase>
{};

// The program opens laid out for the resolution of the monitor it opens on. Wine gives every monitor the one
// resolution it is set to, so here that is also the resolution at sign-in.
TEST_P(MonitorScale, ProgramOpensLaidOutForItsMonitor)
{
    const MonitorCase& row = GetParam();
    const WineDpi scale(row.dpi);
    const Started program(QUARL_PROGRAM, L"TMainForm");
    ASSERT_NE(program.window, nullptr);
    RECT client{};
    GetClientRect(program.window, &client);
    EXPECT_EQ(client.right, row.client.cx);
    EXPECT_EQ(client.bottom, row.client.cy);
    PostMessageW(program.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Status(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dpi, MonitorScale,
                         testing::Values(MonitorCase{96, {633, 385}}, MonitorCase{120, {779, 474}},
                                         MonitorCase{144, {974, 592}}));

INSTANTIATE_TEST_SUITE_P(Starts, Program,
                         testing::Values(StartCase{QUARL_PROGRAM, L"TMainForm", nullptr, 0},
                                         StartCase{QUARL_FAILING_PROGRAM, L"#32770",
                                                   L"QUARL-Counter | Ein Bedienelement lässt sich nicht anlegen.", 1}));

} // namespace
