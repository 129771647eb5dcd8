#pragma once

#include "core/slope.h"
#include "core/state.h"

#include <optional>
#include <string>
#include <string_view>

// Reading and checking what is typed into the handicap window before a round is added.
namespace core {

// The date box: exactly ten characters "mm/dd/yyyy" (the separators are not looked
// at); any other length silently means today. A day beyond the end of its month runs
// on into the next one (02/31/1997 is 3 March 1997).
struct EntryDateReading {
    bool valid = false;
    double dayNumber = 0;
};
EntryDateReading ReadEntryDate(std::string_view text, double today);
std::string InvalidDateMessage(std::string_view boxText);
inline constexpr const char* InvalidDateTitle = "Invalid Date";

// The value the adjusted-score box stands for.
float EntryScoreValue(std::string_view text);
// The rating and slope boxes hold their value rounded to one decimal.
float EntryRatingValue(std::string_view text);

// The adjusted score as it is checked and stored: the fraction dropped, toward zero
// (85.7 -> 85).
float WholeScore(float score);
// A tournament round's gross score, the fraction dropped; nothing when the box is empty.
std::optional<double> GrossScoreValue(std::string_view text);

// The course-rating and slope defaults used when a box is left empty.
inline constexpr float DefaultCourseRating = 72.0f;
inline constexpr float DefaultSlopeRating = StandardSlope;
// An empty rating or slope box asks whether to go on with the defaults; going on puts
// the default in place of each empty box.
bool RatingsMissing(std::string_view ratingText, std::string_view slopeText);
void ApplyRatingDefaults(EntryState& entry, std::string_view ratingText,
                         std::string_view slopeText);
std::string MissingRatingQuestion();
inline constexpr const char* MissingRatingTitle = "Course or slope rating missing!";

// The first range check a round fails: score 1..199, rating strictly between 50 and
// 100, slope 80..150.
enum class EntryBox { Score, Rating, Slope, GrossScore };
struct EntryRefusal {
    EntryBox box;
    std::string message;
    std::string title;
};
std::optional<EntryRefusal> CheckRoundEntry(float score, float rating, float slope);

// A tournament round's gross score is not checked for golf, only refused when its
// differential could not be stored: beyond what the file's integer fields hold.
std::optional<EntryRefusal> CheckGrossScore(std::optional<double> grossScore);

} // namespace core
