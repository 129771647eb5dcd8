#include "core/chart_model.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace core {
namespace {

// Far beyond any golf figure, and small enough that the axis arithmetic stays finite.
constexpr double LargestValue = 1e12;

double NumberOf(const ChartSetting& value) {
    double number = 0;
    if (const double* given = std::get_if<double>(&value))
        number = *given;
    else
        number = ReadNumber(std::get<std::string>(value));
    return std::isfinite(number) ? std::clamp(number, -LargestValue, LargestValue) : 0.0;
}

std::string TextOf(const ChartSetting& value) {
    if (const std::string* text = std::get_if<std::string>(&value))
        return *text;
    return PlainText(std::get<double>(value));
}

// Counts and indexes: clamped before rounding, so that a wild value cannot overflow.
int WholeSetting(const ChartSetting& value, int lowest, int highest) {
    double number = std::clamp(NumberOf(value), double(lowest), double(highest));
    return RoundToWhole(number);
}

void PutAt(std::vector<std::string>& texts, int point, std::string text) {
    if (int(texts.size()) < point)
        texts.resize(point);
    texts[point - 1] = std::move(text);
}

std::string TextAt(const std::vector<std::string>& texts, int point) {
    return point >= 1 && point <= int(texts.size()) ? texts[point - 1] : std::string();
}

// 1, 2 or 5 times a power of ten, the first at or above raw.
double NiceStep(double raw) {
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double fraction = raw / magnitude;
    double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return nice * magnitude;
}

} // namespace

ChartAction ChartModel::set(ChartProperty property, const ChartSetting& value) {
    switch (property) {
    case ChartProperty::AutoAdvance:
        autoAdvance_ = NumberOf(value) != 0;
        break;
    case ChartProperty::BottomTitle:
        bottomTitle_ = TextOf(value);
        break;
    case ChartProperty::ClearArrays:
        clear(WholeSetting(value, 0, 100));
        break;
    case ChartProperty::DrawAction: {
        int code = WholeSetting(value, 0, 100);
        if (code == int(ChartAction::Draw))
            return ChartAction::Draw;
        if (code == int(ChartAction::Copy))
            return ChartAction::Copy;
        break;
    }
    case ChartProperty::DataValue: {
        if (int(values_.size()) < currentSet_)
            values_.resize(currentSet_);
        std::vector<double>& set = values_[currentSet_ - 1];
        if (int(set.size()) < currentPoint_)
            set.resize(currentPoint_);
        set[currentPoint_ - 1] = NumberOf(value);
        if (autoAdvance_) {
            // Past the last point the next value starts the next set.
            if (pointCount_ > 0 && currentPoint_ >= pointCount_) {
                currentPoint_ = 1;
                currentSet_ = currentSet_ >= setCount_ ? 1 : currentSet_ + 1;
            } else if (currentPoint_ < MaxPoints) {
                ++currentPoint_;
            }
        }
        break;
    }
    case ChartProperty::ChartTitle:
        title_ = TextOf(value);
        break;
    case ChartProperty::ChartType: {
        int code = WholeSetting(value, 0, 100);
        for (ChartType known :
             {ChartType::Pie, ChartType::Pie3D, ChartType::Bar, ChartType::Bar3D, ChartType::Line})
            if (code == int(known))
                type_ = known;
        break;
    }
    case ChartProperty::PointLabel:
        PutAt(labels_, currentPoint_, TextOf(value));
        break;
    case ChartProperty::LegendText:
        PutAt(legends_, currentPoint_, TextOf(value));
        break;
    case ChartProperty::PointCount:
        pointCount_ = WholeSetting(value, 0, MaxPoints);
        break;
    case ChartProperty::SetCount:
        setCount_ = WholeSetting(value, 1, MaxSets);
        break;
    case ChartProperty::CurrentPoint:
        currentPoint_ = WholeSetting(value, 1, MaxPoints);
        break;
    case ChartProperty::CurrentSet:
        currentSet_ = WholeSetting(value, 1, MaxSets);
        break;
    case ChartProperty::AxisMinimum:
        axisMinimum_ = NumberOf(value);
        break;
    }
    return ChartAction::None;
}

void ChartModel::clear(int code) {
    bool everything = code == int(ChartClear::Everything);
    if (everything || code == int(ChartClear::Values)) {
        // No points until the count is given again: values given before it are kept
        // in order rather than wrapped round an old count.
        values_.clear();
        pointCount_ = 0;
        currentPoint_ = 1;
        currentSet_ = 1;
    }
    if (everything || code == int(ChartClear::Labels))
        labels_.clear();
    if (everything || code == int(ChartClear::Legends))
        legends_.clear();
}

double ChartModel::value(int set, int point) const {
    if (set < 1 || set > int(values_.size()))
        return 0;
    const std::vector<double>& values = values_[set - 1];
    return point >= 1 && point <= int(values.size()) ? values[point - 1] : 0;
}

std::vector<double> ChartModel::values(int set) const {
    std::vector<double> result;
    result.reserve(pointCount_);
    for (int point = 1; point <= pointCount_; ++point)
        result.push_back(value(set, point));
    return result;
}

std::string ChartModel::label(int point) const {
    return TextAt(labels_, point);
}

std::string ChartModel::legend(int point) const {
    return TextAt(legends_, point);
}

std::vector<std::string> ChartModel::labels() const {
    std::vector<std::string> result;
    for (int point = 1; point <= pointCount_; ++point)
        result.push_back(label(point));
    return result;
}

std::vector<std::string> ChartModel::legends() const {
    std::vector<std::string> result;
    for (int point = 1; point <= pointCount_; ++point)
        result.push_back(legend(point));
    return result;
}

ChartAction ApplyChartScript(ChartModel& model, const ChartScript& script) {
    ChartAction last = ChartAction::None;
    for (const ChartStep& step : script) {
        ChartAction action = model.set(step.property, step.value);
        if (action != ChartAction::None)
            last = action;
    }
    return last;
}

ChartAxis ScaleChartAxis(double lowest, double highest, std::optional<double> minimum,
                         std::optional<double> maximum) {
    if (!std::isfinite(lowest) || !std::isfinite(highest) || lowest > highest)
        lowest = highest = minimum.value_or(0);
    ChartAxis axis;
    axis.low = minimum.value_or(0);
    // Values under the minimum would vanish under the axis: start it at zero instead
    // (or below a negative value).
    if (lowest < axis.low)
        axis.low = std::min(0.0, lowest);
    double top = highest;
    if (maximum && *maximum > top)
        top = *maximum;
    if (!(top > axis.low))
        top = axis.low + 10;
    axis.step = NiceStep((top - axis.low) / 8);
    if (axis.low < 0 && lowest < 0)
        axis.low = std::floor(lowest / axis.step) * axis.step;
    if (maximum && highest <= *maximum && *maximum > axis.low) {
        axis.high = *maximum;
    } else {
        double ticks = std::ceil((top - axis.low) / axis.step);
        axis.high = axis.low + std::max(1.0, ticks) * axis.step;
    }
    return axis;
}

std::vector<PieSlice> PieSlices(const std::vector<double>& values) {
    double total = 0;
    for (double v : values)
        if (v > 0)
            total += v;
    std::vector<PieSlice> slices;
    if (!(total > 0))
        return slices;
    double start = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (!(values[i] > 0))
            continue;
        double span = values[i] / total;
        slices.push_back({int(i) + 1, start, span});
        start += span;
    }
    return slices;
}

std::vector<std::string> PieShareTexts(const std::vector<double>& values) {
    double total = 0;
    for (double v : values)
        if (v > 0)
            total += v;
    std::vector<std::string> texts(values.size());
    if (!(total > 0))
        return texts;
    for (size_t i = 0; i < values.size(); ++i)
        texts[i] = FormatNumber(std::max(0.0, values[i]) / total * 100, "#0.0\\%");
    return texts;
}

std::string PointCaption(const ChartModel& chart, int point) {
    if (std::string label = chart.label(point); !label.empty())
        return label;
    if (std::string legend = chart.legend(point); !legend.empty())
        return legend;
    return std::to_string(point);
}

bool ChartHasData(const ChartModel& chart) {
    return chart.pointCount() > 0;
}

} // namespace core
