#include "core/day_number.h"
#include "core/handicap_entry.h"
#include "core/handicap_report.h"
#include "core/slope_converter.h"
#include "core/whs_report.h"

#include <gtest/gtest.h>

namespace {

const double Today = core::DayNumberFromDate(1996, 3, 5);

TEST(HandicapDisplay, HandicapTexts) {
    core::HandicapState h;
    struct Case {
        int preSlope;
        float index;
        const char* preSlopeText;
        const char* indexText;
    };
    const Case cases[] = {
        {core::PlusOneCode, -1.3f, "+1", "-1.3"},
        {12, 12.0f, " 12", "12.0"},
        {0, 0.0f, " 0", "0.0"},
        {9, 8.65f, " 9", "8.7"}, // the text 8.65 rounds up, though the single is below it
        {0, 0.5f, " 0", "0.5"},
    };
    for (const Case& c : cases) {
        h.PreSlopeHandicap = c.preSlope;
        h.HandicapIndex = c.index;
        EXPECT_EQ(core::PreSlopeHandicapText(h), c.preSlopeText);
        EXPECT_EQ(core::HandicapIndexText(h), c.indexText);
    }
}

TEST(HandicapDisplay, CourseHandicapNeedsAHomeSlope) {
    core::HandicapState h;
    h.HandicapIndex = 12.0f;
    h.HomeSlope = 125;
    EXPECT_EQ(core::CourseHandicapText(h, core::CourseHandicapMoment::Opening), " 13");
    EXPECT_EQ(core::CourseHandicapText(h, core::CourseHandicapMoment::AfterSave), " 13");
    h.HomeSlope = 0;
    EXPECT_EQ(core::CourseHandicapText(h, core::CourseHandicapMoment::Opening), "N/A");
    EXPECT_EQ(core::CourseHandicapText(h, core::CourseHandicapMoment::AfterSave), "");
}

TEST(HandicapDisplay, GridRows) {
    core::HandicapState h;
    h.LastScoreDate[1] = core::DayNumberFromDate(1997, 3, 3);
    h.LastAdjustedScore[1] = 85;
    h.PreSlopeDifferential[1] = 85 - 72.3f;
    h.SlopeDifferential[1] = 6.95f;
    h.TournamentDifferential[1] = 6.9f;
    h.LastScoreDate[2] = core::DayNumberFromDate(1997, 3, 1);
    h.LastAdjustedScore[2] = 0;
    h.PreSlopeDifferential[2] = -2.3f;
    h.SlopeDifferential[2] = -2.04f;

    core::HandicapGridRow first = core::GridRow(h, 1);
    EXPECT_TRUE(first.shown);
    EXPECT_EQ(first.date, "03/03/1997");
    EXPECT_EQ(first.score, " 85");
    EXPECT_EQ(first.preSlope, "12.7");
    EXPECT_EQ(first.slope, "7.0");
    EXPECT_TRUE(first.tournament);

    core::HandicapGridRow second = core::GridRow(h, 2);
    EXPECT_TRUE(second.shown);
    EXPECT_EQ(second.score, ""); // no score: the cell keeps what it showed
    EXPECT_EQ(second.preSlope, "-2.3");
    EXPECT_EQ(second.slope, "-2.0");
    EXPECT_FALSE(second.tournament);

    EXPECT_FALSE(core::GridRow(h, 3).shown);
    EXPECT_FALSE(core::GridRow(h, 0).shown);
    EXPECT_FALSE(core::GridRow(h, 21).shown);
}

TEST(HandicapDisplay, HighestDifferentialShowsOnlyWhenAboveZero) {
    core::HandicapState h;
    EXPECT_EQ(core::HighestDifferentialText(h), "");
    h.CountingMark[1] = 9.56f;
    EXPECT_EQ(core::HighestDifferentialText(h), "9.6");
    h.CountingMark[1] = -1.2f;
    EXPECT_EQ(core::HighestDifferentialText(h), "");
}

TEST(HandicapEntryDate, ReadsMonthDayYear) {
    struct Case {
        const char* text;
        bool valid;
        double day;
    };
    const Case cases[] = {
        {"02/31/1997", true, core::DayNumberFromDate(1997, 3, 3)},
        {"04/08/1996", true, 35163},
        {"01-15-1997", true, core::DayNumberFromDate(1997, 1, 15)}, // separators not looked at
        {"12/31/2078", true, core::DayNumberFromDate(2078, 12, 31)},
        {"01/01/1753", true, core::DayNumberFromDate(1753, 1, 1)},
        {"1/1/97", true, Today}, // wrong length: today, silently
        {"", true, Today},
        {"13/01/1997", false, 0},
        {"00/10/1997", false, 0},
        {"12/32/1997", false, 0},
        {"12/00/1997", false, 0},
        {"01/01/1752", false, 0},
        {"01/01/2079", false, 0},
        {"ab/01/1997", false, 0},
        {"01/01/19x7", false, 0},
        {"01\xC2\xB7"
         "15\xC2\xB7"
         "1997",
         true, core::DayNumberFromDate(1997, 1, 15)},
    };
    for (const Case& c : cases) {
        core::EntryDateReading reading = core::ReadEntryDate(c.text, Today);
        EXPECT_EQ(reading.valid, c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(reading.dayNumber, c.day) << c.text;
        }
    }
    EXPECT_EQ(core::InvalidDateMessage("13/01/1997"),
              "13/01/1997 is not a valid Date. Should be in the form  mm/dd/yyyy");
}

TEST(HandicapEntryBoxes, RatingsAreRoundedToOneDecimal) {
    struct Case {
        const char* text;
        float value;
    };
    const Case cases[] = {
        {"72.35", 72.4f}, {"72.34", 72.3f}, {"113", 113.0f},  {"  71.96", 72.0f},
        {"abc", 0.0f},    {"", 0.0f},       {"125x", 125.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::EntryRatingValue(c.text), c.value) << c.text;
    EXPECT_EQ(core::EntryScoreValue("85.7"), 85.7f);
    EXPECT_EQ(core::EntryScoreValue(" 90"), 90.0f);
}

TEST(HandicapEntryBoxes, ScoresDropTheirFraction) {
    EXPECT_EQ(core::WholeScore(85.7f), 85.0f);
    EXPECT_EQ(core::WholeScore(0.5f), 0.0f);
    EXPECT_EQ(core::WholeScore(-3.7f), -3.0f); // toward zero
    EXPECT_EQ(core::GrossScoreValue(""), std::nullopt);
    EXPECT_EQ(core::GrossScoreValue("91.9"), 91.0);
    EXPECT_EQ(core::GrossScoreValue("abc"), 0.0);                   // typed, but not a number
    EXPECT_EQ(core::GrossScoreValue("99999999999999999999"), 1e20); // no range, no overflow
}

TEST(HandicapEntryChecks, RangesAndMessagesInOrder) {
    struct Case {
        float score, rating, slope;
        std::optional<core::EntryBox> refused;
        const char* message;
        const char* title;
    };
    using core::EntryBox;
    const Case cases[] = {
        {0, 72, 113, EntryBox::Score,
         "Your score of  0 is outside the scope of this program. Please verify!", "Invalid Score"},
        {200, 40, 200, EntryBox::Score,
         "Your score of  200 is outside the scope of this program. Please verify!",
         "Invalid Score"},
        {-5, 72, 113, EntryBox::Score,
         "Your score of -5 is outside the scope of this program. Please verify!", "Invalid Score"},
        {85, 50, 113, EntryBox::Rating, "The Rating of  50 is invalid. Please verify!",
         "Invalid Rating"},
        {85, 100, 200, EntryBox::Rating, "The Rating of  100 is invalid. Please verify!",
         "Invalid Rating"},
        {85, 72.3f, 79, EntryBox::Slope, "The Slope Rating of  79 is invalid. Please verify!",
         "Invalid slope"},
        {85, 72.3f, 151, EntryBox::Slope, "The Slope Rating of  151 is invalid. Please verify!",
         "Invalid slope"},
        {1, 50.1f, 80, std::nullopt, "", ""},
        {199, 99.9f, 150, std::nullopt, "", ""},
        {85, 72.3f, 79.5f, std::nullopt, "", ""}, // only 79 and below are refused
    };
    for (const Case& c : cases) {
        std::optional<core::EntryRefusal> refusal =
            core::CheckRoundEntry(c.score, c.rating, c.slope);
        ASSERT_EQ(refusal.has_value(), c.refused.has_value()) << c.score << " " << c.rating;
        if (!refusal)
            continue;
        EXPECT_EQ(refusal->box, *c.refused);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->title, c.title);
    }
}

TEST(HandicapEntryChecks, MissingRatingQuestion) {
    EXPECT_EQ(core::MissingRatingQuestion(),
              "You have not specified a course and/or slope rating.\r\n\r\n"
              "This information can be obtained from the scorecard or Golf Professional.\r\n\r\n"
              "Defaults will be used for Incorrect or missing ratings. This could make your "
              "handicap\r\nstatistics inaccurate.\r\n\r\nDo you wish to Continue?");
}

// A gross score whose differential the file could not hold (inf from 1E+300) is refused;
// any other is taken as it comes.
TEST(HandicapEntryChecks, AGrossScoreMustFitTheFile) {
    EXPECT_FALSE(core::CheckGrossScore(std::nullopt));
    EXPECT_FALSE(core::CheckGrossScore(32767));
    EXPECT_FALSE(core::CheckGrossScore(-32767));
    std::optional<core::EntryRefusal> refusal = core::CheckGrossScore(1e300);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->box, core::EntryBox::GrossScore);
    EXPECT_EQ(refusal->message,
              "Your score of  1E+300 is outside the scope of this program. Please verify!");
    EXPECT_EQ(refusal->title, "Invalid Score");
    EXPECT_TRUE(core::CheckGrossScore(-40000));
}

TEST(HandicapEntryChecks, EmptyRatingBoxesTakeTheDefaults) {
    EXPECT_FALSE(core::RatingsMissing("70.5", "125"));
    EXPECT_TRUE(core::RatingsMissing("", "125"));
    EXPECT_TRUE(core::RatingsMissing("70.5", ""));
    core::EntryState entry;
    entry.EntryCourseRating = 70.5f;
    entry.EntrySlopeRating = 0;
    core::ApplyRatingDefaults(entry, "70.5", "");
    EXPECT_EQ(entry.EntryCourseRating, 70.5f);
    EXPECT_EQ(entry.EntrySlopeRating, 113.0f);
    entry.EntryCourseRating = 0;
    core::ApplyRatingDefaults(entry, "", "x");
    EXPECT_EQ(entry.EntryCourseRating, 72.0f);
    EXPECT_EQ(entry.EntrySlopeRating, 113.0f);
}

TEST(SlopeConverter, HandicapForASlope) {
    struct Case {
        const char* index;
        const char* slope;
        const char* handicap;
    };
    const Case cases[] = {
        {" 12", "125", " 13"},  {"12.5", "113", " 12"},
        {"13.5", "113", " 14"}, {"0.4", "150", " 1"},
        {"-2.0", "130", "-2"},  {"", "113", " 0"},
        {"abc", "113", " 0"},   {"12", "", " 0"},
        {" -.4", "113", " 0"},  {"12.04", "113", " 12"},
        {"20", "155.5", " 28"}, {"99999999999999", "150", " 132743362831857"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::ConvertedHandicapText(c.index, c.slope), c.handicap)
            << c.index << " / " << c.slope;
    EXPECT_EQ(core::ConverterIndexText(0.0f), "");
    EXPECT_EQ(core::ConverterIndexText(12.5f), " 12.5");
    EXPECT_EQ(core::ConverterIndexText(-1.3f), "-1.3");
    EXPECT_EQ(core::ConverterIndexText(0.4f), " .4");
}

} // namespace

namespace {

// The printed handicap report names itself after the player, with or without the WHS part.
TEST(HandicapReport, CarriesThePlayersNameAsItsDocumentName) {
    core::HandicapState h;
    h.HandicapPlayerName = "Pat Smith";
    EXPECT_EQ(core::HandicapReport(h).name(), "Tarnwick - Handicap Report - Pat Smith");
    EXPECT_EQ(core::HandicapReportWithWhs(h, core::WhsFigures{}, std::nullopt).name(),
              "Tarnwick - Handicap Report - Pat Smith");
}

} // namespace
