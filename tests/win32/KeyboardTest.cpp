#include "Keyboard.h"

#include "Clipboard.h"
#include "FormControls.h"

#include <gtest/gtest.h>

#include <string>

namespace quarl {
namespace {

enum class Focus { Input, Output, Sabo };

struct KeyCase
{
    const char* keys;
    Focus focus;
    // Input's text afterwards; it holds "Eisenmine (3) " with the caret at its end before the keys.
    const wchar_t* input;
    bool windowStays = true;
    bool menuOpens = false;
};

void PrintTo(const KeyCase& row, std::ostream* out)
{
    *out << '"' << row.keys << '"';
}

// The rows share a window; one whose keys closed it leaves a new one for the next.
class KeyTest : public FormTest, public testing::WithParamInterface<KeyCase>
{
protected:
    void SetUp() override
    {
        if (!IsWindow(Form())) {
            Close();
            Open(Layout::ScreenDpi());
        }
    }
};

TEST_P(KeyTest, KeysDoWhatTheyDoInAWindowWithDisabledMenus)
{
    const KeyCase& row = GetParam();
    SetWindowTextW(Input, L"Eisenmine (3) ");
    SendMessageW(Input, EM_SETSEL, 14, 14);
    SetFocus(row.focus == Focus::Input ? Input : row.focus == Focus::Output ? Output : Sabo);

    const bool menuOpened = PressKeys(Form(), row.keys);
    ASSERT_EQ(IsWindow(Input) != FALSE, row.windowStays);
    if (!row.windowStays)
        return;
    EXPECT_EQ(menuOpened, row.menuOpens);
    EXPECT_EQ(Text(Input), row.input);
    EXPECT_EQ(Text(Output), L"Das Ergebnis erscheint hier.\r\n");
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest,
                         testing::Values(KeyCase{"Esc abc", Focus::Input, L"Eisenmine (3) abc"},
                                         KeyCase{"Esc", Focus::Output, L"Eisenmine (3) "},
                                         KeyCase{"Esc", Focus::Sabo, L"Eisenmine (3) "},
                                         KeyCase{"Alt+O abc", Focus::Input, L"Eisenmine (3) abc"},
                                         KeyCase{"Alt+E abc", Focus::Input, L"Eisenmine (3) abc"},
                                         KeyCase{"Alt+O Alt+O abc", Focus::Input, L"Eisenmine (3) abc"},
                                         KeyCase{"Alt+Shift+O abc", Focus::Input, L"Eisenmine (3) abc"},
                                         KeyCase{"Alt+Shift+X abc", Focus::Input, L"Eisenmine (3) abc"},
                                         KeyCase{"Alt+Space", Focus::Input, L"Eisenmine (3) ", true, true},
                                         KeyCase{"Alt+F4", Focus::Input, L"", false}));

struct CopyCase
{
    const char* keys;
    const wchar_t* copied;
};

void PrintTo(const CopyCase& row, std::ostream* out)
{
    *out << '"' << row.keys << '"';
}

class OutputKeyTest : public FormTest, public testing::WithParamInterface<CopyCase>
{};

// Output is read-only, yet the keyboard reaches it from Input, selects and copies.
TEST_P(OutputKeyTest, TabIntoOutputThenSelectAndCopy)
{
    ASSERT_TRUE(SetClipboardText(Form(), L"vorher"));
    SetFocus(Input);
    PressKeys(Form(), std::string("Tab ") + GetParam().keys);
    EXPECT_EQ(GetFocus(), Output);
    EXPECT_EQ(ClipboardText(), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(Keys, OutputKeyTest,
                         testing::Values(CopyCase{"Ctrl+A Ctrl+C", L"Das Ergebnis erscheint hier.\r\n"},
                                         CopyCase{"Ctrl+Home Shift+End Ctrl+C", L"Das Ergebnis erscheint hier."}));

using TaskbarActivation = FormTest;

TEST_F(TaskbarActivation, TypingAfterTheEntryIsActivatedLandsInInput)
{
    SetWindowTextW(Input, L"");
    SetForegroundWindow(GetWindow(Form(), GW_OWNER));
    PressKeys(Form(), "abc");
    EXPECT_EQ(Text(Input), L"abc");
}

TEST_F(TaskbarActivation, FocusGoesBackToTheControlThatHadIt)
{
    SetFocus(Sabo);
    SetForegroundWindow(GetWindow(Form(), GW_OWNER));
    PressKeys(Form(), "");
    EXPECT_EQ(GetFocus(), Sabo);
    SetFocus(Input);
}

TEST_F(TaskbarActivation, RestoringTheEntryShowsTheWindowAndTypingLandsInInput)
{
    SetWindowTextW(Input, L"");
    SendMessageW(Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(IsWindowVisible(Form()));
    ShowWindow(GetWindow(Form(), GW_OWNER), SW_RESTORE);
    PressKeys(Form(), "abc");
    EXPECT_TRUE(IsWindowVisible(Form()));
    EXPECT_EQ(Text(Input), L"abc");
}

} // namespace
} // namespace quarl
