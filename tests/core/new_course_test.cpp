#include "core/new_course.h"

#include <gtest/gtest.h>

namespace {

core::CourseState CourseOfPars(int par) {
    core::CourseState c;
    for (int h = 1; h <= 18; ++h) {
        c.HolePar[h] = h == 1 ? 5 : par;
        c.HoleYards[h] = 100 + h;
    }
    return c;
}

TEST(NewCourse, SumsOfTheNines) {
    core::CourseState c = CourseOfPars(4);
    EXPECT_EQ(core::ParSum(c, 1, 9), 37);
    EXPECT_EQ(core::ParSum(c, 10, 18), 36);
    EXPECT_EQ(core::YardsSum(c, 1, 9), 945);
    EXPECT_EQ(core::YardsSum(c, 10, 18), 1026);
}

TEST(NewCourse, MissingValuesTakeTheirDefaults) {
    core::CourseState c = CourseOfPars(4);
    core::ApplyNewCourseDefaults(c);
    EXPECT_EQ(c.TeeName, "Standard");
    EXPECT_EQ(c.CourseName, "N/A");
    EXPECT_EQ(c.PlayerName, "N/A");
    EXPECT_EQ(c.CourseRating, 73); // the total par
    EXPECT_EQ(c.CourseSlope, 113);
}

TEST(NewCourse, RatingsOutsideFiftyToEightyBecomeTheTotalPar) {
    struct Case {
        float rating, stored;
    };
    const Case cases[] = {{49.9f, 73}, {50, 50}, {70.8f, 70.8f}, {80, 80}, {80.1f, 73}, {0, 73}};
    for (const Case& k : cases) {
        core::CourseState c = CourseOfPars(4);
        c.PlayerName = "Ann";
        c.CourseName = "Tarn Hill";
        c.TeeName = "Blue";
        c.CourseRating = k.rating;
        c.CourseSlope = 131;
        core::ApplyNewCourseDefaults(c);
        EXPECT_EQ(c.CourseRating, k.stored) << k.rating;
        EXPECT_EQ(c.CourseSlope, 131);
        EXPECT_EQ(c.TeeName, "Blue");
        EXPECT_EQ(c.PlayerName, "Ann");
    }
}

TEST(NewCourse, SlopesFromEightyToOneHundredFifty) {
    EXPECT_FALSE(core::IsValidSlope(79));
    EXPECT_TRUE(core::IsValidSlope(80));
    EXPECT_TRUE(core::IsValidSlope(150));
    EXPECT_FALSE(core::IsValidSlope(151));
    EXPECT_FALSE(core::IsValidSlope(150.5f));
}

TEST(NewCourse, StartsToday) {
    core::CourseState c;
    core::DateNewCourse(c, 35129);
    EXPECT_EQ(c.FirstDate, (core::VariantDate{35129, true}));
    EXPECT_EQ(c.LastDate, 35129);
}

} // namespace
