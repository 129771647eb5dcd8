#include "core/handicap_engine.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace core {
namespace {

constexpr int StoredSlots = 20;

double CutPlainText(const std::string& text, double value) {
    // Below 0.0001 the plain text turns to the exponent form; the cut toward zero of
    // such a value is 0, not the leading digits of its mantissa.
    if (text.find('E') != std::string::npos && std::fabs(value) < 1)
        return 0;
    return ReadNumber(std::string_view(text).substr(0, 4));
}

void SwapRows(HandicapState& h, int a, int b) {
    std::swap(h.LastScoreDate[a], h.LastScoreDate[b]);
    std::swap(h.LastAdjustedScore[a], h.LastAdjustedScore[b]);
    std::swap(h.PreSlopeDifferential[a], h.PreSlopeDifferential[b]);
    std::swap(h.SlopeDifferential[a], h.SlopeDifferential[b]);
    std::swap(h.TournamentDifferential[a], h.TournamentDifferential[b]);
    std::swap(h.CountingMark[a], h.CountingMark[b]);
    std::swap(h.SpareMark[a], h.SpareMark[b]);
}

// Newest first. The new round goes in front of rounds of its own day; rounds already
// stored keep their order among themselves, so two rounds of one day do not change
// places every time a round is added.
void SortRowsByDate(HandicapState& h, int newRow) {
    for (int i = 2; i <= HandicapSlots; ++i) {
        for (int j = i - 1; j >= 1; --j) {
            double left = h.LastScoreDate[j];
            double right = h.LastScoreDate[j + 1];
            bool newRoundOnItsDay = left == right && j + 1 == newRow && right > 0;
            if (!(left < right || newRoundOnItsDay))
                break;
            SwapRows(h, j, j + 1);
            if (newRow == j + 1)
                newRow = j;
            else if (newRow == j)
                newRow = j + 1;
        }
    }
}

// The k lowest of the first m values, lowest first.
template <typename Array> std::array<float, StoredSlots> Lowest(const Array& values, int m, int k) {
    std::array<float, StoredSlots> sorted{};
    for (int i = 1; i <= m; ++i)
        sorted[i - 1] = values[i];
    std::partial_sort(sorted.begin(), sorted.begin() + k, sorted.begin() + m);
    return sorted;
}

float SumOfFirst(const std::array<float, StoredSlots>& values, int k) {
    float sum = 0;
    for (int i = 0; i < k; ++i)
        sum += values[i];
    return sum;
}

constexpr std::array<PreSlopeRow, PreSlopeRowCount> PreSlopeRows = {{
    {-15.8, -5.2, PlusOneCode},
    {-5.2, 5.3, 0},
    {5.3, 15.7, 1},
    {15.7, 26.1, 2},
    {26.1, 36.5, 3},
    {36.5, 46.9, 4},
    {46.9, 57.3, 5},
    {57.3, 67.8, 6},
    {67.8, 78.2, 7},
    {78.2, 88.6, 8},
    {88.6, 99, 9},
    {99, 109.4, 10},
    {109.4, 119.8, 11},
    {119.8, 130.3, 12},
    {130.3, 140.7, 13},
    {140.7, 151.1, 14},
    {151.1, 161.5, 15},
    {161.5, 171.9, 16},
    {171.9, 182.3, 17},
    {182.3, 192.8, 18},
    {192.8, 203.2, 19},
    {203.2, 213.6, 20},
    {213.6, 224, 21},
    {224, 234.4, 22},
    {234.4, 244.8, 23},
    {244.8, 255.3, 24},
    {255.3, 265.7, 25},
    {265.7, 276.1, 26},
    {276.1, 286.5, 27},
    {286.5, 296.9, 28},
    {296.9, 307.3, 29},
    {307.3, 317.8, 30},
    {317.8, 328.2, 31},
    {328.2, 338.6, 32},
    {338.6, 349, 33},
    {349, 359.4, 34},
    {359.4, 369.8, 35},
    {369.8, 380.3, 36},
    {380.3, 390.7, 37},
    {390.7, 401.1, 38},
    {401.1, 411.5, 39},
    {411.5, std::numeric_limits<double>::infinity(), 40},
}};

} // namespace

float TruncateToFourCharacters(float value) {
    return static_cast<float>(CutPlainText(PlainText(value), value));
}

double TruncateToFourCharacters(double value) {
    return CutPlainText(PlainText(value), value);
}

int CountingNumber(int storedRounds) {
    static constexpr std::array<int, StoredSlots + 1> Counting = {0, 0, 0, 0, 0, 1, 2, 2, 3, 3, 4,
                                                                  4, 5, 5, 6, 6, 7, 7, 8, 9, 10};
    if (storedRounds <= 0)
        return 0;
    return Counting[std::min(storedRounds, StoredSlots)];
}

const std::array<PreSlopeRow, PreSlopeRowCount>& PreSlopeTable() {
    return PreSlopeRows;
}

std::optional<int> PreSlopeHandicapFor(double x) {
    for (const PreSlopeRow& row : PreSlopeRows)
        if (x >= row.from && x < row.below)
            return row.handicap;
    return std::nullopt;
}

double TournamentAllowance(int c) {
    if (c < 2)
        return 0;
    if (c == 2)
        return 3.0;
    if (c == 3)
        return 3.5;
    if (c == 4)
        return 4.0;
    if (c == 5)
        return 4.3;
    if (c <= 9)
        return 4.5;
    if (c <= 19)
        return 5.0;
    if (c <= 29)
        return 5.5;
    if (c <= 39)
        return 6.0;
    return 6.5;
}

void ApplyTournamentReduction(HandicapState& h) {
    std::array<float, StoredSlots + 1> work{}; // 1-based, as the rows
    for (int i = 1; i <= StoredSlots; ++i)
        work[i] = h.TournamentDifferential[i];
    for (int i = 2; i <= StoredSlots; ++i)
        for (int j = i - 1; j >= 1 && work[j] > work[j + 1]; --j)
            std::swap(work[j], work[j + 1]);

    int c = 0;
    for (int i = 1; i <= StoredSlots; ++i)
        if (work[i] > 0)
            ++c;
    if (c < 2)
        return;
    const double allowance = TournamentAllowance(c);
    float d = c == 2 ? h.HandicapIndex - work[20] : h.HandicapIndex - work[19];
    if (d < 3)
        return;
    // In double precision, so that 4.06 + 4.3 is stored as 8.36 and not 8.360001.
    const double candidate = (static_cast<double>(work[19]) + work[20]) / 2.0 + allowance;
    if (candidate > 0 && candidate <= h.HandicapIndex - 1.0)
        h.HandicapIndex = static_cast<float>(candidate);
}

CountingResult AddRound(HandicapState& h, const HandicapRound& round) {
    // A count read from a damaged file must not point outside the rows.
    h.RoundCount = h.RoundCount >= HandicapSlots ? HandicapSlots : std::max(h.RoundCount + 1, 1);
    const int n = h.RoundCount;

    const float score = round.adjustedScore;
    const float rating = round.courseRating;
    const float slope = round.slopeRating;
    const float difference = score - rating;
    const float product = difference * 113.0f;
    const float slopeDifferential = TruncateToFourCharacters(product / slope);
    h.PreSlopeDifferential[n] = difference;
    h.SlopeDifferential[n] = slopeDifferential;
    h.LastScoreDate[n] = round.date;
    h.LastAdjustedScore[n] = RoundToWhole(score);
    h.CountingMark[n] = 0;
    h.SpareMark[n] = 0;
    if (!round.tournament) {
        h.TournamentDifferential[n] = 0;
    } else if (round.grossScore) {
        double grossDifference = *round.grossScore - static_cast<double>(rating);
        double grossProduct = grossDifference * 113.0;
        h.TournamentDifferential[n] =
            static_cast<float>(TruncateToFourCharacters(grossProduct / static_cast<double>(slope)));
    } else {
        h.TournamentDifferential[n] = slopeDifferential;
    }

    SortRowsByDate(h, n);

    const int m = std::min(n, StoredSlots);
    const int k = CountingNumber(n);
    for (int i = 1; i <= StoredSlots; ++i)
        h.SpareMark[i] = 0;
    float x = 0;
    if (n >= 5) {
        float sum = SumOfFirst(Lowest(h.PreSlopeDifferential, m, k), k);
        x = sum * 10.0f / static_cast<float>(k);
    }
    if (std::optional<int> preSlope = PreSlopeHandicapFor(x))
        h.PreSlopeHandicap = *preSlope;

    for (int i = 1; i <= StoredSlots; ++i)
        h.CountingMark[i] = 0;
    CountingResult result;
    if (n < 5) {
        h.HandicapIndex = 0;
    } else {
        std::array<float, StoredSlots> lowest = Lowest(h.SlopeDifferential, m, k);
        float average = SumOfFirst(lowest, k) / static_cast<float>(k);
        double index = static_cast<double>(average) * 0.96;
        h.HandicapIndex = static_cast<float>(ReadNumber(FormatNumber(index, "#0.0")));
        result = {k, lowest[k - 1]};
    }

    if (round.tournament)
        ApplyTournamentReduction(h);
    h.CountingMark[1] = result.highest;
    return result;
}

} // namespace core
