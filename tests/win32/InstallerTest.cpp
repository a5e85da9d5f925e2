// The installer and uninstaller under Wine while the installed program runs or one of its files is held open.
// packaging/windows/check-installer runs these with the paths in the environment and checks the files and the
// uninstall entry around them; without those paths they are skipped.
#include "StartedProgram.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <string>

namespace {

using quarl::DialogTexts;
using quarl::Started;
using quarl::WaitForWindow;

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH]{};
    return GetEnvironmentVariableW(name, value, MAX_PATH) ? value : L"";
}

struct Paths
{
    // The installed program, the installer, a copy of the uninstaller outside the folder it removes, that folder.
    std::wstring program = Environment(L"QUARL_INSTALLED_PROGRAM");
    std::wstring setup = Environment(L"QUARL_SETUP");
    std::wstring uninstaller = Environment(L"QUARL_UNINSTALLER");
    std::wstring folder = Environment(L"QUARL_INSTALL_FOLDER");

    bool Complete() const { return !program.empty() && !setup.empty() && !uninstaller.empty() && !folder.empty(); }

    // A copy of the uninstaller run with _?= removes that folder and ends with the uninstaller's own status; the
    // uninstaller a player starts hands over to such a copy at once.
    std::wstring Arguments(bool uninstall, bool silent) const
    {
        std::wstring arguments = silent ? L"/S" : L"";
        if (uninstall)
            arguments += (silent ? L" _?=" : L"_?=") + folder;
        return arguments;
    }
};

// The question whether QUARL-Counter is closed now: the dialog with "Wiederholen".
HWND WaitForQuestion(const Started& tool)
{
    return WaitForWindow(tool.process.hProcess, L"#32770", IDRETRY);
}

// The wizard: the dialog with the "Weiter" button, whose id is 1.
HWND WaitForWizard(const Started& tool)
{
    return WaitForWindow(tool.process.hProcess, L"#32770", IDOK);
}

void Press(HWND dialog, int button)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// Whether the window goes away within ten seconds.
bool Closes(HWND window)
{
    for (int attempt = 0; attempt < 100 && IsWindow(window); ++attempt)
        Sleep(100);
    return !IsWindow(window);
}

// Whether the wizard shows a page with this text within a minute.
bool Shows(HWND wizard, const std::wstring& text)
{
    for (int attempt = 0; attempt < 600; ++attempt) {
        if (DialogTexts(wizard).find(text) != std::wstring::npos)
            return true;
        Sleep(100);
    }
    return false;
}

struct Refusal
{
    bool uninstall;
    bool silent;
    const wchar_t* question;
};

void PrintTo(const Refusal& row, std::ostream* out)
{
    *out << (row.uninstall ? "uninstaller" : "installer") << (row.silent ? " /S" : " with pages");
}

class RefusedWhileRunning : public testing::TestWithParam<Refusal>
{};

// Asked while the program runs, "Wiederholen" asks again and "Abbrechen" ends with status 2; /S ends so at once.
TEST_P(RefusedWhileRunning, EndsWithStatus2AndTheProgramRuns)
{
    const Refusal& row = GetParam();
    const Paths paths;
    if (!paths.Complete())
        GTEST_SKIP() << "no installation named";
    const Started running(paths.program, L"TMainForm");
    ASSERT_NE(running.window, nullptr);
    const Started tool(row.uninstall ? paths.uninstaller : paths.setup, nullptr,
                       paths.Arguments(row.uninstall, row.silent));
    ASSERT_NE(tool.process.hProcess, nullptr);
    if (!row.silent) {
        HWND question = WaitForQuestion(tool);
        ASSERT_NE(question, nullptr) << "no question while the program runs";
        EXPECT_EQ(DialogTexts(question), row.question);
        Press(question, IDRETRY);
        ASSERT_TRUE(Closes(question));
        question = WaitForQuestion(tool);
        ASSERT_NE(question, nullptr) << "no question again while the program still runs";
        Press(question, IDCANCEL);
    }
    EXPECT_EQ(tool.Status(), 2u);
    EXPECT_TRUE(running.Running());
}

constexpr wchar_t InstallQuestion[] =
    L"Installation von QUARL-Counter | QUARL-Counter läuft noch. Bitte schließen Sie es und klicken Sie dann auf "
    L"„Wiederholen“.\r\n\r\n„Abbrechen“ beendet die Installation, ohne etwas zu ändern.";
constexpr wchar_t UninstallQuestion[] =
    L"Deinstallation von QUARL-Counter | QUARL-Counter läuft noch. Bitte schließen Sie es und klicken Sie dann auf "
    L"„Wiederholen“.\r\n\r\n„Abbrechen“ beendet die Deinstallation, ohne etwas zu ändern.";

INSTANTIATE_TEST_SUITE_P(Installer, RefusedWhileRunning,
                         testing::Values(Refusal{false, true, nullptr}, Refusal{false, false, InstallQuestion},
                                         Refusal{true, true, nullptr}, Refusal{true, false, UninstallQuestion}));

// Closed after the question, "Wiederholen" goes on: the uninstaller removes it and says so on its last page.
TEST(UninstallAfterClosing, GoesOnAndSaysItIsRemoved)
{
    const Paths paths;
    if (!paths.Complete())
        GTEST_SKIP() << "no installation named";
    Started running(paths.program, L"TMainForm");
    ASSERT_NE(running.window, nullptr);
    const Started tool(paths.uninstaller, nullptr, paths.Arguments(true, false));
    HWND question = WaitForQuestion(tool);
    ASSERT_NE(question, nullptr);
    PostMessageW(running.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.Status(), 0u);
    Press(question, IDRETRY);
    HWND wizard = WaitForWizard(tool);
    ASSERT_NE(wizard, nullptr);
    Press(wizard, IDOK);
    ASSERT_TRUE(Shows(wizard, L"ist von Ihrem Computer entfernt worden")) << DialogTexts(wizard).c_str();
    EXPECT_NE(DialogTexts(wizard).find(L" Die Deinstallation ist vollständig "), std::wstring::npos);
    Press(wizard, IDOK);
    EXPECT_EQ(tool.Status(), 0u);
}

class HeldFile : public testing::TestWithParam<bool>
{};

// A file that another program holds open stays: the uninstaller names it on its last page and ends with status 2.
TEST_P(HeldFile, IsNamedAndTheUninstallerEndsWithStatus2)
{
    const bool silent = GetParam();
    const Paths paths;
    if (!paths.Complete())
        GTEST_SKIP() << "no installation named";
    const std::wstring file = paths.folder + L"\\LIESMICH.txt";
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        const Started tool(paths.uninstaller, nullptr, paths.Arguments(true, silent));
        if (!silent) {
            HWND wizard = WaitForWizard(tool);
            ASSERT_NE(wizard, nullptr);
            Press(wizard, IDOK);
            EXPECT_TRUE(Shows(wizard, L"Diese Dateien sind noch da:\r\n" + file + L"\r\n"))
                << DialogTexts(wizard).c_str();
            EXPECT_NE(DialogTexts(wizard).find(L" QUARL-Counter wurde nicht vollständig entfernt "),
                      std::wstring::npos);
            Press(wizard, IDOK);
        }
        EXPECT_EQ(tool.Status(), 2u);
    }
    CloseHandle(held);
}

INSTANTIATE_TEST_SUITE_P(Uninstaller, HeldFile, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& row) { return row.param ? "Silent" : "WithPages"; });

} // namespace
