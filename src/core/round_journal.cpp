#include "core/round_journal.h"

#include "core/atomic_file.h"
#include "core/number_text.h"
#include "core/record_encoding.h"
#include "core/round_csv.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <variant>

namespace core {
namespace {

constexpr std::string_view JournalTitle = "Tarnwick round journal";
constexpr int JournalVersion = 1;
constexpr int CourseFileLines = 69;

// Splits off the first `count` lines (each ended by CR LF) of `text`.
bool TakeLines(std::string_view& text, int count, std::string_view& taken) {
    size_t end = 0;
    for (int i = 0; i < count; ++i) {
        size_t lineEnd = text.find("\r\n", end);
        if (lineEnd == std::string_view::npos)
            return false;
        end = lineEnd + 2;
    }
    taken = text.substr(0, end);
    text.remove_prefix(end);
    return true;
}

FileResult Damaged(const std::string& fileName, std::string_view why) {
    return FileResult::failure(fileName + " is damaged: " + std::string(why) + ".");
}

// Identity and hole data are the course's own; what a round adds comes from the base.
CourseState WithCourseOf(const CourseState& base, const CourseState& course) {
    CourseState c = base;
    c.CourseFileName = course.CourseFileName;
    c.PlayerName = course.PlayerName;
    c.CourseName = course.CourseName;
    c.TeeName = course.TeeName;
    c.CourseRating = course.CourseRating;
    c.CourseSlope = course.CourseSlope;
    c.FairwaysPerRound = course.FairwaysPerRound;
    c.HolePar = course.HolePar;
    c.HoleHandicap = course.HoleHandicap;
    c.HoleYards = course.HoleYards;
    c.LengthClassHoles = course.LengthClassHoles;
    return c;
}

} // namespace

std::string RoundJournalPathFor(const std::string& coursePath) {
    return coursePath + ".rounds";
}

std::string CourseDigest(std::string_view courseText) {
    // 64-bit FNV-1a: enough to tell one version of a small file from another.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : courseText) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, hash);
    return text;
}

std::string RoundJournalText(const RoundJournal& journal) {
    RecordWriter header;
    header.text(JournalTitle).number(JournalVersion).endLine();
    header.text(journal.courseDigest).text(journal.previousDigest).endLine();
    std::string text = header.content();
    text += CourseFileText(journal.base, CourseFileKind::Rewrite);
    text += std::to_string(journal.rounds.size()) + "\r\n";
    for (const TypedRound& round : journal.rounds)
        text += RoundCsvRow(round) + "\r\n";
    return text;
}

FileResult ParseRoundJournal(std::string_view text, const std::string& fileName,
                             RoundJournal& journal) {
    std::string_view head;
    if (!TakeLines(text, 2, head))
        return Damaged(fileName, "it ends before its rounds");
    RecordReader reader(head, fileName);
    RoundJournal parsed;
    if (reader.text("title") != JournalTitle || reader.failed())
        return FileResult::failure(fileName + " is not a round journal.");
    if (reader.integer("version") != JournalVersion)
        return FileResult::failure(fileName + " was written by a newer version of Tarnwick.");
    parsed.courseDigest = reader.text("course digest");
    parsed.previousDigest = reader.text("previous digest");
    if (reader.failed())
        return FileResult::failure(reader.error());

    std::string_view baseText;
    if (!TakeLines(text, CourseFileLines, baseText))
        return Damaged(fileName, "it ends before its rounds");
    if (FileResult base = ParseCourseFile(std::string(baseText), fileName, parsed.base); !base)
        return base;

    std::string_view countLine;
    if (!TakeLines(text, 1, countLine))
        return Damaged(fileName, "the number of rounds is missing");
    countLine.remove_suffix(2);
    size_t count = 0;
    if (countLine.empty() || countLine.find_first_not_of("0123456789") != std::string_view::npos)
        return Damaged(fileName, "the number of rounds is missing");
    count = std::stoul(std::string(countLine));
    for (size_t i = 0; i < count; ++i) {
        std::string_view line;
        if (!TakeLines(text, 1, line))
            return Damaged(fileName, "it ends after " + std::to_string(i) + " of " +
                                         std::to_string(count) + " rounds");
        line.remove_suffix(2);
        auto row = ParseRoundCsvRow(line);
        if (auto* problem = std::get_if<std::string>(&row))
            return Damaged(fileName, "round " + std::to_string(i + 1) + ", " + *problem);
        parsed.rounds.push_back(std::get<TypedRound>(row));
    }
    if (!text.empty())
        return Damaged(fileName, "it goes on after its last round");
    journal = std::move(parsed);
    return FileResult::success();
}

FileResult RebuildCourse(const CourseState& course, const RoundJournal& journal,
                         CourseState& rebuilt) {
    CourseState c = WithCourseOf(journal.base, course);
    for (size_t i = 0; i < journal.rounds.size(); ++i) {
        SaveOutcome outcome = SaveRound(c, journal.rounds[i], [](int) { return true; });
        if (outcome.status != SaveStatus::Saved)
            return FileResult::failure("Round " + std::to_string(i + 1) +
                                       " of the journal has a hole without a score.");
    }
    rebuilt = std::move(c);
    return FileResult::success();
}

int RoundHistory::earlierRounds() const {
    if (status == HistoryStatus::NoJournal || status == HistoryStatus::Unreadable) {
        CourseState course;
        if (ParseCourseFile(courseText, coursePath, course))
            return RoundToWhole(course.GamesRecorded);
        return 0;
    }
    return RoundToWhole(journal.base.GamesRecorded);
}

RoundHistory LoadRoundHistory(const std::string& coursePath) {
    RoundHistory history;
    history.coursePath = coursePath;
    if (FileResult read = ReadWholeFile(coursePath, history.courseText); !read) {
        history.courseText.clear();
        history.status = HistoryStatus::Unreadable;
        history.problem = read.error;
        return history;
    }
    const std::string journalPath = RoundJournalPathFor(coursePath);
    std::error_code ignored;
    if (!std::filesystem::exists(journalPath, ignored))
        return history;
    if (FileResult read = ReadWholeFile(journalPath, history.journalText); !read) {
        history.status = HistoryStatus::Unreadable;
        history.problem = read.error;
        return history;
    }
    if (FileResult parsed = ParseRoundJournal(history.journalText, journalPath, history.journal);
        !parsed) {
        history.status = HistoryStatus::Unreadable;
        history.problem = parsed.error;
        return history;
    }
    const std::string digest = CourseDigest(history.courseText);
    if (digest == history.journal.courseDigest) {
        history.status = HistoryStatus::Matches;
    } else if (digest == history.journal.previousDigest) {
        history.status = HistoryStatus::Interrupted;
        history.problem = "The last change to these rounds was interrupted before the course "
                          "file was written.";
    } else {
        history.status = HistoryStatus::Disagrees;
        history.problem = "The course file has been changed outside this history (edited "
                          "elsewhere or restored from a copy).";
    }
    return history;
}

FileResult CommitCourseAndJournal(const CourseState& course, RoundJournal journal,
                                  const RoundHistory& onDisk, CourseFileKind kind) {
    journal.previousDigest = CourseDigest(onDisk.courseText);
    journal.courseDigest = CourseDigest(CourseFileText(course, kind));
    const std::string journalPath = RoundJournalPathFor(course.CourseFileName);
    if (FileResult written = WriteFileAtomically(journalPath, RoundJournalText(journal)); !written)
        return written;
    FileResult written = WriteCourseFile(course, kind);
    if (!written) {
        // Nothing changed after all: the journal goes back to what it was.
        if (onDisk.journalText.empty()) {
            std::error_code ignored;
            std::filesystem::remove(journalPath, ignored);
        } else {
            WriteFileAtomically(journalPath, onDisk.journalText);
        }
    }
    return written;
}

} // namespace core
