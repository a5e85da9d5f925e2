#include "counting/IntegerConversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace quarl {
namespace {

struct Conversion
{
    std::string text;
    std::optional<std::int32_t> expected;
};

void PrintTo(const Conversion& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class IntegerConversion : public testing::TestWithParam<Conversion>
{
};

TEST_P(IntegerConversion, ConvertsWholeTextOrFails)
{
    EXPECT_EQ(ParseInteger(GetParam().text), GetParam().expected);
}

constexpr auto Fails = std::nullopt;
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(Decimal, IntegerConversion, testing::Values(
    Conversion{"3", 3}, Conversion{"007", 7}, Conversion{"0", 0}, Conversion{"-0", 0},
    Conversion{"+3", 3}, Conversion{"-3", -3}, Conversion{"   42", 42},
    Conversion{"2147483647", Max}, Conversion{"2147483648", Fails},
    Conversion{"-2147483648", Min}, Conversion{"-2147483649", Fails},
    Conversion{"000000000000002147483647", Max}, Conversion{"99999999999999999999999", Fails},
    Conversion{"", Fails}, Conversion{"   ", Fails}, Conversion{"+", Fails}, Conversion{"-", Fails},
    Conversion{"+-3", Fails}, Conversion{"- 3", Fails}, Conversion{"3 ", Fails}, Conversion{"3a", Fails},
    Conversion{"\t3", Fails}, Conversion{"\xC2\xA0" "3", Fails}, Conversion{"3.0", Fails},
    Conversion{"viele", Fails}, Conversion{std::string("3\0", 2), Fails}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerConversion, testing::Values(
    Conversion{"$1A", 26}, Conversion{"0x1a", 26}, Conversion{"0X1A", 26}, Conversion{"x1a", 26},
    Conversion{"X1A", 26}, Conversion{"  $10", 16},
    Conversion{"$FFFFFFFF", -1}, Conversion{"$80000000", Min}, Conversion{"$7fffffff", Max},
    Conversion{"$12345678", 0x12345678}, Conversion{"$123456789", Fails},
    Conversion{"$0000000012345678", 0x12345678}, Conversion{"0x000FFFFFFFF", -1}, Conversion{"$0", 0},
    Conversion{"$", Fails}, Conversion{"x", Fails}, Conversion{"0x", Fails}, Conversion{"0X", Fails},
    Conversion{"-$1A", Fails}, Conversion{"+$1A", Fails}, Conversion{"$-1", Fails}, Conversion{"$1G", Fails},
    Conversion{"$1A ", Fails}, Conversion{"$ 1", Fails}, Conversion{"00x1", Fails}, Conversion{"0xx1", Fails}));

} // namespace
} // namespace quarl
