#include "BoxLines.h"
#include "Clipboard.h"
#include "EditControlLines.h"
#include "ExpectedOutput.h"
#include "FontDc.h"
#include "FormControls.h"
#include "Keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarl {
namespace {

int TextHeight(HWND control)
{
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return static_cast<int>(metrics.tmHeight);
}

// Each suite gets a window of its own: the start state is looked at before any command ran.
using MainFormStart = FormTest;
using MainFormTest = FormTest;
using MainFormExit = FormTest;
using TaskbarEntry = FormTest;

TEST_F(MainFormStart, WindowIsFixedInSizeAndCanBeMinimisedOnly)
{
    const auto style = static_cast<DWORD>(GetWindowLongW(Form(), GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), DWORD(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_EQ(Text(Form()), L"QUARL-Counter Alpha 0.2");
    RECT frame{};
    GetWindowRect(Form(), &frame);
    EXPECT_EQ(frame.left, 196);
    EXPECT_EQ(frame.top, 141);
    // The task-bar entry is the owner's.
    HWND owner = GetWindow(Form(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(Text(owner), L"QUARL-Counter");
    EXPECT_TRUE(IsWindowVisible(owner));
}

TEST_F(MainFormStart, StartsWithTheHintsAndOnlySaboEnabled)
{
    EXPECT_EQ(Text(Input), L"Berichte hier einfügen. Idealerweise mit allen \r\nZeiten, auch von der ersten "
                           L"Mitteilung.\r\n\r\nDerzeit funktioniert nur der Sabo-counter.\r\n");
    EXPECT_EQ(Text(Output), L"Das Ergebnis erscheint hier.\r\n");
    EXPECT_EQ(Text(Child(Form(), L"STATIC", 0)), L"Berichte");
    EXPECT_EQ(Text(Child(Form(), L"STATIC", 1)), L"Ergebnis");
    EXPECT_TRUE(GetWindowLongW(Output, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongW(Input, GWL_STYLE) & (ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL));
    EXPECT_TRUE(IsWindowEnabled(Sabo));
    EXPECT_FALSE(IsWindowEnabled(FindWindowExW(Panel1, nullptr, L"BUTTON", L"Plünder")));
    EXPECT_FALSE(IsWindowEnabled(FindWindowExW(Panel1, nullptr, L"BUTTON", L"Flotten")));
    EXPECT_EQ(GetFocus(), Input);
    DWORD start = 1;
    DWORD end = 1;
    SendMessageW(Input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

TEST_F(MainFormStart, OutputIsDrawnInTheMenuColour)
{
    HDC dc = GetDC(Output);
    const auto brush =
        SendMessageW(Form(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Output));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_MENU));
    ReleaseDC(Output, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_MENU));
}

TEST_F(MainFormStart, EveryMenuAndItemIsGreyed)
{
    HMENU bar = GetMenu(Form());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const int itemCounts[] = {4, 6, 0};
    for (int menu = 0; menu < 3; ++menu) {
        EXPECT_TRUE(GetMenuState(bar, static_cast<UINT>(menu), MF_BYPOSITION) & MF_GRAYED) << menu;
        HMENU items = GetSubMenu(bar, menu);
        ASSERT_EQ(GetMenuItemCount(items), itemCounts[menu]);
        for (int item = 0; item < itemCounts[menu]; ++item)
            EXPECT_TRUE(GetMenuState(items, static_cast<UINT>(item), MF_BYPOSITION) & MF_GRAYED) << menu << item;
    }
}

TEST_F(MainFormStart, TabVisitsInputOutputAndSabo)
{
    EXPECT_EQ(GetNextDlgTabItem(Form(), Input, FALSE), Output);
    EXPECT_EQ(GetNextDlgTabItem(Form(), Output, FALSE), Sabo);
    EXPECT_EQ(GetNextDlgTabItem(Form(), Sabo, FALSE), Input);
    EXPECT_EQ(GetNextDlgTabItem(Form(), Input, TRUE), Sabo);
}

// Screen readers name an edit box after the label just before it in the window order.
TEST_F(MainFormStart, EachBoxComesRightAfterItsLabel)
{
    EXPECT_EQ(Text(GetWindow(Input, GW_HWNDPREV)), L"Berichte");
    EXPECT_EQ(Text(GetWindow(Output, GW_HWNDPREV)), L"Ergebnis");
}

TEST_F(MainFormStart, TabMovesOnFromEitherBoxAndReturnPressesAFocusedButton)
{
    SetFocus(Input);
    PressKeys(Form(), "Tab");
    EXPECT_EQ(GetFocus(), Output);
    PressKeys(Form(), "Tab");
    EXPECT_EQ(GetFocus(), Sabo);
    PressKeys(Form(), "Return");
    EXPECT_EQ(Text(Output), ResultText({}, 0));
    SetWindowTextW(Output, L"Das Ergebnis erscheint hier.\r\n");
    SetFocus(Input);
    SendMessageW(Input, EM_SETSEL, 0, 0);
}

TEST_F(MainFormStart, SaboOnTheHintGivesZeroCounts)
{
    ClickSabo();
    EXPECT_EQ(Text(Output), ResultText({}, 0));
}

// The layout is scaled by the window font's real text height over 13, the height at 96 dots per inch, rounded
// to the nearest pixel.
struct LayoutCase
{
    int dpi;
    int textHeight;
    SIZE client;
    SIZE sabo;
    SIZE input;
    int labelTextHeight;
};

SIZE WindowSize(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The window's client area and its controls' sizes as the layout for that row makes them.
void ExpectLayout(HWND form, HWND input, HWND sabo, const LayoutCase& row)
{
    ASSERT_EQ(TextHeight(input), row.textHeight);
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, row.client.cx);
    EXPECT_EQ(client.bottom, row.client.cy);
    EXPECT_EQ(WindowSize(sabo).cx, row.sabo.cx);
    EXPECT_EQ(WindowSize(sabo).cy, row.sabo.cy);
    EXPECT_EQ(WindowSize(input).cx, row.input.cx);
    EXPECT_EQ(WindowSize(input).cy, row.input.cy);
}

void PrintTo(const LayoutCase& row, std::ostream* out)
{
    *out << row.dpi << " dpi";
}

class LayoutTest : public FormTest, public testing::WithParamInterface<LayoutCase>
{
protected:
    static void SetUpTestSuite() {}
    void SetUp() override { Open(GetParam().dpi); }
    void TearDown() override { Close(); }
};

TEST_P(LayoutTest, SizesFollowTheFontsTextHeight)
{
    const LayoutCase& row = GetParam();
    ExpectLayout(Form(), Input, Sabo, row);
    // The labels' 10-point font is larger than the 8-point window font, except at 144 dots per inch: Wine's bitmap
    // "MS Sans Serif" has no image higher than 20 pixels.
    EXPECT_EQ(TextHeight(Child(Form(), L"STATIC", 0)), row.labelTextHeight);
}

// Moved to a monitor of another scale, the window is laid out as if opened there, at the place the system suggests.
struct DpiChangeCase
{
    int from;
    LayoutCase to;
    SIZE label;
};

void PrintTo(const DpiChangeCase& row, std::ostream* out)
{
    *out << row.from << " to " << row.to.dpi << " dpi";
}

class DpiChangeTest : public FormTest, public testing::WithParamInterface<DpiChangeCase>
{
protected:
    static void SetUpTestSuite() {}
    void SetUp() override { Open(GetParam().from); }
    void TearDown() override { Close(); }
};

TEST_P(DpiChangeTest, WindowIsLaidOutAgainForTheNewResolution)
{
    const DpiChangeCase& row = GetParam();
    const int dpi = row.to.dpi;
    RECT suggested{300, 200, 300 + 633 * dpi / 96, 200 + 420 * dpi / 96};
    SendMessageW(Form(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ExpectLayout(Form(), Input, Sabo, row.to);
    RECT frame{};
    GetWindowRect(Form(), &frame);
    EXPECT_EQ(frame.left, 300);
    EXPECT_EQ(frame.top, 200);
    HWND label = Child(Form(), L"STATIC", 0);
    EXPECT_EQ(WindowSize(label).cx, row.label.cx);
    EXPECT_EQ(WindowSize(label).cy, row.label.cy);
}

// "Berichte" in Wine's bitmap "MS Sans Serif" 10 pt is 49 x 16 pixels at 96 dots per inch and 59 x 20 at 120 and
// 144, where the 20-pixel image is the largest that fits: its box is 49 x 16, 60 x 20 or 75 x 25.
INSTANTIATE_TEST_SUITE_P(Dpi, DpiChangeTest,
                         testing::Values(DpiChangeCase{96, {120, 16, {779, 474}, {92, 31}, {316, 444}, 20}, {60, 20}},
                                         DpiChangeCase{144, {96, 13, {633, 385}, {75, 25}, {257, 361}, 16}, {49, 16}},
                                         DpiChangeCase{
                                             120, {144, 20, {974, 592}, {115, 38}, {395, 555}, 20}, {75, 25}}));

// A label grows to its caption in the label font where that is wider or taller than the label, and only there.
struct FitCase
{
    int dpi;
    SIZE box;
    SIZE fitted;
};

void PrintTo(const FitCase& row, std::ostream* out)
{
    *out << row.box.cx << " x " << row.box.cy << " at " << row.dpi << " dpi";
}

class LabelFit : public testing::TestWithParam<FitCase>
{};

TEST_P(LabelFit, LabelGrowsToItsCaption)
{
    const FitCase& row = GetParam();
    const Layout layout(row.dpi);
    HWND label = CreateWindowExW(0, L"STATIC", L"Berichte", WS_POPUP | SS_LEFT, 0, 0, row.box.cx, row.box.cy, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(label, nullptr);
    layout.FitLabel(label);
    EXPECT_EQ(WindowSize(label).cx, row.fitted.cx);
    EXPECT_EQ(WindowSize(label).cy, row.fitted.cy);
    DestroyWindow(label);
}

INSTANTIATE_TEST_SUITE_P(Captions, LabelFit,
                         testing::Values(FitCase{96, {49, 16}, {49, 16}}, FitCase{120, {60, 19}, {60, 20}},
                                         FitCase{120, {40, 30}, {59, 30}}, FitCase{96, {10, 10}, {49, 16}}));

TEST(LayoutFonts, HigherResolutionsGiveHigherText)
{
    const auto textHeight = [](int dpi) {
        const Layout layout(dpi);
        TEXTMETRICW metrics{};
        GetTextMetricsW(FontDc(nullptr, layout.WindowFont()).Handle(), &metrics);
        return metrics.tmHeight;
    };
    EXPECT_LT(textHeight(96), textHeight(120));
    EXPECT_LT(textHeight(120), textHeight(144));
}

// 385 * 16 / 13 is 473.8 and 633 * 20 / 13 is 973.8: both round up.
INSTANTIATE_TEST_SUITE_P(Dpi, LayoutTest,
                         testing::Values(LayoutCase{96, 13, {633, 385}, {75, 25}, {257, 361}, 16},
                                         LayoutCase{120, 16, {779, 474}, {92, 31}, {316, 444}, 20},
                                         LayoutCase{144, 20, {974, 592}, {115, 38}, {395, 555}, 20}));

TEST_F(MainFormTest, SaboCountsTheLinesAsDisplayed)
{
    // Long lines wrap inside the box; the second building of each is on a display line without "(" of its own.
    const std::wstring filler(60, L'x');
    const std::wstring report = L"Eisenmine (3) " + filler +
                                L" Bohrturm 4)\r\n"
                                L"Raumhafen (2)\r\n"
                                L"Wohngeba\u0308ude (5)\r\n" +
                                filler + L" " + filler + L" Chemiefabrik (7)\r\n";
    SetWindowTextW(Input, report.c_str());
    ASSERT_GT(SendMessageW(Input, EM_GETLINECOUNT, 0, 0), 5) << "the long lines must wrap";
    // Counted as whole lines, Bohrturm would take the 3 of its line's first parentheses.
    const std::wstring expected =
        ResultText({{"Raumhafen", 2}, {"Wohngebäude", 5}, {"Eisenmine", 3}, {"Bohrturm", 1}, {"Chemiefabrik", 7}}, 29);

    ClickSabo();
    EXPECT_EQ(Text(Output), expected);
    ClickSabo();
    EXPECT_EQ(Text(Output), expected);
}

TEST_F(MainFormTest, LineWithoutBlanksIsWrappedAnywhere)
{
    // Wider than the box and without a blank, the line is wrapped all the same, so "(7)" ends up on a display line
    // away from the name; unwrapped, Raumhafen would count 7.
    ASSERT_TRUE(SetClipboardText(Form(), L"Raumhafen" + std::wstring(300, L'x') + L"(7)"));
    SetFocus(Input);
    SendMessageW(Input, EM_SETSEL, 0, -1);
    PressKeys(Form(), "Ctrl+V");
    ClickSabo();
    EXPECT_EQ(Text(Output), ResultText({{"Raumhafen", 1}}, 3));
}

TEST_F(MainFormTest, LinesNearTheBoxWidthWrapAsTheBoxWrapsThem)
{
    // Eisenmine gets 2 where its display line holds the whole line's "(2)", and 1 where "Bohrturm (2)" wraps away
    // from it; Bohrturm gets 1 where "(2)" itself wraps away. In Wine's bitmap "MS Sans Serif" 8 pt the box's
    // format rectangle is 234 pixels wide: 25 of the 60 lines fit whole (up to 24 x) and 11 break between
    // "Bohrturm" and "(2)", the longer ones where the wrapped rest of the x run leaves no room for "(2)".
    std::wstring report;
    for (int length = 0; length < 60; ++length)
        report += L"Eisenmine " + std::wstring(static_cast<std::size_t>(length), L'x') + L" Bohrturm (2)\r\n";
    SetWindowTextW(Input, report.c_str());

    ClickSabo();
    EXPECT_EQ(Text(Output), ResultText({{"Eisenmine", 85}, {"Bohrturm", 109}}, 194));
}

TEST_F(MainFormTest, CopiedResultEndsEachLineInCrLf)
{
    SetWindowTextW(Input, L"Bohrturm (2)\r\nRaumhafen (1)");
    ClickSabo();
    SendMessageW(Output, EM_SETSEL, 3, 10);
    // Chosen from the menu, as it would be were the menu enabled: the last item of the second menu.
    SendMessageW(Form(), WM_COMMAND, GetMenuItemID(GetSubMenu(GetMenu(Form()), 1), 5), 0);
    EXPECT_EQ(ClipboardText(), ResultText({{"Raumhafen", 1}, {"Bohrturm", 2}}, 5));
    DWORD start = 1;
    DWORD end = 1;
    SendMessageW(Output, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

TEST_F(MainFormTest, ResultIsNotUndoableButTypingIs)
{
    ClickSabo();
    EXPECT_FALSE(SendMessageW(Output, EM_CANUNDO, 0, 0));
    SendMessageW(Input, EM_SETSEL, 0, 0);
    SendMessageW(Input, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Eisenmine (3)\r\n"));
    form_->EditUndo();
    EXPECT_EQ(Text(Input).find(L"Eisenmine"), std::wstring::npos);
}

TEST_F(TaskbarEntry, MinimisingAndRestoringActOnTheMainWindow)
{
    HWND owner = GetWindow(Form(), GW_OWNER);
    // While an error box disables the entry, its commands do nothing.
    EnableWindow(owner, FALSE);
    for (const WPARAM command : {WPARAM{SC_MINIMIZE}, WPARAM{SC_CLOSE}})
        SendMessageW(owner, WM_SYSCOMMAND, command, 0);
    EnableWindow(owner, TRUE);
    MSG pending;
    while (PeekMessageW(&pending, Form(), 0, 0, PM_REMOVE))
        DispatchMessageW(&pending);
    ASSERT_TRUE(IsWindowVisible(Form()));

    SendMessageW(Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(owner));
    EXPECT_FALSE(IsWindowVisible(Form()));
    SendMessageW(owner, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(owner));
    EXPECT_TRUE(IsWindowVisible(Form()));
    SendMessageW(owner, WM_SYSCOMMAND, SC_CLOSE, 0);
    MSG message;
    while (PeekMessageW(&message, Form(), 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_FALSE(IsWindow(Input));
}

TEST_F(MainFormExit, ExitClosesTheWindow)
{
    form_->FileExit();
    EXPECT_FALSE(IsWindow(Input));
}

// Pastes that are no sensible text still leave a window that counts.
struct PasteCase
{
    std::wstring pasted;
    // What Output shows; empty where it depends on how the box wraps the paste.
    std::wstring result;
};

void PrintTo(const PasteCase& row, std::ostream* out)
{
    *out << row.pasted.size() << " characters";
}

class PasteTest : public FormTest, public testing::WithParamInterface<PasteCase>
{};

TEST_P(PasteTest, AnyPasteLeavesAWorkingWindow)
{
    ASSERT_TRUE(SetClipboardText(Form(), GetParam().pasted));
    SetWindowTextW(Input, L"");
    form_->EditPaste();
    ClickSabo();
    const std::vector<std::string> lines = ShownLines(Output);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_TRUE(lines[15].starts_with("Gesamt zerstörte Punkte: "));
    if (!GetParam().result.empty()) {
        EXPECT_EQ(Text(Output), GetParam().result);
    }

    SetWindowTextW(Input, L"Eisenmine (3)");
    ClickSabo();
    EXPECT_EQ(Text(Output), ResultText({{"Eisenmine", 3}}, 3));
}

// Lines of random printable ASCII characters. (Random characters beyond ASCII crash Wine 8's own gdi32 when its
// edit box lays them out, before any code of the program runs.)
std::wstring RandomLines(unsigned seed, int lines)
{
    std::wstring text;
    for (int line = 0; line < lines; ++line) {
        for (int index = 0; index < 40; ++index) {
            seed = seed * 1103515245u + 12345u;
            text += static_cast<wchar_t>(0x20 + (seed >> 8) % 0x5F);
        }
        text += L" Eisenmine (3)\r\n";
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, PasteTest,
    testing::Values(PasteCase{L"", ResultText({}, 0)},
                    PasteCase{L"\xD800 Eisenmine (2) \xDC00\xDC00", ResultText({{"Eisenmine", 2}}, 2)},
                    PasteCase{L"Eisenmine (\xDBFF)", ResultText({{"Eisenmine", 1}}, 1)},
                    PasteCase{RandomLines(1, 30), L""},
                    PasteCase{std::wstring(5000, L'\r') + L"Bohrturm (1)", ResultText({{"Bohrturm", 1}}, 1)},
                    PasteCase{std::wstring(10000, L'W') + L"Eisenmine (1)", L""}));

} // namespace
} // namespace quarl
