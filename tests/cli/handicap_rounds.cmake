# tarnwick --import-handicap-rounds, --export-handicap-rounds and --report handicap.
set(whs ${FIXTURES}/whs)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run_tarnwick)
  execute_process(COMMAND ${TARNWICK} ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(expect_refusal what pattern)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${what}: status ${rc}, output ${out}")
  endif()
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks count)
  if(NOT count EQUAL 1 OR NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: unexpected message: ${err}")
  endif()
endfunction()

set(hcp ${WORK}/ann.hcp)
file(COPY_FILE ${FIXTURES}/files/new_handicap.hcp ${hcp})

# Five rounds rated 72 on slope 113: slope differentials 18, 13, 16, 8 and 23, so the
# index is 8.0 x 0.96 = 7.7; the WHS uses 84 for the second round and the lowest, 8.0.
run_tarnwick(--import-handicap-rounds ${whs}/five_rounds.csv ${hcp})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "import: status ${rc}: ${err}")
endif()
if(NOT out STREQUAL "5 rounds saved to ${hcp}: Handicap Index 7.7, WHS Index 8.0\n")
  message(FATAL_ERROR "import: unexpected output: ${out}")
endif()
if(NOT EXISTS ${hcp}.journal)
  message(FATAL_ERROR "import wrote no journal")
endif()

# The export gives the same rows back.
run_tarnwick(--export-handicap-rounds ${hcp})
file(READ ${whs}/five_rounds.csv expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "export: status ${rc}, output:\n${out}")
endif()

# The report: the lines of the slope system, then the WHS section.
run_tarnwick(--report handicap ${hcp})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "report: status ${rc}: ${err}")
endif()
foreach(line "\n         Handicap Index:  7.7\n"
             "\n         WORLD HANDICAP SYSTEM\n\n         WHS Handicap Index:  8.0\n"
             "\n         04/22/2024         8.0  \\*\n"
             "\n         04/08/2024        12.0\n"
             "\n         WHS Course Handicap:  N/A\n")
  if(NOT out MATCHES "${line}")
    message(FATAL_ERROR "report: no line matching ${line} in:\n${out}")
  endif()
endforeach()
run_tarnwick(--report handicap ${hcp} --pdf ${WORK}/handicap.pdf)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/handicap.pdf)
  message(FATAL_ERROR "report as PDF: status ${rc}: ${err}")
endif()

# All or nothing: a bad third row names its line and column and changes nothing.
file(READ ${hcp} hcp_before HEX)
file(READ ${hcp}.journal journal_before HEX)
run_tarnwick(--import-handicap-rounds ${whs}/bad_third_row.csv ${hcp})
expect_refusal("bad row" "^tarnwick: .*bad_third_row\\.csv line 4, column 3 \\(course_rating\\): The Rating of  101 is invalid")
file(READ ${hcp} hcp_after HEX)
file(READ ${hcp}.journal journal_after HEX)
if(NOT hcp_before STREQUAL hcp_after OR NOT journal_before STREQUAL journal_after)
  message(FATAL_ERROR "a refused import changed the files")
endif()

# Bad command lines and files.
run_tarnwick(--import-handicap-rounds ${whs}/five_rounds.csv)
expect_refusal("one file" "usage: tarnwick --import-handicap-rounds")
run_tarnwick(--import-handicap-rounds ${whs}/five_rounds.csv ${WORK}/missing.hcp)
expect_refusal("missing handicap file" "missing\\.hcp could not be opened")
run_tarnwick(--export-handicap-rounds)
expect_refusal("no file" "usage: tarnwick --export-handicap-rounds")
run_tarnwick(--report handicap)
expect_refusal("report without file" "needs a handicap file")
