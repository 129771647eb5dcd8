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

// A whole text arriving at once (paste, drop, input method) is held to the range the keys
// keep; characters may always be taken out, as backspace may.
TEST(KeyFilter, WholeTextsKeepTheRangeOfTheKeys) {
    struct Case {
        const char* before;
        const char* after;
        double minimum, maximum;
        bool accepted;
    };
    const Case cases[] = {
        {"", "7", 0, 99, true},      {"", "-5", 0, 99, false},          {"", "150", 0, 99, false},
        {"", "1e30", 0, 99, false},  {"", "99999999999", 0, 99, false}, {"", " 5", 0, 99, false},
        {"", "2", 3, 9, false},      {"", "10", 3, 9, false},           {"", "-50", 1, 999, false},
        {"", "4.5", 3, 9, false},    {"1", "12", 1, 18, true},          {"1", "19", 1, 18, false},
        {"5", "", 3, 9, true},       {"100", "00", 1, 999, true}, // backspace
        {"100", "10", 1, 999, true}, {"12", "12", 1, 18, true},   // unchanged
        {"100", "0", 1, 999, true},  {"17", "71", 1, 18, false},  // not taken out
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::AcceptsDigitBoxChange(c.before, c.after, c.minimum, c.maximum), c.accepted)
            << '"' << c.before << "\" -> \"" << c.after << '"';
    EXPECT_TRUE(core::IsDigitBoxText("", 3, 9));
    EXPECT_FALSE(core::IsDigitBoxText("0", 1, 999));
}

TEST(KeyFilter, DecimalBoxesTakeDigitsAndThePoint) {
    EXPECT_TRUE(core::IsDecimalBoxText("71.2"));
    EXPECT_TRUE(core::IsDecimalBoxText(""));
    EXPECT_FALSE(core::IsDecimalBoxText("-71"));
    EXPECT_FALSE(core::IsDecimalBoxText("7e1"));
    EXPECT_FALSE(core::AcceptsDecimalCharacter(U'-'));
    EXPECT_TRUE(core::AcceptsDecimalCharacter(U'.'));
}

// The keys and the data files follow one rule for what a text can hold.
TEST(KeyFilter, TextsRefuseWhatTheFilesCannotStore) {
    for (char32_t refused : {U'"', U'\r', U'\n'})
        EXPECT_FALSE(core::AcceptsTextCharacter(refused));
    for (char32_t accepted : {U',', U'\'', U'é'})
        EXPECT_TRUE(core::AcceptsTextCharacter(accepted));
}

TEST(CourseHandicap, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(core::CourseHandicap(12.0f, 125), 13);
    EXPECT_EQ(core::CourseHandicap(12.5f, 113), 12);
    EXPECT_EQ(core::CourseHandicap(13.5f, 113), 14);
    EXPECT_EQ(core::CourseHandicap(-2.0f, 130), -2);
}

} // namespace
