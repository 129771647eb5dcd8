#pragma once

#include <string_view>

// The program's built-in tables, compiled in from the files in data/.
namespace core::data {
std::string_view MajorsCsv(); // data/majors.csv
std::string_view AwardsCsv(); // data/awards.csv
std::string_view TriviaTsv(); // data/trivia.tsv
} // namespace core::data
