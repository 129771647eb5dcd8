# tarnwick --help, --version and unknown options: answered at once, without a display.
function(run_tarnwick)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${TARNWICK} ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 20)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

run_tarnwick(--help)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "--help: status ${rc}, standard error: ${err}")
endif()
foreach(part "Usage: tarnwick [FILE.crs | FILE.hcp]" "--report general|greens|averages|holes"
             "--pdf OUT.pdf" "--version")
  string(FIND "${out}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "--help does not name \"${part}\":\n${out}")
  endif()
endforeach()
set(usage "${out}")

run_tarnwick(--version)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "tarnwick 3.0\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "--version: status ${rc}, output: ${out}${err}")
endif()

foreach(option --bogus -x)
  run_tarnwick(${option} some.crs)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${option}: status ${rc}, output: ${out}")
  endif()
  if(NOT err STREQUAL "tarnwick: unknown option ${option}\n${usage}")
    message(FATAL_ERROR "${option}: unexpected standard error:\n${err}")
  endif()
endforeach()
