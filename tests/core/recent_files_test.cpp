#include "core/dialog_filter.h"
#include "core/print_document.h"
#include "core/recent_files.h"

#include <gtest/gtest.h>

namespace {

using Files = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostFour) {
    Files recent;
    for (const char* path : {"a", "b", "c", "d", "e"})
        recent = core::WithRecentFile(recent, path);
    EXPECT_EQ(recent, (Files{"e", "d", "c", "b"}));
    EXPECT_EQ(core::WithRecentFile(recent, "c"), (Files{"c", "e", "d", "b"}));
    EXPECT_EQ(core::WithRecentFile(recent, "e"), recent);
    // What a hand-edited settings file may hold: too many, empty, repeated entries.
    EXPECT_EQ(core::WithRecentFile({"", "x", "y", "x", "z", "w"}, "n"),
              (Files{"n", "x", "y", "x"}));
    EXPECT_EQ(core::WithRecentFile({"x"}, ""), (Files{"x"}));
}

TEST(RecentFiles, AFileCanBeDropped) {
    EXPECT_EQ(core::WithoutRecentFile({"a", "b", "a", "c"}, "a"), (Files{"b", "c"}));
    EXPECT_EQ(core::WithoutRecentFile({"a"}, "z"), (Files{"a"}));
}

TEST(DialogFileKind, IsTheFirstPatternsExtension) {
    EXPECT_EQ(core::DialogFileKind("Course Files (*.crs)|*.crs|All Files (*.*)|*.*|"), "crs");
    EXPECT_EQ(core::DialogFileKind("Handicap files (*.hcp)|*.HCP;*.txt|"), "hcp");
    EXPECT_EQ(core::DialogFileKind("PDF Files (*.pdf)|*.pdf|"), "pdf");
    EXPECT_EQ(core::DialogFileKind("All Files (*.*)|*.*|"), "");
    EXPECT_EQ(core::DialogFileKind("Anything|*|"), "");
    EXPECT_EQ(core::DialogFileKind(""), "");
}

TEST(DocumentName, NamesTheProgramTheDocumentAndItsSubject) {
    EXPECT_EQ(core::DocumentName("General Statistics Report", "Tarnwick Links"),
              "Tarnwick - General Statistics Report - Tarnwick Links");
    EXPECT_EQ(core::DocumentName("Handicap Report", "  "), "Tarnwick - Handicap Report");
}

} // namespace
