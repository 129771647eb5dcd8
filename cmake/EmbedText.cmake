# Writes OUTPUT, a C++ file whose function core::data::<NAME>() returns the text of INPUT,
# so the program carries its tables with it and needs no data file at run time.
file(READ "${INPUT}" content)
string(FIND "${content}" ")tarnwick\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} contains the literal's closing marker")
endif()
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; edit that file instead.\n#include <string_view>\n\nnamespace core::data {\nstd::string_view ${NAME}()\n{\n    static constexpr char text[] = R\"tarnwick(${content})tarnwick\";\n    return {text, sizeof text - 1};\n}\n} // namespace core::data\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
