#include "win32/ErrorDisplay.h"
#include "win32/Main.h"
#include "win32/MessageLoop.h"
#include "win32/TaskbarOwner.h"

#include <windows.h>
#include <commctrl.h>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
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
