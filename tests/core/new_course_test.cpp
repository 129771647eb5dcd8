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

TEST(NewCourse, EveryHoleNeedsAParThenYardsThenAHandicap) {
    core::CourseState c = CourseOfPars(4);
    for (int h = 1; h <= 18; ++h)
        c.HoleHandicap[h] = h;
    EXPECT_FALSE(core::CheckHolesComplete(c));
    c.HoleHandicap[2] = 0;
    c.HoleYards[18] = 0;
    std::optional<core::NewCourseRefusal> refusal = core::CheckHolesComplete(c);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, "Yardage Error!");
    EXPECT_EQ(refusal->message,
              "Unable to create a course file.\r\n\r\nMissing yardage information. You must fill "
              "in the specifications for ALL holes before continuing.\r\n\r\nThis information "
              "can be found on your scorecard.");
    c.HolePar[9] = 0;
    EXPECT_EQ(core::CheckHolesComplete(c)->title, "Hole Par Error!");
    c = CourseOfPars(4);
    EXPECT_EQ(core::CheckHolesComplete(c)->title, "Hole Handicap Error!");
}

TEST(NewCourse, ASlopeOutsideTheRangeIsRefusedAfterTheDefaults) {
    core::CourseState c = CourseOfPars(4);
    c.CourseSlope = 151;
    std::optional<core::NewCourseRefusal> refusal = core::CheckNewCourseSlope(c);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Slope rating Invalid. Must be between 80 and 150");
    EXPECT_EQ(refusal->title, "Incorect Slope Rating");
    c.CourseSlope = 0;
    core::ApplyNewCourseDefaults(c);
    EXPECT_FALSE(core::CheckNewCourseSlope(c));
}

TEST(NewCourse, StartsToday) {
    core::CourseState c;
    core::DateNewCourse(c, 35129);
    EXPECT_EQ(c.FirstDate, (core::VariantDate{35129, true}));
    EXPECT_EQ(c.LastDate, 35129);
}

} // namespace
