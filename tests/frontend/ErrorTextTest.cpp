#include "frontend/ErrorText.h"

#include <gtest/gtest.h>

#include <string>

namespace quarl {
namespace {

struct ErrorCase
{
    const char* message;
    bool periodAdded;
};

void PrintTo(const ErrorCase& c, std::ostream* os)
{
    *os << '"' << c.message << '"';
}

class ErrorTextTest : public testing::TestWithParam<ErrorCase>
{};

TEST_P(ErrorTextTest, PeriodFollowsACharacterAboveIt)
{
    const std::string message = GetParam().message;
    EXPECT_EQ(ErrorText(message), GetParam().periodAdded ? message + '.' : message);
}

// "/" lies just above "." in byte order, "-" just below it; "ß" ends in a byte from 0x80 on.
INSTANTIATE_TEST_SUITE_P(Messages, ErrorTextTest,
                         testing::Values(ErrorCase{"Ungültige Eingabe", true}, ErrorCase{"Größe", true},
                                         ErrorCase{"Zeile 3", true}, ErrorCase{"Fehler:", true},
                                         ErrorCase{"Was nun?", true}, ErrorCase{"a/", true},
                                         ErrorCase{"Der Bericht ist zu groß", true}, ErrorCase{"", false},
                                         ErrorCase{"Fertig.", false}, ErrorCase{"Fehler (3)", false},
                                         ErrorCase{"Halt!", false}, ErrorCase{"Fehler ", false},
                                         ErrorCase{"a-", false}));

} // namespace
} // namespace quarl
