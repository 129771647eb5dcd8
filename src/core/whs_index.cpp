#include "core/whs_index.h"

#include "core/slope.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace core {

// The standard slope in tenths, as every slope here is held.
constexpr long long StandardSlopeTenths = 10LL * StandardSlope;

long long RoundHalfAwayFromZero(long long numerator, long long denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long magnitude = (2 * std::llabs(numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

int ToTenths(double value) {
    // Ratings arrive as singles (72.3f is 72.2999...); their tenth is the nearest one.
    return static_cast<int>(std::lround(value * 10.0));
}

int ScoreDifferentialTenths(int adjustedGross, int ratingTenths, int slopeTenths) {
    if (slopeTenths <= 0)
        return 0;
    return static_cast<int>(
        RoundHalfAwayFromZero(StandardSlopeTenths * (10LL * adjustedGross - ratingTenths),
                              static_cast<long long>(slopeTenths)));
}

std::optional<WhsCountingRule> WhsCountingRuleFor(int differentials) {
    int n = std::min(differentials, 20);
    if (n < 3)
        return std::nullopt;
    switch (n) {
    case 3:
        return WhsCountingRule{1, -20};
    case 4:
        return WhsCountingRule{1, -10};
    case 5:
        return WhsCountingRule{1, 0};
    case 6:
        return WhsCountingRule{2, -10};
    case 7:
    case 8:
        return WhsCountingRule{2, 0};
    case 9:
    case 10:
    case 11:
        return WhsCountingRule{3, 0};
    case 12:
    case 13:
    case 14:
        return WhsCountingRule{4, 0};
    case 15:
    case 16:
        return WhsCountingRule{5, 0};
    case 17:
    case 18:
        return WhsCountingRule{6, 0};
    case 19:
        return WhsCountingRule{7, 0};
    default:
        return WhsCountingRule{8, 0};
    }
}

CappedIndex ApplyWhsCaps(int averageTenths, int lowIndexTenths) {
    CappedIndex capped{averageTenths, false, false};
    int excess = averageTenths - lowIndexTenths - 30;
    if (excess > 0) {
        // Half of the excess, kept exact in twentieths before the rounding.
        capped.indexTenths =
            static_cast<int>(RoundHalfAwayFromZero(2LL * averageTenths - excess, 2));
        capped.softCap = true;
    }
    if (capped.indexTenths > lowIndexTenths + 50) {
        capped.indexTenths = lowIndexTenths + 50;
        capped.hardCap = true;
    }
    return capped;
}

namespace {

struct IndexOfWindow {
    std::optional<int> index;
    std::vector<bool> counting; // for the window's rounds, oldest first
};

// The index from the rounds first..last (at most 20), each lowered by the reductions
// of the exceptional scores at or after it within the window.
IndexOfWindow IndexFromWindow(const std::vector<WhsRoundResult>& rounds, size_t first,
                              size_t last) {
    IndexOfWindow result;
    size_t count = last - first + 1;
    result.counting.assign(count, false);
    std::optional<WhsCountingRule> rule = WhsCountingRuleFor(static_cast<int>(count));
    if (!rule)
        return result;
    std::vector<int> adjusted(count);
    int reductionsAfter = 0;
    for (size_t i = count; i-- > 0;) {
        reductionsAfter += rounds[first + i].reductionTenths;
        adjusted[i] = rounds[first + i].differentialTenths - reductionsAfter;
    }
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return adjusted[a] < adjusted[b]; });
    long long sum = 0;
    for (int i = 0; i < rule->used; ++i) {
        sum += adjusted[order[i]];
        result.counting[order[i]] = true;
    }
    result.index = static_cast<int>(RoundHalfAwayFromZero(
        sum + static_cast<long long>(rule->adjustmentTenths) * rule->used, rule->used));
    return result;
}

} // namespace

WhsHistory ComputeWhsHistory(const std::vector<WhsRound>& roundsAsSaved) {
    std::vector<size_t> order(roundsAsSaved.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return roundsAsSaved[a].date < roundsAsSaved[b].date;
    });

    WhsHistory history;
    std::vector<WhsRoundResult>& rounds = history.rounds;
    IndexOfWindow lastWindow;
    for (size_t k = 0; k < order.size(); ++k) {
        const WhsRound& played = roundsAsSaved[order[k]];
        WhsRoundResult r;
        r.savedPosition = order[k];
        r.date = played.date;
        r.differentialTenths =
            ScoreDifferentialTenths(played.adjustedGross, played.ratingTenths, played.slopeTenths);
        // The index in force: the one after the last round of an earlier day.
        for (size_t j = k; j-- > 0;)
            if (rounds[j].date < played.date) {
                r.indexBefore = rounds[j].indexTenths;
                break;
            }
        if (r.indexBefore) {
            int below = *r.indexBefore - r.differentialTenths;
            r.reductionTenths = below >= 100 ? 20 : below >= 70 ? 10 : 0;
        }
        rounds.push_back(r);

        size_t first = k >= 19 ? k - 19 : 0;
        lastWindow = IndexFromWindow(rounds, first, k);
        WhsRoundResult& now = rounds.back();
        now.indexTenths = lastWindow.index;
        if (now.indexTenths && k + 1 >= 20) {
            for (size_t j = 0; j < k; ++j)
                if (rounds[j].date >= played.date - 365 && rounds[j].date < played.date &&
                    rounds[j].indexTenths &&
                    (!now.lowIndexTenths || *rounds[j].indexTenths < *now.lowIndexTenths))
                    now.lowIndexTenths = rounds[j].indexTenths;
            if (now.lowIndexTenths) {
                CappedIndex capped = ApplyWhsCaps(*now.indexTenths, *now.lowIndexTenths);
                now.indexTenths = capped.indexTenths;
                now.softCap = capped.softCap;
                now.hardCap = capped.hardCap;
            }
        }
        if (now.indexTenths)
            now.indexTenths = std::min(*now.indexTenths, WhsIndexLimitTenths);
    }

    if (rounds.empty())
        return history;
    const WhsRoundResult& newest = rounds.back();
    history.indexTenths = newest.indexTenths;
    history.lowIndexTenths = newest.lowIndexTenths;
    history.softCap = newest.softCap;
    history.hardCap = newest.hardCap;
    size_t first = rounds.size() >= 20 ? rounds.size() - 20 : 0;
    for (size_t i = rounds.size(); i-- > first;) {
        history.recent.push_back(i);
        history.counting.push_back(lastWindow.counting[i - first]);
        history.reductionTenths += rounds[i].reductionTenths;
    }
    return history;
}

int WhsCourseHandicap(int indexTenths, int slopeTenths, int ratingTenths, int par) {
    // index/10 x (slope/10) / 113 + (rating/10 - par), over a common denominator.
    long long numerator = static_cast<long long>(indexTenths) * slopeTenths +
                          StandardSlopeTenths * (ratingTenths - 10LL * par);
    return static_cast<int>(RoundHalfAwayFromZero(numerator, 10 * StandardSlopeTenths));
}

int StrokesReceived(int courseHandicap, int strokeIndex) {
    // A hole whose stroke index is not set (0) or out of range gets only the strokes
    // every hole gets; counting it as index 0 would hand a scratch player a stroke there.
    if (strokeIndex < 1 || strokeIndex > 18)
        return courseHandicap / 18;
    if (courseHandicap >= 0)
        return courseHandicap / 18 + (strokeIndex <= courseHandicap % 18 ? 1 : 0);
    int plus = -courseHandicap;
    return -(plus / 18 + (strokeIndex > 18 - plus % 18 ? 1 : 0));
}

int NetDoubleBogeyScore(const std::array<int, 18>& strokes, const std::array<int, 18>& pars,
                        const std::array<int, 18>& strokeIndexes,
                        std::optional<int> courseHandicap) {
    int total = 0;
    for (size_t hole = 0; hole < 18; ++hole) {
        int most = courseHandicap
                       ? pars[hole] + 2 + StrokesReceived(*courseHandicap, strokeIndexes[hole])
                       : pars[hole] + 5;
        total += std::min(strokes[hole], most);
    }
    return total;
}

std::string TenthsText(int tenths) {
    int magnitude = std::abs(tenths);
    std::string text = std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
    return tenths < 0 ? "-" + text : text;
}

std::string WhsIndexText(std::optional<int> indexTenths) {
    if (!indexTenths)
        return "NH";
    if (*indexTenths < 0)
        return std::string("+").append(TenthsText(-*indexTenths));
    return TenthsText(*indexTenths);
}

} // namespace core
