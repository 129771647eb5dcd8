#include "core/record_encoding.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RecordWriter, WritesTheExactBytes) {
    core::RecordWriter w;
    w.text("Smith, John").text("").number(113).number(-2.7f).number(0.5f).endLine();
    w.number(35163.0).date({35129, true}).date({35110, false}).endLine();
    w.zeros(3).endLine();
    w.number(12.8f).number(-32768).number(1234567.0f).number(36161.25).endLine();
    EXPECT_EQ(w.content(), "\"Smith, John\",\"\",113,-2.7,0.5\r\n"
                           "35163,#1996-03-05#,35110\r\n"
                           "0,0,0\r\n"
                           "12.8,-32768,1234567,36161.25\r\n");
}

TEST(RecordReader, TakesFieldsOneAfterAnother) {
    // The reader does not care where lines end, skips blanks before a field, and
    // keeps commas inside quotes.
    core::RecordReader r("\"Smith, John, Jr.\",  118\r\n3,\"\"\r\n  -2.7 ,5\r\n", "x.hcp");
    EXPECT_EQ(r.text("name"), "Smith, John, Jr.");
    EXPECT_EQ(r.integer("slope"), 118);
    EXPECT_EQ(r.integer("count"), 3);
    EXPECT_EQ(r.text("empty"), "");
    EXPECT_EQ(r.single("differential"), -2.7f);
    EXPECT_FALSE(r.atEnd());
    EXPECT_EQ(r.number("last"), 5);
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.failed());
}

TEST(RecordReader, NumbersWithAndWithoutALeadingZero) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"0.5", 0.5}, {".5", 0.5},  {"-0.3", -0.3}, {"-.3", -0.3}, {"12.8", 12.8},
        {"113", 113}, {"-27", -27}, {"", 0},        {"+4", 4},     {"1.5E+07", 1.5e7},
    };
    for (const Case& c : cases) {
        const std::string content = std::string(c.text) + ",1\r\n"; // the reader only views it
        core::RecordReader r(content, "f");
        EXPECT_DOUBLE_EQ(r.number("n"), c.value) << c.text;
        EXPECT_FALSE(r.failed()) << c.text;
    }
}

TEST(RecordReader, DatesInBothForms) {
    core::RecordReader r("#1996-03-05#,35129,#1996-04-08#\r\n", "f.crs");
    EXPECT_EQ(r.date("literal"), (core::VariantDate{35129, true}));
    EXPECT_EQ(r.date("number"), (core::VariantDate{35129, false}));
    // A number slot takes a date literal as its day number.
    EXPECT_EQ(r.number("LastDate"), 35163);
    EXPECT_FALSE(r.failed());
}

TEST(RecordReader, WhatCannotBeReadNamesTheFileLineAndField) {
    struct Case {
        const char* content;
        int reads; // numbers read before the failing one
        const char* error;
    };
    const Case cases[] = {
        {"1,2\r\n", 2, "c.crs, line 2, field third: the file ends here"},
        {"1,2\r\n3,abc\r\n", 3, "c.crs, line 2, field fourth: \"abc\" is not a number"},
        {"1\r\n2,\"x\"\r\n", 2, "c.crs, line 2, field third: \"x\" is not a number"},
        {"1,2\r\n3,#1996-13-01#\r\n", 3,
         "c.crs, line 2, field fourth: \"#1996-13-01#\" is not a number"},
    };
    const char* names[] = {"first", "second", "third", "fourth"};
    for (const Case& c : cases) {
        core::RecordReader r(c.content, "c.crs");
        for (int i = 0; i < c.reads; ++i)
            r.number(names[i]);
        EXPECT_FALSE(r.failed()) << c.content;
        EXPECT_EQ(r.number(names[c.reads]), 0);
        EXPECT_TRUE(r.failed());
        EXPECT_EQ(r.error(), c.error);
        // The first failure is kept.
        r.number("later");
        EXPECT_EQ(r.error(), c.error);
    }
}

TEST(RecordReader, TextFaultsAreErrors) {
    core::RecordReader unclosed("\"Ann Example,70\r\n", "h.hcp");
    unclosed.text("HandicapPlayerName");
    EXPECT_EQ(unclosed.error(), "h.hcp, line 1, field HandicapPlayerName: a text has no "
                                "closing quote");

    core::RecordReader runsOn("\"Ann\r\nExample\",70\r\n", "h.hcp");
    runsOn.text("HandicapPlayerName");
    EXPECT_TRUE(runsOn.failed());

    core::RecordReader trailing("\"Ann\"x,70\r\n", "h.hcp");
    trailing.text("HandicapPlayerName");
    EXPECT_TRUE(trailing.failed());

    core::RecordReader notADate("\"today\",35129\r\n", "c.crs");
    notADate.date("FirstDate");
    EXPECT_EQ(notADate.error(), "c.crs, line 1, field FirstDate: \"today\" is not a date");
}

TEST(RecordReader, NumbersTooLargeForTheirSlotAreErrors) {
    // A whole-number slot cannot hold 10^11, and a single cannot hold 10^39: taking
    // them would either be undefined or write back a file that no longer reads.
    core::RecordReader whole("99999999999,12\r\n", "c.crs");
    EXPECT_EQ(whole.integer("BestRound"), 0);
    EXPECT_EQ(whole.error(), "c.crs, line 1, field BestRound: \"99999999999\" is out of range");

    core::RecordReader single("1E+39\r\n", "c.crs");
    single.single("ParsTotal");
    EXPECT_TRUE(single.failed());

    core::RecordReader fits("2147483647,-2147483648,3.4E+38\r\n", "c.crs");
    EXPECT_EQ(fits.integer("a"), std::numeric_limits<int>::max());
    EXPECT_EQ(fits.integer("b"), std::numeric_limits<int>::min());
    EXPECT_EQ(fits.single("c"), 3.4e38f);
    EXPECT_FALSE(fits.failed());
}

TEST(RecordEncoding, StorableTexts) {
    EXPECT_TRUE(core::IsStorableText("Smith, John"));
    EXPECT_TRUE(core::IsStorableText(""));
    // A line break would end the record in the middle of the text.
    EXPECT_FALSE(core::IsStorableText("Tarn\r\nHill"));
    EXPECT_FALSE(core::IsStorableText("Tarn\nHill"));
}

// A double quote has no escape: such a text is written bare, and only where the
// reader takes it back unchanged.
TEST(RecordEncoding, TextsWithADoubleQuoteAreWrittenBareWhenTheyReadBack) {
    struct Case {
        const char* text;
        bool storable;
    } cases[] = {
        {"O\"Brien Downs", true},
        {"The \"Old\" Course", true},
        {"\"Old\" Course", false}, // would read as a quoted text
        {"The Old \"Course\"", true},
        {"Smith, \"Jr\" John", false}, // the comma would end the field
        {" O\"Brien", false},          // leading blanks are skipped
        {"O\"Brien\t", false},         // trailing blanks are dropped
        {"O\"Brien\r\nDowns", false},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(core::IsStorableText(k.text), k.storable) << k.text;
        if (!k.storable)
            continue;
        core::RecordWriter w;
        w.text(k.text).number(113).endLine();
        EXPECT_EQ(w.content(), std::string(k.text) + ",113\r\n");
        core::RecordReader r(w.content(), "c.crs");
        EXPECT_EQ(r.text("name"), k.text);
        EXPECT_EQ(r.integer("slope"), 113);
        EXPECT_FALSE(r.failed()) << r.error();
    }
}

// Whatever is read writes back the same: numbers keep only the digits the writer
// writes, so a rewritten file reads back equal and rewrites to the same bytes.
TEST(RecordEncoding, NumbersReadAsTheWriterWritesThem) {
    core::RecordReader r("1.00000012,0.12345678901234567,35065.00000000000001,2.5\r\n", "c.crs");
    float single = r.single("single");
    double number = r.number("number");
    core::VariantDate date = r.date("date");
    int whole = r.integer("whole");
    ASSERT_FALSE(r.failed()) << r.error();
    EXPECT_EQ(single, 1.0f);
    EXPECT_EQ(number, 0.123456789012346);
    EXPECT_EQ(date.dayNumber, 35065.0);
    EXPECT_EQ(whole, 2);
    core::RecordWriter w;
    w.number(single).number(number).date(date).number(whole).endLine();
    EXPECT_EQ(w.content(), "1,0.123456789012346,35065,2\r\n");

    // The largest double would be written rounded up, beyond what can be read.
    core::RecordReader largest("1.7976931348623157e308\r\n", "c.crs");
    largest.number("number");
    EXPECT_EQ(largest.error(),
              "c.crs, line 1, field number: \"1.7976931348623157e308\" is out of range");
    core::RecordReader largestDate("-1.7976931348623157e308\r\n", "c.crs");
    largestDate.date("date");
    EXPECT_EQ(largestDate.error(),
              "c.crs, line 1, field date: \"-1.7976931348623157e308\" is out of range");
}

// A file that is not a data file at all may hold anything in its first field: the
// message shows the beginning of it, never the whole.
TEST(RecordEncoding, MessagesQuoteOnlyTheBeginningOfABadField) {
    struct Case {
        std::string content;
        std::string error;
    } cases[] = {
        {std::string(2000000, 'j'),
         "c.crs, line 1, field FirstDate: \"" + std::string(37, 'j') + "...\" is not a date"},
        {std::string(40, 'k') + "\r\n",
         "c.crs, line 1, field FirstDate: \"" + std::string(40, 'k') + "\" is not a date"},
        // Control characters are not shown; a character is never cut in half.
        {"bin\x01\x02"
         "ary\r\n",
         "c.crs, line 1, field FirstDate: \"bin??ary\" is not a date"},
        {std::string(36, 'x') + "\xc3\xa9\xc3\xa9\xc3\xa9",
         "c.crs, line 1, field FirstDate: \"" + std::string(36, 'x') + "...\" is not a date"},
    };
    for (const Case& k : cases) {
        core::RecordReader r(k.content, "c.crs");
        r.date("FirstDate");
        EXPECT_EQ(r.error(), k.error);
    }
}

TEST(RecordEncoding, AQuotedTextEndsOnItsOwnLine) {
    core::RecordReader r("\"Ann\rExample\",70\r\n", "h.hcp");
    r.text("name");
    EXPECT_EQ(r.error(), "h.hcp, line 1, field name: a text runs over the end of its line");
}

} // namespace
