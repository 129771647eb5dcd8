#include "core/course_handicap.h"
#include "core/key_filter.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyFilter, DigitsKeepTheValueInRange) {
    struct Case {
        const char* text;
        int start, length;
        char digit;
        double minimum, maximum;
        bool accepted;
    };
    const Case cases[] = {
        {"", 0, 0, '2', 3, 9, false},                                    // a par of 2
        {"", 0, 0, '4', 3, 9, true},     {"1", 1, 0, '9', 1, 18, false}, // hole handicap 19
        {"1", 1, 0, '8', 1, 18, true},   {"1", 0, 1, '9', 1, 18, true}, // the selection is replaced
        {"", 0, 0, '0', 0, 99, true},                                   // no putts
        {"99", 2, 0, '1', 0, 99, false}, {"", 0, 0, '0', 1, 999, false},
        {"1", 1, 0, 'x', 0, 99, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::AcceptsDigit(c.text, c.start, c.length, c.digit, c.minimum, c.maximum),
                  c.accepted)
            << c.text << " + " << c.digit;
}

TEST(KeyFilter, TextsRefuseTheDoubleQuote) {
    EXPECT_FALSE(core::AcceptsTextCharacter(U'"'));
    EXPECT_TRUE(core::AcceptsTextCharacter(U','));
}

TEST(CourseHandicap, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(core::CourseHandicap(12.0f, 125), 13);
    EXPECT_EQ(core::CourseHandicap(12.5f, 113), 12);
    EXPECT_EQ(core::CourseHandicap(13.5f, 113), 14);
    EXPECT_EQ(core::CourseHandicap(-2.0f, 130), -2);
}

} // namespace
