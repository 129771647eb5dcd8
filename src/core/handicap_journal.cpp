#include "core/handicap_journal.h"

#include "core/atomic_file.h"
#include "core/handicap_file.h"
#include "core/handicap_rounds_csv.h"
#include "core/record_encoding.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace core {
namespace {

constexpr std::string_view FirstLine = "Tarnwick handicap journal,1";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string JournalPathFor(const std::string& handicapPath) {
    return handicapPath + ".journal";
}

std::string ContentDigest(const std::string& content) {
    // FNV-1a: it only has to tell the file we wrote from any other.
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : content) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string JournalText(const HandicapJournal& journal) {
    std::string text(FirstLine);
    text += "\nfile," + journal.fileDigest + "\nprevious," + journal.previousDigest + "\n";
    if (!journal.disagreement.empty())
        text += "disagrees," + journal.disagreement + "\n";
    size_t start = 0;
    while (start < journal.baseFile.size()) {
        size_t end = journal.baseFile.find("\r\n", start);
        if (end == std::string::npos)
            end = journal.baseFile.size();
        text += "base," + journal.baseFile.substr(start, end - start) + "\n";
        start = end + 2;
    }
    for (const JournalRound& round : journal.rounds)
        text += "round," + HandicapRoundRow(round) + "\n";
    return text;
}

std::optional<HandicapJournal> ParseJournal(const std::string& text, std::string& error) {
    HandicapJournal journal;
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        ++lineNumber;
        auto after = [&](std::string_view prefix) {
            return std::string(line.substr(prefix.size()));
        };
        if (lineNumber == 1) {
            if (line != FirstLine) {
                error = "it is not a handicap journal";
                return std::nullopt;
            }
        } else if (StartsWith(line, "file,")) {
            journal.fileDigest = after("file,");
        } else if (StartsWith(line, "previous,")) {
            journal.previousDigest = after("previous,");
        } else if (StartsWith(line, "disagrees,")) {
            journal.disagreement = after("disagrees,");
        } else if (StartsWith(line, "base,")) {
            journal.baseFile += after("base,") + "\r\n";
        } else if (StartsWith(line, "round,")) {
            auto round = ParseHandicapRoundRow(line.substr(6));
            if (const RoundRowError* bad = std::get_if<RoundRowError>(&round)) {
                error = "line " + std::to_string(lineNumber) + ": " + bad->message;
                return std::nullopt;
            }
            journal.rounds.push_back(std::get<JournalRound>(round));
        } else if (!line.empty()) {
            error = "line " + std::to_string(lineNumber) + " is not understood";
            return std::nullopt;
        }
    }
    if (lineNumber == 0) {
        error = "it is empty";
        return std::nullopt;
    }
    return journal;
}

JournalReading ReadJournalFor(const HandicapState& handicap) {
    JournalReading reading;
    const std::string path = JournalPathFor(handicap.HandicapFileName);
    std::error_code ignored;
    if (handicap.HandicapFileName.empty() || !std::filesystem::exists(path, ignored))
        return reading;
    std::string content;
    if (FileResult read = ReadWholeFile(path, content); !read) {
        reading.status = JournalReading::Status::Unreadable;
        reading.reason = read.error;
        return reading;
    }
    std::string error;
    std::optional<HandicapJournal> journal = ParseJournal(content, error);
    if (!journal) {
        reading.status = JournalReading::Status::Unreadable;
        reading.reason = "The journal " + path + " cannot be read: " + error + ".";
        return reading;
    }
    reading.journal = std::move(*journal);
    // The handicap state is what the handicap file holds (or is about to hold again).
    std::string digest = ContentDigest(HandicapFileText(handicap));
    if (!reading.journal.disagreement.empty()) {
        reading.status = JournalReading::Status::Disagrees;
        reading.reason = reading.journal.disagreement;
    } else if (digest == reading.journal.fileDigest) {
        reading.status = JournalReading::Status::Agrees;
    } else {
        reading.status = JournalReading::Status::Disagrees;
        reading.reason = digest == reading.journal.previousDigest
                             ? "The last round in the journal never reached the handicap file."
                             : "The handicap file was changed outside the journal.";
    }
    return reading;
}

HandicapRound EngineRound(const JournalRound& r) {
    HandicapRound round;
    round.date = r.date;
    round.adjustedScore = static_cast<float>(r.adjustedScore);
    round.courseRating = r.courseRating;
    round.slopeRating = r.slopeRating;
    round.tournament = r.tournament;
    if (r.tournament && r.grossScore)
        round.grossScore = static_cast<double>(*r.grossScore);
    return round;
}

WhsRound WhsRoundOf(const JournalRound& r) {
    return {r.date, r.whsAdjustedScore, ToTenths(r.courseRating), ToTenths(r.slopeRating)};
}

std::vector<WhsRound> WhsRoundsOf(const HandicapJournal& journal) {
    std::vector<WhsRound> rounds;
    rounds.reserve(journal.rounds.size());
    for (const JournalRound& r : journal.rounds)
        rounds.push_back(WhsRoundOf(r));
    return rounds;
}

namespace {

// Writes the journal first, then the handicap file it names by digest.
JournaledSave WriteBoth(const HandicapState& handicap, HandicapJournal& journal, bool keepJournal) {
    JournaledSave saved;
    if (handicap.HandicapFileName.empty()) {
        saved.handicapFile = FileResult::failure("No handicap file is open.");
        return saved;
    }
    if (keepJournal) {
        journal.previousDigest = journal.fileDigest;
        journal.fileDigest = ContentDigest(HandicapFileText(handicap));
        saved.journal =
            WriteFileAtomically(JournalPathFor(handicap.HandicapFileName), JournalText(journal));
    }
    saved.handicapFile = SaveHandicapFile(handicap);
    return saved;
}

} // namespace

JournaledSave AddJournaledRounds(HandicapState& handicap, const std::vector<JournalRound>& rounds,
                                 std::vector<CountingResult>* results) {
    JournalReading reading = ReadJournalFor(handicap);
    HandicapJournal& journal = reading.journal;
    if (reading.status == JournalReading::Status::Missing)
        journal.baseFile = HandicapFileText(handicap);
    else if (reading.status == JournalReading::Status::Disagrees)
        journal.disagreement = reading.reason;
    for (const JournalRound& round : rounds) {
        CountingResult result = AddRound(handicap, EngineRound(round));
        if (results)
            results->push_back(result);
        journal.rounds.push_back(round);
    }
    // A journal that cannot be read is left for the user to look at, never overwritten.
    bool keepJournal = reading.status != JournalReading::Status::Unreadable;
    JournaledSave saved = WriteBoth(handicap, journal, keepJournal);
    if (!keepJournal)
        saved.journal = FileResult::failure(reading.reason);
    return saved;
}

std::optional<HandicapState> ReplayJournal(const HandicapJournal& journal,
                                           const std::string& handicapFileName,
                                           std::vector<EngineStep>* steps) {
    HandicapState state;
    if (!ParseHandicapFile(journal.baseFile, handicapFileName, state))
        return std::nullopt;
    for (const JournalRound& round : journal.rounds) {
        AddRound(state, EngineRound(round));
        if (steps) {
            HandicapState alone;
            AddRound(alone, EngineRound(round));
            steps->push_back({alone.SlopeDifferential[1], state.HandicapIndex});
        }
    }
    return state;
}

JournaledSave RewriteJournaledRounds(HandicapState& handicap, std::vector<JournalRound> rounds) {
    JournalReading reading = ReadJournalFor(handicap);
    JournaledSave refused;
    if (!reading.editable()) {
        std::string why = reading.reason.empty() ? "There is no journal of rounds for " +
                                                       handicap.HandicapFileName + "."
                                                 : reading.reason;
        refused.journal = FileResult::failure(why);
        refused.handicapFile = FileResult::failure(why);
        return refused;
    }
    HandicapJournal journal = reading.journal;
    journal.rounds = std::move(rounds);
    std::optional<HandicapState> replayed = ReplayJournal(journal, handicap.HandicapFileName);
    if (!replayed) {
        refused.journal = FileResult::failure("The journal's first handicap file cannot be read.");
        refused.handicapFile = refused.journal;
        return refused;
    }
    handicap = std::move(*replayed);
    return WriteBoth(handicap, journal, true);
}

} // namespace core
