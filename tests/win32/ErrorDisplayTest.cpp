#include "win32/ErrorDisplay.h"

#include "ExpectedOutput.h"
#include "FormControls.h"
#include "MessageBoxCatcher.h"

#include "frontend/Guarded.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace quarl {
namespace {

using ErrorDisplayTest = FormTest;

TEST_F(ErrorDisplayTest, EscapingErrorIsShownInAStopBoxForTheWholeProgram)
{
    MessageBoxCatcher box(Form());
    Guarded(ShowError, [] { throw std::runtime_error("Kein Speicher"); });
    EXPECT_EQ(box.shown().count, 1);
    EXPECT_EQ(box.shown().caption, L"QUARL-Counter");
    EXPECT_EQ(box.shown().text, L"Kein Speicher.");
    EXPECT_TRUE(box.shown().hasIcon);
    EXPECT_FALSE(box.shown().windowEnabled) << "the box is modal for the whole program";
    EXPECT_FALSE(box.shown().entryEnabled) << "the box is modal for the whole program";
    EXPECT_TRUE(IsWindowEnabled(Form()));
    EXPECT_TRUE(IsWindowEnabled(GetWindow(Form(), GW_OWNER)));
}

TEST_F(ErrorDisplayTest, BoxBelongsToTheMainWindowAndIsCentredOnIt)
{
    MessageBoxCatcher box(Form());
    Guarded(ShowError, [] { throw std::runtime_error("Kein Speicher"); });
    EXPECT_EQ(box.shown().owner, Form());
    EXPECT_LE(std::abs(box.shown().offCentre.x), 1);
    EXPECT_LE(std::abs(box.shown().offCentre.y), 1);
}

TEST_F(ErrorDisplayTest, ErrorOfAnotherTypeGivesAnEmptyTextAndTheWindowGoesOn)
{
    for (int attempt = 1; attempt <= 2; ++attempt) {
        MessageBoxCatcher box(Form());
        Guarded(ShowError, [] { throw 42; });
        EXPECT_EQ(box.shown().count, 1);
        EXPECT_EQ(box.shown().text, L"");
    }
    SetWindowTextW(Input, L"Eisenmine (3)");
    ClickSabo();
    EXPECT_EQ(Text(Output), ResultText({{"Eisenmine", 3}}, 3));
}

} // namespace
} // namespace quarl
