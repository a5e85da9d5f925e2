#pragma once

#include <windows.h>
#include <array>
#include <commdlg.h>
#include <string>

namespace quarl {

// The system's resizable file dialog for text files, as the window shows it: the one filter entry for text files
// selected and an empty file name.
class TextFileDialog
{
public:
    enum class Kind { Open, Save };

    TextFileDialog(HWND owner, Kind kind);
    TextFileDialog(const TextFileDialog&) = delete;
    TextFileDialog& operator=(const TextFileDialog&) = delete;

    // Shows the dialog for saving; the user's choice is not used. Throws where the dialog cannot be shown.
    void ShowForSaving();

private:
    OPENFILENAMEW dialog_{};
    std::wstring filter_;
    // The file name the dialog shows and returns.
    std::array<wchar_t, MAX_PATH> fileName_{};
};

} // namespace quarl
