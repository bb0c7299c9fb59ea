#include "catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace metrova {
namespace {

TEST(Catalogue, TenCategoriesInListOrder) {
    constexpr std::array<std::string_view, 10> kExpected = {
        " Optics", " Pressure", " Force", " Energy",   " Length",
        " Area",   " Volume",   " Mass",  " Velocity", " Temperature",
    };
    ASSERT_EQ(category_count(), 10);
    for (Index c = 0; c < category_count(); ++c) EXPECT_EQ(category_label(c), kExpected[c]) << "category " << c;
}

TEST(Catalogue, UnitCountsAddUpTo52) {
    constexpr std::array<Index, 10> kCounts = {3, 5, 3, 3, 7, 7, 11, 7, 4, 2};
    int total = 0;
    for (Index c = 0; c < category_count(); ++c) {
        EXPECT_EQ(unit_count(c), kCounts[c]) << category_label(c);
        EXPECT_EQ(unit_labels(c).size(), static_cast<std::size_t>(kCounts[c]));
        total += unit_count(c);
    }
    EXPECT_EQ(total, 52);
}

// Every label starts with exactly one blank; within a category no two labels
// are equal, so selecting an entry by its text finds the entry at its own
// position; every category has a second unit for the default target.
TEST(Catalogue, LabelsAreDistinctWithOneLeadingBlank) {
    for (Index c = 0; c < category_count(); ++c) {
        const auto labels = unit_labels(c);
        ASSERT_GE(labels.size(), 2U) << category_label(c);
        for (std::size_t u = 0; u < labels.size(); ++u) {
            const std::string_view label = labels[u];
            ASSERT_GE(label.size(), 2U);
            EXPECT_EQ(label[0], ' ') << label;
            EXPECT_NE(label[1], ' ') << label;
            EXPECT_EQ(unit_label(c, static_cast<Index>(u)), label);
            const auto found = std::find(labels.begin(), labels.end(), label) - labels.begin();
            EXPECT_EQ(found, static_cast<std::ptrdiff_t>(u)) << label << " is not unique in " << category_label(c);
        }
    }
}

TEST(Catalogue, IrregularLabelsStandAsWritten) {
    EXPECT_EQ(unit_label(category::length, 2), " kirometer(km)");
    EXPECT_EQ(unit_label(category::area, 2), " square kirometer");
    EXPECT_EQ(unit_label(category::pressure, 1), " Pascal(Pa)");
    EXPECT_EQ(unit_label(category::volume, 6), " gallon(England)");
    EXPECT_EQ(unit_label(category::volume, 7), " gallon (USA)");
    EXPECT_EQ(unit_label(category::volume, 10), " barrel");
    EXPECT_EQ(unit_label(category::mass, 0), " gram (g)");
    EXPECT_EQ(unit_label(category::temperature, 0), " Centigrade[C]");
    EXPECT_EQ(unit_label(category::optics, 2), " Optical Density (OD)");
}

TEST(Catalogue, IndexesOutsideTheCatalogueNameNothing) {
    for (const Index c : {Index{-1}, Index{10}, Index{32767}, Index{-32768}}) {
        EXPECT_TRUE(category_label(c).empty()) << c;
        EXPECT_EQ(unit_count(c), 0) << c;
        EXPECT_TRUE(unit_labels(c).empty()) << c;
        EXPECT_TRUE(unit_label(c, 0).empty()) << c;
    }
    EXPECT_TRUE(unit_label(category::optics, -1).empty());
    EXPECT_TRUE(unit_label(category::optics, 3).empty());
    EXPECT_TRUE(unit_label(category::volume, 11).empty());
}

}  // namespace
}  // namespace metrova
