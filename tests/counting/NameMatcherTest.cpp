#include "NameMatcher.h"

#include "Building.h"
#include "NameSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quarl {
namespace {

// Text built from pieces of names, whole names and filler, so that near-misses and overlaps are common.
std::string RandomReportText(std::mt19937& random)
{
    static const std::string filler[] = {" ", "(3)", "en", "ge", "anlage", "fabrik", "zentrum", "\xC3\xA4", "\n", "x"};
    std::string text;
    const int pieces = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < pieces; ++i) {
        if (random() % 2 == 0) {
            const auto name = BuildingCatalogue[random() % BuildingCatalogue.size()].name;
            const auto from = random() % 3 == 0 ? random() % name.size() : 0;
            const auto to = random() % 3 == 0 ? from + random() % (name.size() - from + 1) : name.size();
            text += name.substr(from, to - from);
        } else {
            text += filler[random() % std::size(filler)];
        }
    }
    return text;
}

TEST(NameMatcher, FindsExactlyTheNamesASubstringSearchFinds)
{
    std::mt19937 random(20261209);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = RandomReportText(random);
        ASSERT_EQ(FindNames(text), FindNamesOneByOne(text)) << '"' << text << '"';
        ASSERT_EQ(ContainsAnyName(text), FindNamesOneByOne(text) != 0) << '"' << text << '"';
    }
}

TEST(NameMatcher, FindsNamesAtTheEdgesOfTheText)
{
    for (std::size_t i = 0; i < BuildingCatalogue.size(); ++i) {
        const std::string name(BuildingCatalogue[i].name);
        const NameSet expected = NameSet{1} << i;
        EXPECT_EQ(FindNames(name), expected) << name;
        EXPECT_EQ(FindNames("x" + name), expected) << name;
        EXPECT_EQ(FindNames(name + "x"), expected) << name;
        EXPECT_EQ(FindNames(name.substr(0, name.size() - 1)), 0u) << name;
        EXPECT_EQ(FindNames(name.substr(1)), 0u) << name;
    }
}

} // namespace
} // namespace quarl
