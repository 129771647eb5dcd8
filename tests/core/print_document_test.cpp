#include "core/print_document.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintDocument, PlacesTextAtColumnsAndZones) {
    core::PrintDocument doc;
    doc.emptyLines(2);
    doc.tab(10)
        .text("Total # of Bogeys:")
        .tab(45)
        .text("9")
        .nextZone()
        .text("      12.50%")
        .endLine();
    doc.tab(10).text("a").text("b").endLine();
    doc.end();
    // Column 45 holds the 9; the next zone starts at column 57.
    std::string bogeys = std::string(9, ' ') + "Total # of Bogeys:";
    bogeys += std::string(44 - bogeys.size(), ' ') + "9";
    bogeys += std::string(56 - bogeys.size(), ' ') + "      12.50%";
    EXPECT_EQ(doc.plainText(), "\n\n" + bogeys + "\n         ab\n");
}

TEST(PrintDocument, ATabBehindThePositionGoesToTheNextLine) {
    core::PrintDocument doc;
    doc.tab(1).text("0123456789").tab(5).text("x");
    doc.end();
    EXPECT_EQ(doc.plainText(), "0123456789\n    x\n");
}

TEST(PrintDocument, KeepsBoldAndSizePerSpan) {
    core::PrintDocument doc;
    doc.fontSize(12).bold(true).line(10, "TITLE");
    doc.bold(false).line(10, "body");
    doc.end();
    ASSERT_EQ(doc.lines().size(), 2u);
    EXPECT_TRUE(doc.lines()[0].spans[0].bold);
    EXPECT_EQ(doc.lines()[0].spans[0].fontSize, 12);
    EXPECT_FALSE(doc.lines()[1].spans[0].bold);
    EXPECT_TRUE(doc.ended());
}

TEST(PrintDocument, EndFinishesAnOpenLineOnly) {
    core::PrintDocument doc;
    doc.line(10, "last");
    doc.end();
    EXPECT_EQ(doc.lines().size(), 1u);
}

} // namespace
