#include "EditControlLines.h"

#include "BoxLines.h"
#include "FormControls.h"

#include <gtest/gtest.h>

#include <string>

namespace quarl {
namespace {

struct AppendCase
{
    const wchar_t* before;
    const wchar_t* after;
};

class AppendLineTest : public FormTest, public testing::WithParamInterface<AppendCase>
{};

TEST_P(AppendLineTest, BreakGoesWhereTheTextNeedsIt)
{
    SetWindowTextW(Input, GetParam().before);
    AppendLine(Input, L"Eisenmine  (3)");
    EXPECT_EQ(Text(Input), GetParam().after);
    EXPECT_FALSE(SendMessageW(Input, EM_CANUNDO, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Boxes, AppendLineTest,
                         testing::Values(AppendCase{L"", L"Eisenmine  (3)\r\n"},
                                         AppendCase{L"a\r\n", L"a\r\nEisenmine  (3)\r\n"},
                                         AppendCase{L"a", L"a\r\nEisenmine  (3)"}));

using DisplayLinesTest = FormTest;

TEST_F(DisplayLinesTest, FinalEmptyLineIsNotCountedAndLongLinesAreCut)
{
    SetWindowTextW(Input, L"");
    EXPECT_TRUE(DisplayLines(Input).empty());
    SetWindowTextW(Input, L"a\r\n\r\nb\r\n");
    EXPECT_EQ(DisplayLines(Input), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(LaidOutLines(Input), (std::vector<std::string>{"a", "", "b"}));
    // One word longer than the box is wrapped anywhere; no display line is longer than 4096 characters.
    SetWindowTextW(Input, std::wstring(9000, L'i').c_str());
    for (const std::string& line : DisplayLines(Input))
        EXPECT_LE(line.size(), 4096u);
}

TEST_F(DisplayLinesTest, DecomposedUmlautComesAsOneCharacter)
{
    SetWindowTextW(Input, L"Wohngeba\u0308ude (4)");
    EXPECT_EQ(DisplayLines(Input), std::vector<std::string>{"Wohngebäude (4)"});
}

// Taking a text line whole must give exactly the display lines the box shows: a line with tabs that measures
// narrow is wider in the box, which puts its tabs at tab stops.
class QuickCheckTest : public FormTest, public testing::WithParamInterface<std::u16string>
{};

TEST_P(QuickCheckTest, NarrowLinesTakenWholeGiveTheBoxsOwnLines)
{
    SetWindowTextW(Input, reinterpret_cast<const wchar_t*>(GetParam().c_str()));
    const std::vector<std::string> shown = ShownLines(Input);
    EXPECT_EQ(DisplayLines(Input), shown);
    EXPECT_EQ(LaidOutLines(Input), shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, QuickCheckTest, testing::ValuesIn(QuickCheckTexts(u"\r\n")));

} // namespace
} // namespace quarl
