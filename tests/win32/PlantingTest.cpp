// A DLL planted beside the program, or beside the installer, under the name of a DLL that it loads once it runs:
// Wine is told to prefer a DLL of that name found on the search path to its own, so the planted one is loaded if
// the program's folder is searched. The planted DLL leaves a marker beside itself when it is loaded; none may appear.
#include "StartedProgram.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <string>
#include <vector>

namespace {

using quarl::Started;

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH]{};
    return GetEnvironmentVariableW(name, value, MAX_PATH) ? value : L"";
}

// A fresh folder under the temporary one, removed with what it holds when the test ends.
struct Folder
{
    std::wstring path;

    Folder()
    {
        wchar_t temporary[MAX_PATH]{};
        GetTempPathW(MAX_PATH, temporary);
        path = temporary + std::wstring(L"quarl-planting-") + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~Folder()
    {
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((path + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path.c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
};

// Native DLLs of these names preferred to Wine's own in the program of this file name, as long as it lives. Wine
// reads this key of its own when a program starts.
struct PreferNative
{
    std::wstring key;

    PreferNative(const std::wstring& program, const std::vector<std::wstring>& libraries)
        : key(L"Software\\Wine\\AppDefaults\\" + program.substr(program.find_last_of(L"\\/") + 1))
    {
        HKEY overrides = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (key + L"\\DllOverrides").c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &overrides, nullptr),
                  ERROR_SUCCESS);
        const std::wstring order = L"native,builtin";
        for (const std::wstring& library : libraries)
            RegSetValueExW(overrides, library.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(order.c_str()),
                           static_cast<DWORD>((order.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(overrides);
    }
    ~PreferNative() { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
    PreferNative(const PreferNative&) = delete;
    PreferNative& operator=(const PreferNative&) = delete;
};

// The planted DLLs that left their marker.
std::wstring LoadedFrom(const Folder& folder, const std::vector<std::wstring>& libraries)
{
    std::wstring loaded;
    for (const std::wstring& library : libraries)
        if (GetFileAttributesW((folder.path + L"\\" + library + L".dll.loaded").c_str()) != INVALID_FILE_ATTRIBUTES)
            loaded += L" " + library;
    return loaded;
}

std::wstring PlantBeside(const Folder& folder, const std::wstring& program, const std::vector<std::wstring>& libraries)
{
    const std::wstring copy = folder.path + program.substr(program.find_last_of(L"\\/"));
    EXPECT_TRUE(CopyFileW(program.c_str(), copy.c_str(), FALSE));
    for (const std::wstring& library : libraries)
        EXPECT_TRUE(CopyFileW(QUARL_PLANTED_LIBRARY, (folder.path + L"\\" + library + L".dll").c_str(), FALSE));
    return copy;
}

// The program: started, Sabo pressed, closed. (Its menus are greyed, so a player cannot open its file dialogs.)
void UseTheProgram(const std::wstring& program)
{
    const Started started(program, L"TMainForm");
    ASSERT_NE(started.window, nullptr);
    HWND sabo =
        FindWindowExW(FindWindowExW(started.window, nullptr, L"QuarlBevelPanel", nullptr), nullptr, L"BUTTON", L"Sabo");
    ASSERT_NE(sabo, nullptr);
    SendMessageW(sabo, BM_CLICK, 0, 0);
    PostMessageW(started.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(started.Status(), 0u);
}

// The installer, run silently; packaging/windows/check-installer names it and removes what it installed.
void RunTheInstaller(const std::wstring& setup)
{
    const Started started(setup, nullptr, L"/S");
    ASSERT_NE(started.process.hProcess, nullptr);
    EXPECT_EQ(started.Status(), 0u);
}

struct Planting
{
    const char* name;
    // The program, or empty when not named here.
    std::wstring program;
    void (*use)(const std::wstring&);
    // DLLs it loads after it has started: COM and the window's drawing; those the installer loads itself.
    std::vector<std::wstring> libraries;
    // Why Wine cannot show it, or nullptr.
    const char* notUnderWine = nullptr;
};

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

void PrintTo(const Planting& row, std::ostream* out)
{
    *out << row.name;
}

class DllPlanting : public testing::TestWithParam<Planting>
{};

TEST_P(DllPlanting, NoDllIsLoadedFromTheProgramsFolder)
{
    const Planting& row = GetParam();
    if (row.program.empty())
        GTEST_SKIP() << "not named";
    if (row.notUnderWine && UnderWine())
        GTEST_SKIP() << row.notUnderWine;
    const Folder folder;
    const std::wstring program = PlantBeside(folder, row.program, row.libraries);
    {
        const PreferNative native(program, row.libraries);
        row.use(program);
    }
    EXPECT_EQ(LoadedFrom(folder, row.libraries), L"");
}

// Wine 8's own DLLs load these when first called (delay-loaded) through a search that starts in the program's
// folder whatever the program set with SetDefaultDllDirectories; Windows keeps to System32 for them.
constexpr char WineDelayLoads[] = "Wine looks for the DLLs its own DLLs delay-load in the program's folder";

INSTANTIATE_TEST_SUITE_P(
    Beside, DllPlanting,
    testing::Values(Planting{"program", QUARL_PROGRAM, UseTheProgram, {L"msimg32", L"ole32"}, WineDelayLoads},
                    Planting{"installer",
                             Environment(L"QUARL_PLANTING_SETUP"),
                             RunTheInstaller,
                             {L"userenv", L"setupapi", L"apphelp", L"propsys", L"dwmapi", L"oleacc", L"shfolder"}}),
    [](const testing::TestParamInfo<Planting>& row) { return std::string(row.param.name); });

} // namespace
