#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

// What a chart holds, and what each numbered setting does to it. The chart control
// draws from this; the windows only ever change it through set().
namespace core {

// The numbered settings the windows drive the chart with.
enum class ChartProperty {
    AutoAdvance = 1,   // 1: after each data value the current point moves on
    BottomTitle = 3,   // title under the horizontal axis
    ClearArrays = 6,   // ChartClear code
    DrawAction = 7,    // ChartAction code
    DataValue = 16,    // value of the current point in the current set
    ChartTitle = 18,   // title above the chart
    ChartType = 19,    // ChartType code
    PointLabel = 25,   // label of the current point, under its bar
    LegendText = 28,   // legend text of the current point
    PointCount = 30,   // number of points
    SetCount = 31,     // number of data sets
    CurrentPoint = 42, // 1-based
    CurrentSet = 43,   // 1-based
    AxisMinimum = 48,  // lowest value of the vertical axis
};

enum class ChartType { Pie = 1, Pie3D = 2, Bar = 3, Bar3D = 4, Line = 6 };

// Codes of ClearArrays.
enum class ChartClear { Values = 3, Labels = 4, Legends = 5, Everything = 9 };

// Codes of DrawAction.
enum class ChartAction { None = 0, Draw = 3, Copy = 4 };

// A setting's value: numbers for the numeric settings, texts for titles, labels and legends.
// Either kind is converted when given to the other kind of setting.
using ChartSetting = std::variant<double, std::string>;

struct ChartStep {
    ChartProperty property = ChartProperty::DrawAction;
    ChartSetting value;
};
using ChartScript = std::vector<ChartStep>;

class ChartModel {
public:
    static constexpr int MaxPoints = 1000;
    static constexpr int MaxSets = 8;

    // Applies one setting. Returns the drawing action it asks for (DrawAction only);
    // the model itself does not change for an action.
    ChartAction set(ChartProperty property, const ChartSetting& value);
    template <typename Number>
    requires std::is_arithmetic_v<Number> ChartAction set(ChartProperty property, Number value) {
        return set(property, ChartSetting(double(value)));
    }

    ChartType type() const { return type_; }
    bool isPie() const { return type_ == ChartType::Pie || type_ == ChartType::Pie3D; }
    bool isThreeD() const { return type_ == ChartType::Pie3D || type_ == ChartType::Bar3D; }
    int pointCount() const { return pointCount_; }
    int setCount() const { return setCount_; }
    int currentPoint() const { return currentPoint_; }
    int currentSet() const { return currentSet_; }
    bool autoAdvance() const { return autoAdvance_; }
    const std::string& title() const { return title_; }
    const std::string& bottomTitle() const { return bottomTitle_; }
    std::optional<double> axisMinimum() const { return axisMinimum_; }
    std::optional<double> axisMaximum() const { return axisMaximum_; }

    // Values of points 1..pointCount() of a set (1-based); a point never given is 0.
    std::vector<double> values(int set) const;
    double value(int set, int point) const;
    // Label and legend of a point (1-based); empty when never given.
    std::string label(int point) const;
    std::string legend(int point) const;
    // Labels and legends of points 1..pointCount().
    std::vector<std::string> labels() const;
    std::vector<std::string> legends() const;

    // A fixed top of the vertical axis; not one of the numbered settings.
    void setAxisMaximum(std::optional<double> maximum) { axisMaximum_ = maximum; }

    friend bool operator==(const ChartModel&, const ChartModel&) = default;

private:
    void clear(int code);

    ChartType type_ = ChartType::Bar;
    int pointCount_ = 0;
    int setCount_ = 1;
    int currentPoint_ = 1;
    int currentSet_ = 1;
    bool autoAdvance_ = false;
    std::string title_;
    std::string bottomTitle_;
    std::optional<double> axisMinimum_;
    std::optional<double> axisMaximum_;
    // Indexed [set - 1][point - 1]; they grow as values are given.
    std::vector<std::vector<double>> values_;
    std::vector<std::string> labels_;
    std::vector<std::string> legends_;
};

// Applies every step in order; returns the last drawing action asked for.
ChartAction ApplyChartScript(ChartModel& model, const ChartScript& script);

// The vertical axis: from low to high in ticks of step.
struct ChartAxis {
    double low = 0;
    double high = 0;
    double step = 1;
};

// Scales the vertical axis for values between lowest and highest. The axis starts at the
// given minimum (0 without one) and ends at the given maximum or at the first tick above
// the highest value. A value below the minimum, or above the maximum, widens the axis to
// a tick beyond it, so that no value is drawn off the chart.
ChartAxis ScaleChartAxis(double lowest, double highest, std::optional<double> minimum,
                         std::optional<double> maximum);

// One slice of a pie: where it starts and how much of the circle it takes, as fractions
// of the whole turn, clockwise from the top.
struct PieSlice {
    int point = 0; // 1-based
    double start = 0;
    double span = 0;
};

// The slices of the positive values, in point order; zero and negative values get none.
std::vector<PieSlice> PieSlices(const std::vector<double>& values);

// Each value's share of the positive total, all with one decimal ("28.0%", "1.9%");
// empty texts when nothing is positive.
std::vector<std::string> PieShareTexts(const std::vector<double>& values);

// What stands under a point's bar: its label, else its legend (a pie's categories drawn
// as bars), else its number.
std::string PointCaption(const ChartModel& chart, int point);

// Whether a drawn chart has anything to show: at least one point.
bool ChartHasData(const ChartModel& chart);

} // namespace core
