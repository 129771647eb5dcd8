#include "core/course_file.h"
#include "core/statistics_reports.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using core::StatisticsReport;

const std::string StatsFolder = std::string(TARNWICK_FIXTURES) + "/stats/";

core::CourseState LoadStatsFixture(const std::string& name) {
    core::CourseState course;
    core::FileResult result = core::LoadCourseFile(StatsFolder + name, course);
    EXPECT_TRUE(result.ok) << result.error;
    return course;
}

std::string ReadExpected(const std::string& name) {
    std::ifstream in(StatsFolder + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Compares line by line, so that a failure names the line.
void ExpectSameLines(const std::string& actual, const std::string& expected,
                     const std::string& name) {
    std::istringstream a(actual), e(expected);
    std::string actualLine, expectedLine;
    int number = 0;
    while (true) {
        bool moreActual = static_cast<bool>(std::getline(a, actualLine));
        bool moreExpected = static_cast<bool>(std::getline(e, expectedLine));
        ++number;
        if (!moreActual || !moreExpected) {
            EXPECT_EQ(moreActual, moreExpected) << name << ": lengths differ at line " << number;
            break;
        }
        EXPECT_EQ(actualLine, expectedLine) << name << " line " << number;
    }
    EXPECT_EQ(actual, expected) << name;
}

// The printed line that starts with a label at column 10.
std::string LineOf(const core::PrintDocument& doc, const std::string& label) {
    for (const core::PrintLine& line : doc.lines()) {
        std::string text = core::PrintDocument::plainLine(line);
        if (text.rfind(std::string(9, ' ') + label, 0) == 0)
            return text;
    }
    return "(no line " + label + ")";
}

TEST(StatisticsReports, ReportsLineByLine) {
    struct Case {
        const char* fixture;
        StatisticsReport report;
        const char* expected;
    };
    const Case cases[] = {
        {"four_rounds.crs", StatisticsReport::General, "four_rounds.general.txt"},
        {"four_rounds.crs", StatisticsReport::AroundTheGreens, "four_rounds.greens.txt"},
        {"four_rounds.crs", StatisticsReport::Averages, "four_rounds.averages.txt"},
        {"four_rounds.crs", StatisticsReport::HoleByHole, "four_rounds.holes.txt"},
        // No fairway (par 3s only), no green in regulation, no penalty, no sand attempt.
        {"no_greens.crs", StatisticsReport::General, "no_greens.general.txt"},
        {"no_greens.crs", StatisticsReport::AroundTheGreens, "no_greens.greens.txt"},
        // No par 5; 0.95 putts per hole.
        {"no_par5.crs", StatisticsReport::Averages, "no_par5.averages.txt"},
        {"no_par5.crs", StatisticsReport::AroundTheGreens, "no_par5.greens.txt"},
    };
    for (const Case& c : cases) {
        core::PrintDocument doc =
            core::BuildStatisticsReport(LoadStatsFixture(c.fixture), c.report);
        EXPECT_TRUE(doc.ended()) << c.expected;
        ExpectSameLines(doc.plainText(), ReadExpected(c.expected), c.expected);
    }
}

TEST(StatisticsReports, HoleByHolePrintout) {
    core::PrintDocument doc = core::BuildHoleByHolePrintout(LoadStatsFixture("four_rounds.crs"));
    EXPECT_TRUE(doc.ended());
    ExpectSameLines(doc.plainText(), ReadExpected("four_rounds.printout.txt"),
                    "four_rounds.printout.txt");
}

TEST(StatisticsReports, GeneralColumnsAndZones) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    course.BogeysTotal = 9; // 9 of 72 holes
    core::PrintDocument doc = core::BuildStatisticsReport(course, StatisticsReport::General);
    std::string label = "Total # of Bogeys:";
    std::string expected = std::string(9, ' ') + label;
    expected += std::string(44 - expected.size(), ' ') + "9";            // column 45
    expected += std::string(56 - expected.size(), ' ') + "      12.50%"; // zone at 57
    EXPECT_EQ(LineOf(doc, label), expected);
}

TEST(StatisticsReports, Penalties) {
    struct Case {
        int penalties;
        const char* total;
        const char* average;
    };
    const Case cases[] = {{0, "0", "0"}, {6, "6", "1.50"}, {1, "1", "0.25"}};
    for (const Case& c : cases) {
        core::CourseState course = LoadStatsFixture("four_rounds.crs");
        course.PenaltyTotal = c.penalties;
        core::PrintDocument doc = core::BuildStatisticsReport(course, StatisticsReport::General);
        std::string total = LineOf(doc, "# of Penalty Strokes:");
        std::string average = LineOf(doc, "Avg. Penalties per Round:");
        EXPECT_EQ(total.substr(44), c.total) << c.penalties;
        EXPECT_EQ(average.substr(44), c.average) << c.penalties;
    }
}

TEST(StatisticsReports, TitlesAreLargeAndBold) {
    struct Case {
        StatisticsReport report;
        const char* title;
        size_t leadingLines;
        const char* firstBodyLabel;
    };
    const Case cases[] = {
        {StatisticsReport::General, "GENERAL STATISTICS", 5, "Number of Rounds Played:"},
        {StatisticsReport::AroundTheGreens, "AROUND THE GREEN", 4, "Putting Average Front 9:"},
        {StatisticsReport::Averages, "HOLE AVERAGES", 4, "Average Score Par 3's:"},
        {StatisticsReport::HoleByHole, "HOLE BY HOLE", 2, "Hole # 1"},
    };
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    for (const Case& c : cases) {
        core::PrintDocument doc = core::BuildStatisticsReport(course, c.report);
        const auto& lines = doc.lines();
        ASSERT_GT(lines.size(), c.leadingLines) << c.title;
        for (size_t i = 0; i < c.leadingLines; ++i)
            EXPECT_TRUE(lines[i].spans.empty()) << c.title << " line " << i + 1;
        const core::PrintLine& title = lines[c.leadingLines];
        ASSERT_EQ(title.spans.size(), 1u) << c.title;
        EXPECT_EQ(title.spans[0].text, c.title);
        EXPECT_EQ(title.spans[0].column, 10);
        EXPECT_TRUE(title.spans[0].bold);
        EXPECT_EQ(title.spans[0].fontSize, 12);
        bool bodyFound = false;
        for (const core::PrintLine& line : lines) {
            if (!line.spans.empty() && line.spans[0].text.rfind(c.firstBodyLabel, 0) == 0) {
                EXPECT_FALSE(line.spans[0].bold) << c.title;
                EXPECT_EQ(line.spans[0].fontSize, 12) << c.title;
                bodyFound = true;
                break;
            }
        }
        EXPECT_TRUE(bodyFound) << c.title;
    }
}

TEST(StatisticsReports, RankingHeadingsAreBoldInBothHoleReports) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    const core::PrintDocument documents[] = {
        core::BuildStatisticsReport(course, StatisticsReport::HoleByHole),
        core::BuildHoleByHolePrintout(course)};
    for (const core::PrintDocument& doc : documents) {
        int boldHeadings = 0;
        for (const core::PrintLine& line : doc.lines())
            for (const core::PrintSpan& span : line.spans)
                if (span.text == "HOLES BEST TO WORST" || span.text == "Hole   Hdcp  Plus/Minus") {
                    EXPECT_TRUE(span.bold) << span.text;
                    ++boldHeadings;
                }
        EXPECT_EQ(boldHeadings, 2);
    }
    // The window's printout keeps the printer's own size.
    core::PrintDocument printout = core::BuildHoleByHolePrintout(course);
    for (const core::PrintLine& line : printout.lines())
        for (const core::PrintSpan& span : line.spans)
            EXPECT_EQ(span.fontSize, 0) << span.text;
}

TEST(StatisticsReports, RefuseWithoutRounds) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    EXPECT_TRUE(core::HasScoresToReport(course));
    course.GamesRecorded = 0;
    EXPECT_FALSE(core::HasScoresToReport(course));
}

TEST(StatisticsReports, CommandLineNames) {
    EXPECT_EQ(core::StatisticsReportFromName("general"), StatisticsReport::General);
    EXPECT_EQ(core::StatisticsReportFromName("greens"), StatisticsReport::AroundTheGreens);
    EXPECT_EQ(core::StatisticsReportFromName("averages"), StatisticsReport::Averages);
    EXPECT_EQ(core::StatisticsReportFromName("holes"), StatisticsReport::HoleByHole);
    EXPECT_EQ(core::StatisticsReportFromName("General"), std::nullopt);
    EXPECT_EQ(core::StatisticsReportFromName(""), std::nullopt);
}

} // namespace

namespace {

// Each printed document names itself, so that a print queue or a PDF shows what it is.
TEST(StatisticsReports, EveryDocumentCarriesItsName) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    course.CourseName = "Tarnwick Links";
    const std::pair<StatisticsReport, const char*> reports[] = {
        {StatisticsReport::General, "Tarnwick - General Statistics Report - Tarnwick Links"},
        {StatisticsReport::AroundTheGreens, "Tarnwick - Around the Greens Report - Tarnwick Links"},
        {StatisticsReport::Averages, "Tarnwick - Averages Report - Tarnwick Links"},
        {StatisticsReport::HoleByHole, "Tarnwick - Hole By Hole Report - Tarnwick Links"},
    };
    for (const auto& [report, name] : reports)
        EXPECT_EQ(core::BuildStatisticsReport(course, report).name(), name);
    EXPECT_EQ(core::BuildHoleByHolePrintout(course).name(),
              "Tarnwick - Hole by Hole Statistics - Tarnwick Links");
}

} // namespace
