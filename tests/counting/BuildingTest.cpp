#include "Building.h"

#include "ExpectedResult.h"

#include <gtest/gtest.h>

namespace quarl {
namespace {

TEST(BuildingCatalogue, WorkingCopyHoldsFourteenZeroCountsInCatalogueOrder)
{
    const auto buildings = MakeWorkingCopy();
    ASSERT_EQ(buildings.size(), 14u);
    const int expectedPoints[] = {2, 3, 1, 1, 1, 1, 1, 1, 2, 2, 1, 3, 3, 3};
    for (std::size_t i = 0; i < buildings.size(); ++i) {
        EXPECT_EQ(buildings[i].name, ExpectedBuildingNames[i]) << i;
        EXPECT_EQ(buildings[i].points, expectedPoints[i]) << i;
        EXPECT_EQ(buildings[i].count, 0) << i;
    }
}

TEST(BuildingCatalogue, WorkingCopiesAreIndependent)
{
    auto first = MakeWorkingCopy();
    first[4].count = 17;
    const auto second = MakeWorkingCopy();
    EXPECT_EQ(second[4].count, 0);
}

TEST(BuildingCatalogue, NoNameIsASubstringOfAnother)
{
    for (const auto& a : BuildingCatalogue) {
        for (const auto& b : BuildingCatalogue) {
            if (a.name == b.name)
                continue;
            EXPECT_EQ(a.name.find(b.name), std::string_view::npos) << a.name << " contains " << b.name;
        }
    }
}

} // namespace
} // namespace quarl
