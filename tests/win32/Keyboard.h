#pragma once

#include "win32/MessageLoop.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace quarl {

// Key presses as the keyboard sends them, written as in "Alt+O Ctrl+Home Esc abc": "Esc", "Tab", "Return", "Space",
// "F4", "Home", "End", each also held with "Alt+", "Ctrl+" or "Shift+" in front, a letter held so, and otherwise
// letters typed one after another.
inline std::vector<INPUT> Keys(const std::string& written)
{
    std::vector<INPUT> keys;
    auto key = [&keys](WORD code, bool down) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        keys.push_back(input);
    };
    auto press = [&key](WORD code) {
        key(code, true);
        key(code, false);
    };
    auto named = [](const std::string& name) -> WORD {
        if (name == "Esc")
            return VK_ESCAPE;
        if (name == "Tab")
            return VK_TAB;
        if (name == "Return")
            return VK_RETURN;
        if (name == "Space")
            return VK_SPACE;
        if (name == "F4")
            return VK_F4;
        if (name == "Home")
            return VK_HOME;
        if (name == "End")
            return VK_END;
        return name.size() == 1 ? static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0]))) : 0;
    };
    auto modifier = [](const std::string& name) -> WORD {
        if (name == "Alt")
            return VK_MENU;
        if (name == "Ctrl")
            return VK_CONTROL;
        return name == "Shift" ? VK_SHIFT : 0;
    };
    std::istringstream words(written);
    for (std::string word; words >> word;) {
        std::vector<WORD> held;
        for (std::size_t plus = word.find('+'); plus != std::string::npos && plus + 1 < word.size();
             plus = word.find('+')) {
            held.push_back(modifier(word.substr(0, plus)));
            word.erase(0, plus + 1);
        }
        if (!held.empty()) {
            for (const WORD down : held)
                key(down, true);
            press(named(word));
            for (auto up = held.rbegin(); up != held.rend(); ++up)
                key(*up, false);
        } else if (const WORD code = named(word); code && word.size() > 1) {
            press(code);
        } else {
            for (const char letter : word)
                press(named(std::string(1, letter)));
        }
    }
    return keys;
}

// Whether a menu was open when EndOpenMenu last ran.
inline bool menuWasOpen = false;

// Closes a menu that keys opened, so that its own loop cannot keep a test waiting.
inline void CALLBACK EndOpenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE)) {
        menuWasOpen = true;
        EndMenu();
    }
}

// Handles messages as the program's message loop does until none came for 200 ms, or for the given milliseconds
// at most, as under Wine some messages may keep coming.
inline void HandleMessagesUntilIdle(HWND mainForm, ULONGLONG atMost)
{
    const ULONGLONG end = GetTickCount64() + atMost;
    for (int idle = 0; idle < 10 && GetTickCount64() < end;) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchLoopMessage(mainForm, message);
            idle = 0;
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            ++idle;
        }
    }
}

// Sends the keys to the window that has the keyboard focus and handles what they cause as the program's message
// loop does. A menu that the keys open is closed again after a second; the result says whether one was open.
inline bool PressKeys(HWND mainForm, const std::string& written)
{
    menuWasOpen = false;
    std::vector<INPUT> keys = Keys(written);
    EXPECT_EQ(SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)), keys.size());
    const UINT_PTR timer = SetTimer(nullptr, 0, 1000, EndOpenMenu);
    HandleMessagesUntilIdle(mainForm, 10000);
    KillTimer(nullptr, timer);
    return menuWasOpen;
}

} // namespace quarl
