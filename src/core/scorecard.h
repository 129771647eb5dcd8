#pragma once

#include "core/course_state.h"
#include "core/print_document.h"
#include "core/round_folding.h"
#include "core/state.h"

// The one-page scorecard of a saved round.
namespace core {

// The scorecard of `round` on `course`, with the optional partner, weather and tournament
// sections that `info`'s flags ask for. When the course has no fairways to hit (only par
// 3s) the fairway percentage is left empty.
PrintDocument ScorecardDocument(const CourseState& course, const TypedRound& round,
                                const RoundFigures& figures, const ScorecardInfo& info);

// After a scorecard is printed the optional sections are off again until asked for.
void ResetScorecardFlags(ScorecardInfo& info);

} // namespace core
