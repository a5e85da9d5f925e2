// A DLL that the planting test puts beside a program under the name of a DLL that the program loads after it has
// started. Loaded, it leaves a file beside itself named like itself with ".loaded" appended, and then refuses to
// load, so that none of it stays in the program.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t marker[MAX_PATH + 8]{};
    const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
    lstrcpyW(marker + length, L".loaded");
    const HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return FALSE;
}
