#include "ExpectedOutput.h"
#include "FormControls.h"
#include "Keyboard.h"
#include "MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <atomic>
#include <string>

namespace quarl {
namespace {

// Watches from a thread of its own, as the player's eyes do, whether the cursor shown is ever the wait cursor
// while the window's thread is busy.
class CursorWatch
{
public:
    CursorWatch() : thread_(CreateThread(nullptr, 0, Watch, this, 0, nullptr)) {}
    ~CursorWatch() { stop(); }
    CursorWatch(const CursorWatch&) = delete;
    CursorWatch& operator=(const CursorWatch&) = delete;

    // Whether the wait cursor was seen until now.
    bool stop()
    {
        if (thread_) {
            stopped_ = true;
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
            thread_ = nullptr;
        }
        return sawWait_;
    }

private:
    static DWORD WINAPI Watch(void* watch)
    {
        auto& self = *static_cast<CursorWatch*>(watch);
        const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
        while (!self.stopped_) {
            if (ShownCursor() == wait)
                self.sawWait_ = true;
            Sleep(1);
        }
        return 0;
    }

    std::atomic<bool> stopped_ = false;
    std::atomic<bool> sawWait_ = false;
    HANDLE thread_;

public:
    static HCURSOR ShownCursor()
    {
        CURSORINFO shown{};
        shown.cbSize = sizeof shown;
        GetCursorInfo(&shown);
        return shown.hCursor;
    }
};

// Handles what input caused, for three seconds at most.
void HandleInput(HWND form)
{
    HandleMessagesUntilIdle(form, 3000);
}

// The mouse moved onto the control and its left button clicked there, as a player clicks.
void ClickOn(HWND form, HWND control)
{
    RECT area{};
    GetWindowRect(control, &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    HandleInput(form);
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    HandleInput(form);
}

// Some hundred kilobytes of reports, enough for the count and a paste to take a while.
std::wstring LongReports()
{
    std::wstring reports;
    for (int line = 0; line < 2000; ++line)
        reports += L"Eisenmine (3) und noch etwas Text, damit die Zeile lang wird\r\n";
    return reports;
}

class WaitCursorTest : public FormTest
{};

// The wait cursor shows while the window counts many reports after a click on Sabo, and the arrow is back after.
TEST_F(WaitCursorTest, WaitCursorWhileSaboCountsThenTheArrow)
{
    static const std::wstring reports = LongReports();
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetForegroundWindow(Form());
    SetFocus(Input);
    SetWindowTextW(Input, reports.c_str());
    // The mouse rests on Sabo, where the cursor is the arrow.
    RECT sabo{};
    GetWindowRect(Sabo, &sabo);
    SetCursorPos((sabo.left + sabo.right) / 2, (sabo.top + sabo.bottom) / 2);
    HandleInput(Form());
    ASSERT_EQ(CursorWatch::ShownCursor(), arrow);

    CursorWatch watch;
    MessageBoxCatcher box(Form());
    ClickOn(Form(), Sabo);
    EXPECT_TRUE(watch.stop());
    EXPECT_EQ(CursorWatch::ShownCursor(), arrow);
    EXPECT_EQ(box.shown().count, 0);
    EXPECT_EQ(Text(Output), ResultText({{"Eisenmine", 6000}}, 6000));
}

} // namespace
} // namespace quarl
