#include "counting/SaboCounter.h"

#include "ExpectedResult.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarl {
namespace {

using Lines = std::vector<std::string>;

constexpr auto Expected = ExpectedResultLines;

TEST(SaboCounter, EmptyInputGivesZeroCountsAndTotal)
{
    const Lines expected = {
        "Planetenzentrale  (0)",
        "Raumhafen  (0)",
        "Wohngeb\xC3\xA4ude  (0)",
        "Solarpark  (0)",
        "Eisenmine  (0)",
        "Siliziumraffinerie  (0)",
        "Kohlenstoffgewinnungsanlage  (0)",
        "Bohrturm  (0)",
        "Chemiefabrik  (0)",
        "Recyclinganlage  (0)",
        "Rohstofflager  (0)",
        "Schiffsfabrik  (0)",
        "Waffenfabrik  (0)",
        "Forschungszentrum  (0)",
        "",
        "Gesamt zerst\xC3\xB6rte Punkte: 0",
    };
    EXPECT_EQ(CountSaboReports(std::span<const std::string>{}), expected);
    EXPECT_EQ(CountSaboReports(Lines{"", "Berichte hier einf\xC3\xBCgen.", "(5)"}), expected);
}

struct SingleLine
{
    std::string line;
    BuildingCounts counts;
    std::int32_t total;
};

void PrintTo(const SingleLine& c, std::ostream* os)
{
    *os << '"' << c.line << '"';
}

class SaboCounterLine : public testing::TestWithParam<SingleLine>
{};

TEST_P(SaboCounterLine, AddsTheLineValueToEveryNamedBuilding)
{
    EXPECT_EQ(CountSaboReports(Lines{GetParam().line}), Expected(GetParam().counts, GetParam().total));
}

const SingleLine ReportLineCases[] = {
    {"Eisenmine (3)", {{"Eisenmine", 3}}, 3},
    {"Raumhafen (2)", {{"Raumhafen", 2}}, 6},
    {"Eisenmine", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (viele)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine ()", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (3 )", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (3 Stück)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine ( 3)", {{"Eisenmine", 3}}, 3},
    {"Eisenmine (\t3)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (\u00A03)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (2147483648)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (+3)", {{"Eisenmine", 3}}, 3},
    {"Eisenmine (-3)", {{"Eisenmine", -3}}, -3},
    {"Eisenmine ($1A)", {{"Eisenmine", 26}}, 26},
    {"Eisenmine (0x1a)", {{"Eisenmine", 26}}, 26},
    {"Eisenmine (-$1A)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine ($FFFFFFFF)", {{"Eisenmine", -1}}, -1},
    {"Eisenmine ($0FFFFFFFF)", {{"Eisenmine", -1}}, -1},
    {"Eisenmine ($1FFFFFFFF)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (0x)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (007)", {{"Eisenmine", 7}}, 7},
    {"Eisenmine (x)", {{"Eisenmine", 1}}, 1},
    {"x) Eisenmine (3", {{"Eisenmine", 1}}, 1},
    {"Bohrturm 4)", {{"Bohrturm", 1}}, 1},
    {"3) Eisenmine", {{"Eisenmine", 3}}, 3},
    {"1) Eisenmine (3)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (+0x1A)", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (0)", {}, 0},
    {"Eisenmine (", {{"Eisenmine", 1}}, 1},
    {"Eisenmine (3", {{"Eisenmine", 1}}, 1},
    {"Bohrturm (4) (7)", {{"Bohrturm", 4}}, 4},
    {"Solarpark und Eisenmine (2)", {{"Solarpark", 2}, {"Eisenmine", 2}}, 4},
    {"Eisenmine (2) Eisenmine (5)", {{"Eisenmine", 2}}, 2},
    {"Eisenminen (2)", {{"Eisenmine", 2}}, 2},
    {"eisenmine (2)", {}, 0},
    {"Wohngeb\xC3\xA4ude (2)", {{"Wohngeb\xC3\xA4ude", 2}}, 2},
    {"Wohngebaude (2)", {}, 0},
    {"(5) Kohlenstoffgewinnungsanlage, Forschungszentrum und Schiffsfabrik",
     {{"Kohlenstoffgewinnungsanlage", 5}, {"Forschungszentrum", 5}, {"Schiffsfabrik", 5}},
     35},
    {"Raumhafen ($80000000)", {{"Raumhafen", -2147483647 - 1}}, -2147483647 - 1},
    {"Raumhafen (1000000000)", {{"Raumhafen", 1000000000}}, -1294967296},
};
INSTANTIATE_TEST_SUITE_P(ReportLines, SaboCounterLine, testing::ValuesIn(ReportLineCases));

TEST(SaboCounter, SumsOverLines)
{
    EXPECT_EQ(CountSaboReports(Lines{"Eisenmine (3)", "Eisenmine (2)"}), Expected({{"Eisenmine", 5}}, 5));
}

TEST(SaboCounter, CountsWrapAroundAt32Bits)
{
    EXPECT_EQ(CountSaboReports(Lines{"Eisenmine (2147483647)", "Eisenmine (1)"}),
              Expected({{"Eisenmine", -2147483647 - 1}}, -2147483647 - 1));
    EXPECT_EQ(CountSaboReports(Lines{"Bohrturm (-2147483648)", "Bohrturm (-1)"}),
              Expected({{"Bohrturm", 2147483647}}, 2147483647));
}

TEST(SaboCounter, TotalWrapsAroundAt32Bits)
{
    // 3 * 2147483647 + 1 = 6442450942, which is 2147483646 modulo 2^32.
    EXPECT_EQ(CountSaboReports(Lines{"Raumhafen (2147483647)", "Solarpark (1)"}),
              Expected({{"Raumhafen", 2147483647}, {"Solarpark", 1}}, 2147483646));
}

TEST(SaboCounter, RunsAreIndependentAndRepeatable)
{
    const Lines lines = {"Eisenmine (3)", "Raumhafen (4) und Bohrturm", "Chemiefabrik ($10)"};
    const auto first = CountSaboReports(lines);
    EXPECT_EQ(CountSaboReports(lines), first);
    EXPECT_EQ(CountSaboReports(Lines{}), Expected({}, 0));
}

// A front end skips the lines CanChangeCount refuses, so each refused line must leave every count at 0.
TEST(SaboCounter, OnlyLinesWithANameCanChangeACount)
{
    const std::pair<std::string_view, bool> cases[] = {
        {"", false},
        {"(5)", false},
        {"eisenmine (5)", false},
        {"Eisenmin (5)", false},
        {"Wohngebaude (5)", false},
        {"Eisenmine", true},
        {"(5) x Bohrturm", true},
        {"Gesamt: Forschungszentrum", true},
    };
    for (const auto& [line, canChange] : cases) {
        EXPECT_EQ(CanChangeCount(line), canChange) << line;
        if (!canChange) {
            EXPECT_EQ(CountSaboReports(Lines{std::string(line)}), Expected({}, 0)) << line;
        }
    }
}

TEST(SaboCounter, LinesAsViewsAndAsStringsCountAlike)
{
    const std::vector<std::string_view> views = {"Eisenmine (3)", "Bohrturm"};
    EXPECT_EQ(CountSaboReports(views), CountSaboReports(Lines{"Eisenmine (3)", "Bohrturm"}));
}

} // namespace
} // namespace quarl
