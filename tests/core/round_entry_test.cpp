#include "core/day_number.h"
#include "core/round_entry.h"

#include <gtest/gtest.h>

namespace {

const double Today = core::DayNumberFromDate(1996, 3, 5);

TEST(RoundDate, ReadsTheDateBox) {
    struct Case {
        const char* text;
        bool valid;
        double day;
    };
    const Case cases[] = {
        {"02/29/1996", true, core::DayNumberFromDate(1996, 2, 29)},
        {"02/31/1996", true, core::DayNumberFromDate(1996, 3, 2)},  // runs on into March
        {"02-29-1996", true, core::DayNumberFromDate(1996, 2, 29)}, // separators unchecked
        {"01/01/1753", true, core::DayNumberFromDate(1753, 1, 1)},
        {"12/31/2078", true, core::DayNumberFromDate(2078, 12, 31)},
        {"13/01/1996", false, 0},
        {"00/10/1996", false, 0},
        {"12/32/1996", false, 0},
        {"12/00/1996", false, 0},
        {"01/01/1752", false, 0},
        {"01/01/2079", false, 0},
        {"ab/cd/efgh", false, 0},
        {"1/5/1996", true, Today}, // any other length stands for today
        {"", true, Today},
        {"02/29/19967", true, Today},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        core::RoundDateCheck check = core::ValidateRoundDate(c.text, Today);
        EXPECT_EQ(check.valid, c.valid);
        if (c.valid) {
            EXPECT_EQ(check.dayNumber, c.day);
        }
    }
}

TEST(RoundDate, CountsCharactersNotBytes) {
    // Ten characters, one of them outside ASCII: checked, and refused for its month.
    EXPECT_FALSE(core::ValidateRoundDate("\xc3\xa9"
                                         "2/29/1996",
                                         Today)
                     .valid);
    // Nine characters in ten bytes: today.
    core::RoundDateCheck nine = core::ValidateRoundDate("\xc3\xa9/29/1996", Today);
    EXPECT_TRUE(nine.valid);
    EXPECT_EQ(nine.dayNumber, Today);
}

TEST(RoundDate, HoleBoxesReadAsWholeNumbers) {
    EXPECT_EQ(core::HoleValueFromText(""), 0);
    EXPECT_EQ(core::HoleValueFromText("15"), 15);
    EXPECT_EQ(core::HoleValueFromText("4.5"), 4); // a half goes to the even neighbour
}

core::HandicapState Player(int rounds, float index) {
    core::HandicapState h;
    h.RoundCount = rounds;
    h.HandicapIndex = index;
    return h;
}

TEST(HandedOverScore, FollowsTheCourseHandicapBand) {
    core::RoundFigures figures;
    figures.StandardEscTotals = {81, 83, 85, 87};
    struct Case {
        int rounds;
        float index;
        float slope;
        core::HandicapBand band;
        int total;
    };
    const Case cases[] = {
        {4, 2.0f, 113, core::HandicapBand::ThirtyThreeUp, 87}, // no index yet
        {0, 0.0f, 113, core::HandicapBand::ThirtyThreeUp, 87},
        {5, 0.0f, 113, core::HandicapBand::ZeroOrPlus, 81},
        {5, -2.4f, 125, core::HandicapBand::ZeroOrPlus, 81}, // a plus handicap
        {5, 0.4f, 113, core::HandicapBand::ZeroOrPlus, 81},  // rounds to 0
        {5, 0.6f, 113, core::HandicapBand::OneTo18, 83},
        {6, 17.0f, 120, core::HandicapBand::OneTo18, 83},      // 18.05 -> 18
        {6, 17.5f, 120, core::HandicapBand::NineteenTo32, 85}, // 18.58 -> 19
        {20, 32.4f, 113, core::HandicapBand::NineteenTo32, 85},
        {20, 30.0f, 125, core::HandicapBand::ThirtyThreeUp, 87}, // 33.19 -> 33
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rounds) + " rounds, index " + std::to_string(c.index));
        core::HandicapState player = Player(c.rounds, c.index);
        EXPECT_EQ(core::HandicapBandFor(player, c.slope), c.band);
        EXPECT_EQ(core::HandedOverAdjustedScore(figures, player, c.slope), c.total);
    }
}

} // namespace
