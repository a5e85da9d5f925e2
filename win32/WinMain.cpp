#include "win32/ErrorDisplay.h"
#include "win32/Main.h"
#include "win32/MessageLoop.h"
#include "win32/TaskbarOwner.h"

#include <windows.h>
#include <commctrl.h>
#include <cstdlib>

namespace {

// DLLs that the program or Windows load once it runs (for the common dialogs, themes, the shell) come from
// System32 only, never from the program's folder, where a DLL of that name could have been put beside a download.
// Windows 7 without update KB2533623 lacks the function; it is looked up so that the program still starts there.
void LoadLibrariesFromSystem32Only()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    // Through void (*)(), which any function pointer converts to without a warning.
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    LoadLibrariesFromSystem32Only();
    try {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        const quarl::TaskbarOwner application;
        quarl::TMainForm MainForm(application.Handle());
        MainForm.Show();
        return quarl::RunMessageLoop(MainForm.Handle());
    } catch (...) {
        quarl::ShowCurrentError();
        return EXIT_FAILURE;
    }
}
