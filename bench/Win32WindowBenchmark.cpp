// Pastes report files into the Windows program's report box through the clipboard and clicks "Sabo", printing
// the click's time next to the paste's: win32_window_benchmark REPORT... (UTF-8 text, any line ends).
#include "Clipboard.h"
#include "Text.h"

#include "win32/Main.h"
#include "win32/TaskbarOwner.h"

#include <windows.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The file's text with CR LF line ends, as the edit box keeps it.
std::wstring ReportText(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string utf8((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::wstring text;
    for (wchar_t c : quarl::Utf16(utf8)) {
        if (c == L'\n' && (text.empty() || text.back() != L'\r'))
            text += L'\r';
        text += c;
    }
    return text;
}

template <typename Step>
double Milliseconds(Step step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    std::printf("%10s %12s %10s %10s\n", "M chars", "lines", "paste ms", "Sabo ms");
    for (int index = 1; index < argc; ++index) {
        const std::wstring text = ReportText(argv[index]);
        const quarl::TaskbarOwner owner;
        quarl::TMainForm form(owner.Handle());
        form.Show();
        HWND input = FindWindowExW(form.Handle(), nullptr, L"EDIT", nullptr);
        SetWindowTextW(input, L"");
        quarl::SetClipboardText(form.Handle(), text);
        const double paste = Milliseconds([&form] { form.EditPaste(); });
        const double click = Milliseconds([&form] { form.SelectSaboCounter(); });
        const auto lines = SendMessageW(input, EM_GETLINECOUNT, 0, 0);
        std::printf("%10.1f %12lld %10.0f %10.0f\n", static_cast<double>(text.size()) / 1e6,
                    static_cast<long long>(lines), paste, click);
    }
    return 0;
}
