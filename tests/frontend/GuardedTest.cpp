#include "frontend/Guarded.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarl {
namespace {

// What the display was asked to show, and how many of its calls fail with bad_alloc before one succeeds.
std::vector<std::string> shown;
int failingShows = 0;

void Display(std::string_view message)
{
    shown.emplace_back(message);
    if (failingShows > 0) {
        --failingShows;
        throw std::bad_alloc();
    }
}

struct GuardedCase
{
    const char* name;
    void (*handler)();
    int failingShows;
    std::vector<std::string> shown;
};

void PrintTo(const GuardedCase& c, std::ostream* os)
{
    *os << c.name;
}

class GuardedTest : public testing::TestWithParam<GuardedCase>
{};

TEST_P(GuardedTest, EscapingErrorIsShownAndNothingLeaves)
{
    shown.clear();
    failingShows = GetParam().failingShows;
    Guarded(Display, GetParam().handler);
    EXPECT_EQ(shown, GetParam().shown);
}

void Succeeds()
{}
void FailsWithMessage()
{
    throw std::runtime_error("Kein Speicher");
}
void FailsWithOtherType()
{
    throw 42;
}

INSTANTIATE_TEST_SUITE_P(Handlers, GuardedTest,
                         testing::Values(GuardedCase{"no error", Succeeds, 0, {}},
                                         GuardedCase{"std::exception", FailsWithMessage, 0, {"Kein Speicher"}},
                                         GuardedCase{"other type", FailsWithOtherType, 0, {""}},
                                         GuardedCase{"showing fails once", FailsWithMessage, 1, {"Kein Speicher", ""}},
                                         GuardedCase{
                                             "showing always fails", FailsWithMessage, 2, {"Kein Speicher", ""}}));

} // namespace
} // namespace quarl
