#include "core/chart_model.h"
#include "core/chart_scripts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using core::ChartModel;
using core::ChartProperty;

void Values(ChartModel& chart, std::initializer_list<double> values) {
    for (double v : values)
        chart.set(ChartProperty::DataValue, v);
}

TEST(ChartModel, AutoAdvanceRunsOnIntoTheNextSetAfterTheLastPoint) {
    ChartModel chart;
    chart.set(ChartProperty::SetCount, 2);
    chart.set(ChartProperty::AutoAdvance, 1);
    chart.set(ChartProperty::PointCount, 3);
    Values(chart, {1, 2, 3});
    EXPECT_EQ(chart.currentPoint(), 1);
    EXPECT_EQ(chart.currentSet(), 2);
    Values(chart, {4, 5, 6});
    EXPECT_EQ(chart.values(1), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(chart.values(2), (std::vector<double>{4, 5, 6}));
    // Past the last set the values start over at the first.
    EXPECT_EQ(chart.currentSet(), 1);
    EXPECT_EQ(chart.currentPoint(), 1);
}

TEST(ChartModel, WithoutAutoAdvanceEachValueReplacesTheCurrentPoint) {
    ChartModel chart;
    chart.set(ChartProperty::PointCount, 3);
    chart.set(ChartProperty::CurrentPoint, 2);
    Values(chart, {7, 8});
    EXPECT_EQ(chart.values(1), (std::vector<double>{0, 8, 0}));
}

TEST(ChartModel, ValuesGivenBeforeTheCountAfterAClearAreKeptInOrder) {
    ChartModel chart;
    chart.set(ChartProperty::AutoAdvance, 1);
    chart.set(ChartProperty::PointCount, 4);
    Values(chart, {9, 9, 9, 9});
    chart.set(ChartProperty::ClearArrays, 3);
    EXPECT_EQ(chart.pointCount(), 0);
    Values(chart, {1, 2, 3, 4, 5, 6});
    chart.set(ChartProperty::PointCount, 6);
    EXPECT_EQ(chart.values(1), (std::vector<double>{1, 2, 3, 4, 5, 6}));
}

TEST(ChartModel, EachClearCodeEmptiesItsOwnArrays) {
    struct Case {
        int code;
        bool values, labels, legends;
    };
    const Case cases[] = {
        {3, true, false, false}, {4, false, true, false},  {5, false, false, true},
        {9, true, true, true},   {7, false, false, false},
    };
    for (const Case& c : cases) {
        ChartModel chart;
        chart.set(ChartProperty::ChartTitle, "Kept");
        chart.set(ChartProperty::AxisMinimum, 20);
        chart.set(ChartProperty::PointCount, 1);
        chart.set(ChartProperty::DataValue, 5);
        chart.set(ChartProperty::PointLabel, " 1");
        chart.set(ChartProperty::LegendText, "Pars");
        chart.set(ChartProperty::ClearArrays, c.code);
        EXPECT_EQ(chart.value(1, 1) == 0, c.values) << c.code;
        EXPECT_EQ(chart.label(1).empty(), c.labels) << c.code;
        EXPECT_EQ(chart.legend(1).empty(), c.legends) << c.code;
        EXPECT_EQ(chart.title(), "Kept") << c.code;
        EXPECT_EQ(chart.axisMinimum(), 20) << c.code;
    }
}

TEST(ChartModel, NumbersAndTextsConvertAndWildValuesAreHeldInRange) {
    ChartModel chart;
    chart.set(ChartProperty::PointCount, std::string("12"));
    EXPECT_EQ(chart.pointCount(), 12);
    chart.set(ChartProperty::PointLabel, 5.0);
    EXPECT_EQ(chart.label(1), "5");
    chart.set(ChartProperty::PointCount, 1e12);
    EXPECT_EQ(chart.pointCount(), ChartModel::MaxPoints);
    chart.set(ChartProperty::CurrentPoint, -4);
    EXPECT_EQ(chart.currentPoint(), 1);
    chart.set(ChartProperty::SetCount, 0);
    EXPECT_EQ(chart.setCount(), 1);
    chart.set(ChartProperty::DataValue, NAN);
    EXPECT_EQ(chart.value(1, 1), 0);
    chart.set(ChartProperty::DataValue, 1e300);
    core::ChartAxis axis = core::ScaleChartAxis(chart.value(1, 1), chart.value(1, 1), {}, {});
    EXPECT_TRUE(std::isfinite(axis.high) && (axis.high - axis.low) / axis.step < 20);
    chart.set(ChartProperty::ChartType, 5); // no such type: the chart stays as it is
    EXPECT_EQ(chart.type(), core::ChartType::Bar);
    chart.set(ChartProperty::ChartType, 2);
    EXPECT_TRUE(chart.isPie() && chart.isThreeD());
}

TEST(ChartModel, OnlyTheDrawActionsAreReported) {
    ChartModel chart;
    EXPECT_EQ(chart.set(ChartProperty::DrawAction, 3), core::ChartAction::Draw);
    EXPECT_EQ(chart.set(ChartProperty::DrawAction, 4), core::ChartAction::Copy);
    EXPECT_EQ(chart.set(ChartProperty::DrawAction, 0), core::ChartAction::None);
    EXPECT_EQ(chart.set(ChartProperty::ChartTitle, "x"), core::ChartAction::None);
}

TEST(ChartAxis, StartsAtTheMinimumAndEndsAtATickAboveTheValues) {
    struct Case {
        double lowest, highest;
        std::optional<double> minimum, maximum;
        double low, high, step;
    };
    const Case cases[] = {
        {3.2, 6.3, std::nullopt, std::nullopt, 0, 7, 1},    // hole averages
        {78, 95, 50, std::nullopt, 50, 100, 10},            // 18-hole scores
        {70, 101, 50, 130, 50, 130, 10},                    // the last games' fixed axis
        {82, 141, 50, 130, 50, 150, 20},                    // a score over the fixed top
        {30, 36, 20, std::nullopt, 20, 36, 2},              // putts
        {15, 18, 20, std::nullopt, 0, 20, 5},               // under the minimum: from zero
        {-3, 4, std::nullopt, std::nullopt, -3, 4, 1},      // negative values
        {INFINITY, -INFINITY, 50, std::nullopt, 50, 60, 2}, // no values at all
    };
    for (const Case& c : cases) {
        core::ChartAxis axis = core::ScaleChartAxis(c.lowest, c.highest, c.minimum, c.maximum);
        EXPECT_DOUBLE_EQ(axis.low, c.low) << c.lowest << ".." << c.highest;
        EXPECT_DOUBLE_EQ(axis.high, c.high) << c.lowest << ".." << c.highest;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.lowest << ".." << c.highest;
        EXPECT_LE(axis.low, c.lowest == INFINITY ? axis.low : c.lowest);
        EXPECT_GE(axis.high, c.highest);
    }
}

TEST(PieSlices, ShareTheTurnByValueAndSkipEmptyPoints) {
    std::vector<core::PieSlice> slices = core::PieSlices({50, 0, 30, -5, 20});
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].point, 1);
    EXPECT_EQ(slices[1].point, 3);
    EXPECT_EQ(slices[2].point, 5);
    EXPECT_DOUBLE_EQ(slices[0].span, 0.5);
    EXPECT_DOUBLE_EQ(slices[1].start, 0.5);
    EXPECT_DOUBLE_EQ(slices[1].span, 0.3);
    EXPECT_DOUBLE_EQ(slices[2].start + slices[2].span, 1.0);
    EXPECT_TRUE(core::PieSlices({0, 0}).empty());
}

} // namespace

TEST(PieShareTexts, EveryShareHasOneDecimal) {
    EXPECT_EQ(core::PieShareTexts({28, 70.1, 1.9}),
              (std::vector<std::string>{"28.0%", "70.1%", "1.9%"}));
    EXPECT_EQ(core::PieShareTexts({0, -3, 1}),
              (std::vector<std::string>{"0.0%", "0.0%", "100.0%"}));
    EXPECT_EQ(core::PieShareTexts({0, 0}), (std::vector<std::string>{"", ""}));
}

TEST(PointCaption, APieRedrawnAsBarsKeepsItsCategoryNames) {
    core::CourseState course;
    course.GamesRecorded = 10;
    course.ParsTotal = 90;
    course.BogeysTotal = 60;
    course.BirdiesTotal = 20;
    core::ChartModel chart;
    for (const core::ChartStep& step :
         core::DistributionPieScript(course, core::DistributionPie::HoleScores, true))
        chart.set(step.property, step.value);
    for (const core::ChartStep& step : core::ChartTypeScript(core::ChartType::Bar3D))
        chart.set(step.property, step.value);
    ASSERT_GT(chart.pointCount(), 1);
    for (int k = 1; k <= chart.pointCount(); ++k) {
        ASSERT_FALSE(chart.legend(k).empty()) << k;
        EXPECT_EQ(core::PointCaption(chart, k), chart.legend(k)) << k;
    }

    core::ChartModel labelled;
    labelled.set(core::ChartProperty::PointCount, 2);
    labelled.set(core::ChartProperty::PointLabel, "Hole 1");
    labelled.set(core::ChartProperty::LegendText, "ignored under a bar");
    EXPECT_EQ(core::PointCaption(labelled, 1), "Hole 1");
    EXPECT_EQ(core::PointCaption(labelled, 2), "2");
}
