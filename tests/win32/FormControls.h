#pragma once

#include "Text.h"

#include "win32/Main.h"
#include "win32/TaskbarOwner.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <memory>
#include <string>

namespace quarl {

// The main window with its owner, and its controls found the way a user sees them. Showing and closing a window
// under Wine without a window manager takes seconds, so the tests of one suite share one window.
class FormTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { Open(Layout::ScreenDpi()); }
    static void TearDownTestSuite() { Close(); }

    static void Open(int dpi)
    {
        owner_ = std::make_unique<TaskbarOwner>();
        form_ = std::make_unique<TMainForm>(owner_->Handle(), dpi);
        form_->Show();
        Input = Child(Form(), L"EDIT", 0);
        Output = Child(Form(), L"EDIT", 1);
        Panel1 = Child(Form(), L"QuarlBevelPanel", 0);
        Sabo = FindWindowExW(Panel1, nullptr, L"BUTTON", L"Sabo");
    }

    static void Close()
    {
        form_.reset();
        owner_.reset();
        // The closed window asked the message loop to end; no loop runs here, so the request is dropped.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    [[nodiscard]] static HWND Form() { return form_->Handle(); }

    // The index-th child of that window class, in creation order.
    static HWND Child(HWND parent, const wchar_t* kind, int index)
    {
        HWND child = nullptr;
        for (int found = -1; found < index;) {
            child = FindWindowExW(parent, child, kind, nullptr);
            if (!child)
                return nullptr;
            ++found;
        }
        return child;
    }

    static std::wstring Text(HWND window) { return WindowText(window); }

    static void ClickSabo() { SendMessageW(Sabo, BM_CLICK, 0, 0); }

    static inline std::unique_ptr<TaskbarOwner> owner_;
    static inline std::unique_ptr<TMainForm> form_;
    static inline HWND Input = nullptr;
    static inline HWND Output = nullptr;
    static inline HWND Panel1 = nullptr;
    static inline HWND Sabo = nullptr;
};

} // namespace quarl
