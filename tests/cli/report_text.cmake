# tarnwick --report NAME FILE.crs: the report as plain text on standard output.
set(stats ${FIXTURES}/stats)

function(run_tarnwick)
  execute_process(COMMAND ${TARNWICK} ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(expect_one_line text what)
  string(REGEX MATCHALL "\n" breaks "${text}")
  list(LENGTH breaks count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${what}: expected one line on standard error, got:\n${text}")
  endif()
endfunction()

# Each report, character by character.
foreach(pair general:four_rounds.general greens:four_rounds.greens
             averages:four_rounds.averages holes:four_rounds.holes
             general:no_greens.general greens:no_par5.greens)
  string(REPLACE ":" ";" parts ${pair})
  list(GET parts 0 report)
  list(GET parts 1 expected_name)
  string(REGEX REPLACE "\\..*" "" course ${expected_name})
  run_tarnwick(--report ${report} ${stats}/${course}.crs)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "--report ${report} ${course}.crs ended with ${rc}: ${err}")
  endif()
  file(READ ${stats}/${expected_name}.txt expected)
  if(NOT out STREQUAL expected)
    file(WRITE ${WORK}/${expected_name}.actual.txt "${out}")
    message(FATAL_ERROR "--report ${report} ${course}.crs differs from ${expected_name}.txt; "
                        "output kept in ${WORK}/${expected_name}.actual.txt")
  endif()
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "--report ${report} wrote to standard error: ${err}")
  endif()
endforeach()

# The options may come in any order.
run_tarnwick(${stats}/four_rounds.crs --report averages)
file(READ ${stats}/four_rounds.averages.txt expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "file before --report: status ${rc}, output:\n${out}")
endif()

# A file that cannot be read: one line naming it, status 2, nothing printed.
run_tarnwick(--report general ${WORK}/missing.crs)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "missing file: status ${rc}, expected 2")
endif()
expect_one_line("${err}" "missing file")
if(NOT err MATCHES "^tarnwick: .*missing\\.crs could not be opened")
  message(FATAL_ERROR "missing file: unexpected message: ${err}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "missing file: printed ${out}")
endif()

# A file too short to be a course file.
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/short.crs "#1996-03-05#,35129\r\n\"A\",\"B\",\"C\",72,113,14\r\n")
run_tarnwick(--report general ${WORK}/short.crs)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "")
  message(FATAL_ERROR "short file: status ${rc}, output ${out}")
endif()
expect_one_line("${err}" "short file")

# Bad command lines.
foreach(arguments "--report;scores;${stats}/four_rounds.crs" "--report" "--report;general"
                  "--report;general;${stats}/four_rounds.crs;--pdf"
                  "--report;general;a.crs;b.crs")
  run_tarnwick(${arguments})
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${arguments}: status ${rc}, output ${out}")
  endif()
  expect_one_line("${err}" "${arguments}")
endforeach()

# A course without rounds: the reports' refusal, status 1.
foreach(report general greens averages holes)
  run_tarnwick(--report ${report} ${stats}/no_rounds.crs)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "no rounds, ${report}: status ${rc}, expected 1")
  endif()
  if(NOT err STREQUAL "Nothing to report. You have no scores entered in this file.\n")
    message(FATAL_ERROR "no rounds, ${report}: unexpected message: ${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "no rounds, ${report}: printed ${out}")
  endif()
endforeach()
