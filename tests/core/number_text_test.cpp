#include "core/number_text.h"

#include <gtest/gtest.h>

namespace {

using core::FormatNumber;

TEST(SignedText, SinglesKeepSevenDigitsAndDropTheLeadingZero) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {5.0f, " 5"},
        {0.5f, " .5"},
        {-0.25f, "-.25"},
        {12.7f, " 12.7"},
        {-2.3f, "-2.3"},
        {0.0f, " 0"},
        {1.0f / 3, " .3333333"},
        {113.0f, " 113"},
        {12345678.0f, " 1.234568E+07"},
        {-0.0f, " 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::SignedText(c.value), c.text) << c.value;
}

TEST(SignedText, DoublesKeepFifteenDigits) {
    EXPECT_EQ(core::SignedText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(core::SignedText(35129.0), " 35129");
    EXPECT_EQ(core::SignedText(-2.0), "-2");
    EXPECT_EQ(core::SignedText(14), " 14");
}

TEST(PlainText, KeepsTheLeadingZeroAndNoBlank) {
    EXPECT_EQ(core::PlainText(0.5f), "0.5");
    EXPECT_EQ(core::PlainText(-0.25f), "-0.25");
    EXPECT_EQ(core::PlainText(13.108f), "13.108");
    EXPECT_EQ(core::PlainText(9.5678f), "9.5678");
    EXPECT_EQ(core::PlainText(-12.34f), "-12.34");
    // The same difference in double precision shows its binary residue.
    EXPECT_EQ(core::PlainText(85.0 - static_cast<double>(72.3f)), "12.6999969482422");
    EXPECT_EQ(core::PlainText(46367.0), "46367");
}

TEST(FormatNumber, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {8.64, "#0.0", "8.6"},
        {12.0, "#0.0", "12.0"},
        {0.25, "#0.0", "0.3"}, // a half rounds away from zero
        {-0.25, "#0.0", "-0.3"},
        {0.5, "##.00", ".50"},
        {5, "#00.00", "05.00"},
        {4.25, "##.00", "4.25"},
        {0.5, "##0.00", "0.50"},
        {0.35, "##0.00", "0.35"},
        {-0.2, "##0.00", "-0.20"},
        {12.5, "#0.0\\%", "12.5%"},
        {0, "#0.0\\%", "0.0%"},
        {0.28, "#0.0\\%", "0.3%"},
        {0.28, "##.0\\%", ".3%"},
        {27.7777, "#00.0\\%", "27.8%"},
        {0.25, "##0.0%", "25.0%"}, // a bare percent multiplies by 100
        {0.825, "##0.0%", "82.5%"},
        {0, "###", ""}, // only optional digits: nothing for 0
        {0, "####", ""},
        {0, "##", ""},
        {0, "#0", "0"},
        {0, "###0", "0"},
        {7, "###", "7"},
        {1234, "##", "1234"}, // every integer digit is kept
        {0.95, "#.000", ".950"},
        {12.5, "      00.00\\%", "      12.50%"},
        {4.5, "    #0.00", "    4.50"},
        {85, "##0", "85"},
        {0, "0.00", "0.00"},
        {-0.001, "0.00", "0.00"}, // no sign on a result that rounds to zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatNumber, SinglesRoundFromTheirSevenDigitForm) {
    // 2.675f is 2.67499995... in binary; its seven-digit form 2.675000 rounds up.
    EXPECT_EQ(FormatNumber(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatNumber(static_cast<double>(2.675f), "0.00"), "2.67");
    EXPECT_EQ(FormatNumber(12.7f, "#0.0"), "12.7");
    EXPECT_EQ(FormatNumber(99.95f, "#0.0"), "100.0");
}

TEST(ReadNumber, IsLenient) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},        {"abc", 0},     {"  12", 12},  {"12.5", 12.5}, {".5", 0.5},
        {"1.2.3", 1.2}, {"85.7", 85.7}, {"12abc", 12}, {"-2.0", -2},   {" 121.5", 121.5},
        {"-", 0},       {".", 0},       {"+4", 4},     {"1 2", 1},     {"0.", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(core::ReadNumber(c.text), c.value) << c.text;
}

TEST(RoundToWhole, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(core::RoundToWhole(12.5), 12);
    EXPECT_EQ(core::RoundToWhole(13.5), 14);
    EXPECT_EQ(core::RoundToWhole(121.5), 122);
    EXPECT_EQ(core::RoundToWhole(120.5), 120);
    EXPECT_EQ(core::RoundToWhole(-2.5), -2);
    EXPECT_EQ(core::RoundToWhole(13.27), 13);
    EXPECT_EQ(core::WholePart(85.7), 85);
    EXPECT_EQ(core::WholePart(0.5), 0);
}

TEST(RoundToWhole, ValuesBeyondAWholeNumberStopAtItsLimits) {
    // An unfiltered box can hold 99999999999.
    EXPECT_EQ(core::RoundToWhole(99999999999.0), 2147483647);
    EXPECT_EQ(core::RoundToWhole(-1e300), -2147483647 - 1);
    EXPECT_EQ(core::WholePart(1e20), 2147483647);
}

TEST(RightAlign, PadsOnTheLeftAndKeepsLongText) {
    EXPECT_EQ(core::RightAlign("5", 2), " 5");
    EXPECT_EQ(core::RightAlign("27.8%", 8), "   27.8%");
    EXPECT_EQ(core::RightAlign("    12.50", 5), "    12.50");
}

} // namespace
