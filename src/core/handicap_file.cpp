#include "core/handicap_file.h"

#include "core/atomic_file.h"
#include "core/record_encoding.h"

namespace core {

namespace {

RecordWriter WrittenHandicap(const HandicapState& h) {
    RecordWriter w;
    w.text(h.HandicapPlayerName).endLine();
    w.number(h.HomeSlope).endLine();
    w.number(h.RoundCount).endLine();
    for (int i = 1; i <= 20; ++i) {
        w.number(h.LastAdjustedScore[i]).number(h.LastScoreDate[i]);
        w.number(h.PreSlopeDifferential[i]).number(h.SlopeDifferential[i]);
        w.number(h.TournamentDifferential[i]).number(h.CountingMark[i]).number(h.SpareMark[i]);
        w.endLine();
    }
    w.number(h.PreSlopeHandicap).number(h.HandicapIndex).endLine();
    return w;
}

} // namespace

std::string HandicapFileText(const HandicapState& h) {
    return WrittenHandicap(h).content();
}

std::string NewHandicapFileText(const std::string& playerName, int homeSlope) {
    HandicapState fresh;
    fresh.HandicapPlayerName = playerName;
    fresh.HomeSlope = homeSlope;
    return HandicapFileText(fresh);
}

FileResult ParseHandicapFile(const std::string& content, const std::string& fileName,
                             HandicapState& handicap) {
    RecordReader r(content, fileName);
    HandicapState h;
    h.HandicapPlayerName = r.text("HandicapPlayerName");
    h.HomeSlope = r.integer("HomeSlope");
    h.RoundCount = r.integer("RoundCount");
    for (int i = 1; i <= 20; ++i) {
        std::string row = std::string("(").append(std::to_string(i)).append(")");
        h.LastAdjustedScore[i] = r.integer("LastAdjustedScore" + row);
        h.LastScoreDate[i] = r.number("LastScoreDate" + row);
        h.PreSlopeDifferential[i] = r.single("PreSlopeDifferential" + row);
        h.SlopeDifferential[i] = r.single("SlopeDifferential" + row);
        h.TournamentDifferential[i] = r.single("TournamentDifferential" + row);
        h.CountingMark[i] = r.single("CountingMark" + row);
        h.SpareMark[i] = r.single("SpareMark" + row);
    }
    h.PreSlopeHandicap = r.integer("PreSlopeHandicap");
    h.HandicapIndex = r.single("HandicapIndex");
    if (r.failed())
        return FileResult::failure(r.error());
    h.HandicapFileName = fileName;
    handicap = std::move(h);
    return FileResult::success();
}

FileResult LoadHandicapFile(const std::string& path, HandicapState& handicap, FileStamp* stamp) {
    std::string content;
    FileStamp read;
    if (FileResult result = ReadWholeFile(path, content, MaxDataFileSize, &read); !result)
        return result;
    FileResult parsed = ParseHandicapFile(content, path, handicap);
    if (parsed && stamp)
        *stamp = read;
    return parsed;
}

FileResult CheckHandicapCanBeWritten(const HandicapState& handicap) {
    // A text the file cannot hold would make the whole file unreadable.
    if (!IsStorableText(handicap.HandicapPlayerName))
        return FileResult::failure(handicap.HandicapFileName +
                                   " could not be written: the player's name holds a double "
                                   "quote or a line break.");
    return FileResult::success();
}

FileResult SaveHandicapFile(const HandicapState& handicap, FileStamp* stamp) {
    if (FileResult refused = CheckHandicapCanBeWritten(handicap); !refused)
        return refused;
    RecordWriter written = WrittenHandicap(handicap);
    if (!written.unreadableNumber().empty())
        return FileResult::failure(handicap.HandicapFileName + " could not be written: " +
                                   written.unreadableNumber() +
                                   ", a number the file could not be read back with.");
    return WriteFileAtomically(handicap.HandicapFileName, written.content(), stamp);
}

void ClearHandicapRounds(HandicapState& h) {
    for (int i = 1; i <= 20; ++i) {
        h.LastScoreDate[i] = 0;
        h.LastAdjustedScore[i] = 0;
        h.PreSlopeDifferential[i] = 0;
        h.SlopeDifferential[i] = 0;
        h.TournamentDifferential[i] = 0;
        h.CountingMark[i] = 0;
        h.SpareMark[i] = 0;
    }
    h.RoundCount = 0;
    h.PreSlopeHandicap = 0;
    h.HandicapIndex = 0;
}

} // namespace core
