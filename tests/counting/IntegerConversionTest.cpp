#include "IntegerConversion.h"

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
{};

TEST_P(IntegerConversion, ConvertsWholeTextOrFails)
{
    EXPECT_EQ(ParseInteger(GetParam().text), GetParam().expected);
}

constexpr auto Fails = std::nullopt;
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

const Conversion DecimalCases[] = {
    {"3", 3},
    {"007", 7},
    {"0", 0},
    {"-0", 0},
    {"+3", 3},
    {"-3", -3},
    {"   42", 42},
    {"2147483647", Max},
    {"2147483648", Fails},
    {"-2147483648", Min},
    {"-2147483649", Fails},
    {"000000000000002147483647", Max},
    {"99999999999999999999999", Fails},
    {"", Fails},
    {"   ", Fails},
    {"+", Fails},
    {"-", Fails},
    {"+-3", Fails},
    {"- 3", Fails},
    {"3 ", Fails},
    {"3a", Fails},
    {"\t3", Fails},
    {"\u00A03", Fails},
    {"3.0", Fails},
    {"viele", Fails},
    {std::string("3\0", 2), Fails},
};
INSTANTIATE_TEST_SUITE_P(Decimal, IntegerConversion, testing::ValuesIn(DecimalCases));

const Conversion HexadecimalCases[] = {
    {"$1A", 26},           {"0x1a", 26},
    {"0X1A", 26},          {"x1a", 26},
    {"X1A", 26},           {"  $10", 16},
    {"$FFFFFFFF", -1},     {"$80000000", Min},
    {"$7fffffff", Max},    {"$12345678", 0x12345678},
    {"$123456789", Fails}, {"$0000000012345678", 0x12345678},
    {"0x000FFFFFFFF", -1}, {"$0", 0},
    {"$", Fails},          {"x", Fails},
    {"0x", Fails},         {"0X", Fails},
    {"-$1A", Fails},       {"+$1A", Fails},
    {"+0x1A", Fails},      {"-0x1A", Fails},
    {"$-1", Fails},        {"$1G", Fails},
    {"$1A ", Fails},       {"$ 1", Fails},
    {"00x1", Fails},       {"0xx1", Fails},
    {"$19", 25},           {"$100000000", Fails},
};
INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerConversion, testing::ValuesIn(HexadecimalCases));

} // namespace
} // namespace quarl
