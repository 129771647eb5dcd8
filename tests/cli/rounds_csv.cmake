# tarnwick --import-rounds ROUNDS.csv FILE.crs and --export-rounds FILE.crs, run as a user would.
function(run_tarnwick)
  execute_process(COMMAND ${TARNWICK} ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${FIXTURES}/stats/four_rounds.crs DESTINATION ${WORK})
set(course ${WORK}/four_rounds.crs)
set(rounds ${FIXTURES}/rounds/three_rounds.csv)

run_tarnwick(--import-rounds ${rounds} ${course})
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "--import-rounds ended with ${rc}: ${err}")
endif()

run_tarnwick(--export-rounds ${course})
file(READ ${rounds} expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "--export-rounds ended with ${rc}, output:\n${out}")
endif()

# The general report counts the four earlier rounds and the three imported.
run_tarnwick(--report general ${course})
if(NOT out MATCHES "Number of Rounds Played: +7\n")
  message(FATAL_ERROR "the report after the import does not show 7 rounds:\n${out}")
endif()

# A bad file: status 2, one line, nothing changed.
file(READ ${course} before)
run_tarnwick(--import-rounds ${FIXTURES}/stats/four_rounds.crs ${course})
string(REGEX MATCHALL "\n" breaks "${err}")
list(LENGTH breaks lines)
if(NOT rc EQUAL 2 OR NOT lines EQUAL 1 OR NOT out STREQUAL "")
  message(FATAL_ERROR "a bad rounds file: status ${rc}, error:\n${err}")
endif()
file(READ ${course} after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "a refused import changed the course file")
endif()

run_tarnwick(--import-rounds ${rounds})
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "--import-rounds without a course file ended with ${rc}")
endif()
