#include "core/course_file.h"

#include "core/atomic_file.h"
#include "core/record_encoding.h"

#include <utility>

namespace core {
namespace {

constexpr int ReservedFirst[10] = {88, 88, 88, 88, 88, 55, 55, 55, 55, 55};
constexpr int ReservedSecond[10] = {77, 77, 77, 77, 77, 44, 44, 44, 44, 44};
constexpr int ReservedSecondEdited[10] = {77, 77, 77, 77, 77, 33, 33, 33, 33, 33};

template <typename Array>
void WriteRange(RecordWriter& w, const Array& values, int first, int last) {
    for (int i = first; i <= last; ++i)
        w.number(values[i]);
    w.endLine();
}

void WriteCourse(RecordWriter& w, const CourseState& c) {
    w.date(c.FirstDate).number(c.LastDate).endLine();
    w.text(c.PlayerName).text(c.CourseName).text(c.TeeName);
    w.number(c.CourseRating).number(c.CourseSlope).number(c.FairwaysPerRound).endLine();
    for (int h = 1; h <= HoleCount; ++h)
        w.number(c.HolePar[h]).number(c.HoleHandicap[h]).number(c.HoleYards[h]).endLine();
}

void WriteStatistics(RecordWriter& w, const CourseState& c) {
    w.number(c.GamesRecorded).endLine();
    w.number(c.FrontStrokesTotal).number(c.BackStrokesTotal).number(c.RoundStrokesTotal).endLine();
    w.number(c.BestRound).number(c.BestFront).number(c.BestBack).endLine();
    w.number(c.RoundsUnder100).number(c.RoundsUnder90).number(c.RoundsUnder80);
    w.number(c.RoundsUnder70).endLine();
    for (int first = 1; first <= HoleCount; first += 6)
        WriteRange(w, c.HoleStrokes, first, first + 5);
    for (int first = 1; first <= HoleCount; first += 6) {
        for (int h = first; h < first + 6; ++h)
            w.number(c.HoleResults[h][0]);
        w.endLine();
    }
    for (int h = 1; h <= HoleCount; h += 2) {
        for (int hole : {h, h + 1})
            for (int k = 1; k <= 4; ++k)
                w.number(c.HoleResults[hole][k]);
        w.endLine();
    }
    w.number(c.FrontUnder40).number(c.BackUnder40).endLine();
    w.number(c.FrontPuttsTotal).number(c.BackPuttsTotal).number(c.RoundPuttsTotal).endLine();
    w.number(c.LowFrontPutts).number(c.LowBackPutts).number(c.LowRoundPutts).endLine();
    for (int value : c.ParHolesPlayed)
        w.number(value);
    for (int value : c.ParStrokesTotal)
        w.number(value);
    w.endLine();
    w.number(c.OnePuttTotal).number(c.TwoPuttTotal).number(c.ThreePuttTotal).number(c.ChipInTotal);
    w.number(c.SandSaveTotal).number(c.GreensInRegulationTotal).number(c.GreensInRegulationPutts);
    w.number(c.FairwaysHitTotal).endLine();
    w.number(c.ParsTotal).number(c.BogeysTotal).number(c.BirdiesTotal).number(c.EaglesTotal);
    w.number(c.DoubleEaglesTotal).number(c.OthersTotal).number(c.PenaltyTotal).endLine();
    WriteRange(w, c.LengthClassHoles, 0, LengthClassCount - 1);
    WriteRange(w, c.LengthClassStrokes, 0, LengthClassCount - 1);
    w.number(c.HighestRound).number(c.MostSubParHoles).number(c.MostPars);
    w.number(c.MostOverParHoles).endLine();
}

void WriteReserved(RecordWriter& w, const int (&first)[10], const int (&second)[10]) {
    for (int v : first)
        w.number(v);
    w.endLine();
    for (int v : second)
        w.number(v);
    w.endLine();
}

void WriteRecent(RecordWriter& w, const CourseState& c) {
    w.number(c.RecentCount).endLine();
    for (const auto* recent :
         {&c.RecentRoundScore, &c.RecentFrontScore, &c.RecentBackScore, &c.RecentRoundPutts,
          &c.RecentFrontPutts, &c.RecentBackPutts, &c.RecentFairways, &c.RecentGreens}) {
        WriteRange(w, *recent, 1, 10);
        WriteRange(w, *recent, 11, 20);
    }
    w.number(c.BunkerShotTotal).number(c.SandSaveAttempts).zeros(8).endLine();
    w.zeros(10).endLine();
}

template <typename Array>
void ReadRange(RecordReader& r, Array& values, int first, int last, const std::string& name) {
    for (int i = first; i <= last; ++i)
        values[i] = r.integer(name + "(" + std::to_string(i) + ")");
}

RecordWriter WrittenCourse(const CourseState& course, CourseFileKind kind) {
    RecordWriter w;
    CourseState blank;
    if (kind != CourseFileKind::Rewrite)
        blank = CourseWithoutStatistics(course);
    const CourseState& c = kind == CourseFileKind::Rewrite ? course : blank;
    WriteCourse(w, c);
    WriteStatistics(w, c);
    switch (kind) {
    case CourseFileKind::Rewrite:
        WriteReserved(w, ReservedFirst, ReservedSecond);
        break;
    case CourseFileKind::NewCourse:
        w.zeros(10).endLine().zeros(10).endLine();
        break;
    case CourseFileKind::EditedWithoutRounds:
        WriteReserved(w, ReservedFirst, ReservedSecondEdited);
        break;
    }
    WriteRecent(w, c);
    return w;
}

} // namespace

int LengthClassOf(int par, double yards) {
    switch (par) {
    case 3:
        return yards < 121 ? ShortPar3 : yards < 186 ? MediumPar3 : LongPar3;
    case 4:
        return yards < 351 ? ShortPar4 : yards < 411 ? MediumPar4 : LongPar4;
    case 5:
        return yards < 521 ? ShortPar5 : yards < 571 ? MediumPar5 : LongPar5;
    default:
        return -1;
    }
}

void ComputeLengthClasses(CourseState& course) {
    course.LengthClassHoles = {};
    int parThrees = 0;
    for (int h = 1; h <= HoleCount; ++h) {
        int lengthClass = LengthClassOf(course.HolePar[h], course.HoleYards[h]);
        if (lengthClass >= 0)
            ++course.LengthClassHoles[lengthClass];
        if (course.HolePar[h] == 3)
            ++parThrees;
    }
    course.FairwaysPerRound = HoleCount - parThrees;
}

CourseState CourseWithoutStatistics(const CourseState& c) {
    CourseState blank;
    blank.CourseFileName = c.CourseFileName;
    blank.FirstDate = c.FirstDate;
    blank.LastDate = c.LastDate;
    blank.PlayerName = c.PlayerName;
    blank.CourseName = c.CourseName;
    blank.TeeName = c.TeeName;
    blank.CourseRating = c.CourseRating;
    blank.CourseSlope = c.CourseSlope;
    blank.FairwaysPerRound = c.FairwaysPerRound;
    blank.HolePar = c.HolePar;
    blank.HoleHandicap = c.HoleHandicap;
    blank.HoleYards = c.HoleYards;
    blank.LengthClassHoles = c.LengthClassHoles;
    return blank;
}

std::string CourseFileText(const CourseState& course, CourseFileKind kind) {
    return WrittenCourse(course, kind).content();
}

FileResult ParseCourseFile(const std::string& content, const std::string& fileName,
                           CourseState& course) {
    RecordReader r(content, fileName);
    CourseState c;
    c.FirstDate = r.date("FirstDate");
    c.LastDate = r.number("LastDate");
    c.PlayerName = r.text("PlayerName");
    c.CourseName = r.text("CourseName");
    c.TeeName = r.text("TeeName");
    c.CourseRating = r.single("CourseRating");
    c.CourseSlope = r.single("CourseSlope");
    c.FairwaysPerRound = r.integer("FairwaysPerRound");
    for (int h = 1; h <= HoleCount; ++h) {
        std::string hole = std::string("(").append(std::to_string(h)).append(")");
        c.HolePar[h] = r.integer("HolePar" + hole);
        c.HoleHandicap[h] = r.integer("HoleHandicap" + hole);
        c.HoleYards[h] = r.number("HoleYards" + hole);
    }
    c.GamesRecorded = r.single("GamesRecorded");
    c.FrontStrokesTotal = r.integer("FrontStrokesTotal");
    c.BackStrokesTotal = r.integer("BackStrokesTotal");
    c.RoundStrokesTotal = r.integer("RoundStrokesTotal");
    c.BestRound = r.integer("BestRound");
    c.BestFront = r.integer("BestFront");
    c.BestBack = r.integer("BestBack");
    c.RoundsUnder100 = r.integer("RoundsUnder100");
    c.RoundsUnder90 = r.integer("RoundsUnder90");
    c.RoundsUnder80 = r.integer("RoundsUnder80");
    c.RoundsUnder70 = r.integer("RoundsUnder70");
    ReadRange(r, c.HoleStrokes, 1, HoleCount, "HoleStrokes");
    for (int h = 1; h <= HoleCount; ++h)
        c.HoleResults[h][0] = r.integer("HoleResults(" + std::to_string(h) + ",0)");
    for (int h = 1; h <= HoleCount; ++h)
        for (int k = 1; k <= 4; ++k)
            c.HoleResults[h][k] =
                r.integer("HoleResults(" + std::to_string(h) + "," + std::to_string(k) + ")");
    c.FrontUnder40 = r.integer("FrontUnder40");
    c.BackUnder40 = r.integer("BackUnder40");
    c.FrontPuttsTotal = r.integer("FrontPuttsTotal");
    c.BackPuttsTotal = r.integer("BackPuttsTotal");
    c.RoundPuttsTotal = r.integer("RoundPuttsTotal");
    c.LowFrontPutts = r.single("LowFrontPutts");
    c.LowBackPutts = r.single("LowBackPutts");
    c.LowRoundPutts = r.single("LowRoundPutts");
    ReadRange(r, c.ParHolesPlayed, 0, 2, "ParHolesPlayed");
    ReadRange(r, c.ParStrokesTotal, 0, 2, "ParStrokesTotal");
    c.OnePuttTotal = r.single("OnePuttTotal");
    c.TwoPuttTotal = r.single("TwoPuttTotal");
    c.ThreePuttTotal = r.single("ThreePuttTotal");
    c.ChipInTotal = r.single("ChipInTotal");
    c.SandSaveTotal = r.single("SandSaveTotal");
    c.GreensInRegulationTotal = r.single("GreensInRegulationTotal");
    c.GreensInRegulationPutts = r.single("GreensInRegulationPutts");
    c.FairwaysHitTotal = r.single("FairwaysHitTotal");
    c.ParsTotal = r.single("ParsTotal");
    c.BogeysTotal = r.single("BogeysTotal");
    c.BirdiesTotal = r.single("BirdiesTotal");
    c.EaglesTotal = r.single("EaglesTotal");
    c.DoubleEaglesTotal = r.single("DoubleEaglesTotal");
    c.OthersTotal = r.single("OthersTotal");
    c.PenaltyTotal = r.integer("PenaltyTotal");
    ReadRange(r, c.LengthClassHoles, 0, LengthClassCount - 1, "LengthClassHoles");
    ReadRange(r, c.LengthClassStrokes, 0, LengthClassCount - 1, "LengthClassStrokes");
    c.HighestRound = r.number("HighestRound");
    c.MostSubParHoles = r.number("MostSubParHoles");
    c.MostPars = r.number("MostPars");
    c.MostOverParHoles = r.integer("MostOverParHoles");

    // Older files end here or after the reserved block; what is absent stays zero.
    if (!r.failed() && !r.atEnd()) {
        for (int i = 1; i <= 20; ++i)
            r.number("reserved");
    }
    if (!r.failed() && !r.atEnd()) {
        c.RecentCount = r.number("RecentCount");
        ReadRange(r, c.RecentRoundScore, 1, 20, "RecentRoundScore");
        ReadRange(r, c.RecentFrontScore, 1, 20, "RecentFrontScore");
        ReadRange(r, c.RecentBackScore, 1, 20, "RecentBackScore");
        ReadRange(r, c.RecentRoundPutts, 1, 20, "RecentRoundPutts");
        ReadRange(r, c.RecentFrontPutts, 1, 20, "RecentFrontPutts");
        ReadRange(r, c.RecentBackPutts, 1, 20, "RecentBackPutts");
        ReadRange(r, c.RecentFairways, 1, 20, "RecentFairways");
        ReadRange(r, c.RecentGreens, 1, 20, "RecentGreens");
        c.BunkerShotTotal = r.number("BunkerShotTotal");
        c.SandSaveAttempts = r.integer("SandSaveAttempts");
    }
    if (r.failed())
        return FileResult::failure(r.error());
    c.CourseFileName = fileName;
    course = std::move(c);
    return FileResult::success();
}

FileResult LoadCourseFile(const std::string& path, CourseState& course, FileStamp* stamp) {
    std::string content;
    FileStamp read;
    if (FileResult result = ReadWholeFile(path, content, MaxDataFileSize, &read); !result)
        return result;
    FileResult parsed = ParseCourseFile(content, path, course);
    if (parsed && stamp)
        *stamp = read;
    return parsed;
}

FileResult CheckCourseCanBeWritten(const CourseState& course) {
    // A text the file cannot hold would make the whole file unreadable.
    const std::pair<const char*, const std::string*> texts[] = {
        {"player's name", &course.PlayerName},
        {"course name", &course.CourseName},
        {"tee name", &course.TeeName}};
    for (const auto& [what, text] : texts)
        if (!IsStorableText(*text))
            return FileResult::failure(course.CourseFileName + " could not be written: the " +
                                       what + " holds a double quote or a line break.");
    return FileResult::success();
}

FileResult WriteCourseFile(const CourseState& course, CourseFileKind kind, FileStamp* stamp) {
    if (FileResult refused = CheckCourseCanBeWritten(course); !refused)
        return refused;
    RecordWriter written = WrittenCourse(course, kind);
    if (!written.unreadableNumber().empty())
        return FileResult::failure(course.CourseFileName + " could not be written: " +
                                   written.unreadableNumber() +
                                   ", a number the file could not be read back with.");
    return WriteFileAtomically(course.CourseFileName, written.content(), stamp);
}

} // namespace core
