#include "core/course_edit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

core::CourseState EditedCourse() {
    core::CourseState c;
    c.CourseRating = 70.5f;
    c.CourseSlope = 125;
    for (int h = 1; h <= 18; ++h) {
        c.HolePar[h] = 4;
        c.HoleHandicap[h] = h;
        c.HoleYards[h] = 400;
    }
    return c;
}

TEST(CourseEdit, RefusesWhatTheFileCannotHoldInTheWindowsOrder) {
    static constexpr float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        void (*change)(core::CourseState&);
        std::optional<core::CourseEditBox> refused;
        int hole;
    };
    const Case cases[] = {
        {"a whole course", [](core::CourseState&) {}, std::nullopt, 0},
        {"the limits of a 16-bit field",
         [](core::CourseState& c) {
             c.HolePar[3] = 32767;
             c.HoleHandicap[4] = -32768;
             c.CourseRating = -9999.9f;
             c.CourseSlope = 9999.9f;
         },
         std::nullopt, 0},
        {"par 32768", [](core::CourseState& c) { c.HolePar[7] = 32768; }, core::CourseEditBox::Par,
         7},
        {"hole handicap -32769", [](core::CourseState& c) { c.HoleHandicap[12] = -32769; },
         core::CourseEditBox::Handicap, 12},
        {"rating inf", [](core::CourseState& c) { c.CourseRating = inf; },
         core::CourseEditBox::Rating, 0},
        {"slope nan", [](core::CourseState& c) { c.CourseSlope = std::nanf(""); },
         core::CourseEditBox::Slope, 0},
        {"slope 10000", [](core::CourseState& c) { c.CourseSlope = 10000; },
         core::CourseEditBox::Slope, 0},
        {"rating -10000", [](core::CourseState& c) { c.CourseRating = -10000; },
         core::CourseEditBox::Rating, 0},
        // The yardage of any hole comes first, then the holes in order, then the ratings.
        {"yards before par",
         [](core::CourseState& c) {
             c.HolePar[2] = 40000;
             c.HoleYards[9] = 1000;
         },
         core::CourseEditBox::Yards, 9},
        {"par before rating",
         [](core::CourseState& c) {
             c.CourseRating = inf;
             c.HolePar[18] = std::numeric_limits<int>::max();
         },
         core::CourseEditBox::Par, 18},
    };
    for (const Case& k : cases) {
        core::CourseState c = EditedCourse();
        k.change(c);
        std::optional<core::CourseEditRefusal> refusal = core::CheckEditedCourse(c);
        ASSERT_EQ(refusal.has_value(), k.refused.has_value()) << k.what;
        if (refusal) {
            EXPECT_EQ(refusal->box, *k.refused) << k.what;
            EXPECT_EQ(refusal->hole, k.hole) << k.what;
        }
    }
}

TEST(CourseEdit, MessagesNameTheBoxAndQuoteWhatWasTyped) {
    EXPECT_EQ(core::CourseEditRefusalMessage({core::CourseEditBox::Yards, 7}, " 1000"),
              "The yardage entered for Hole # 7 is incorrect.");
    EXPECT_EQ(core::CourseEditRefusalTitle({core::CourseEditBox::Yards, 7}), "Incorrect Yardage");
    EXPECT_EQ(core::CourseEditRefusalMessage({core::CourseEditBox::Par, 11}, " 99999"),
              "The par entered for Hole # 11, \"99999\", cannot be stored. A par must be a whole "
              "number from -32768 to 32767.");
    // A long text is cut, never inside a character.
    EXPECT_EQ(core::CourseEditRefusalMessage({core::CourseEditBox::Rating, 0},
                                             std::string(39, '9') + "\xC3\xA9" + "99"),
              "The Course Rating entered, \"" + std::string(39, '9') +
                  "...\", cannot be stored. A course rating must be a number below 10000.");
    EXPECT_EQ(core::CourseEditRefusalTitle({core::CourseEditBox::Slope, 0}),
              "Incorrect Slope Rating");
}

} // namespace
