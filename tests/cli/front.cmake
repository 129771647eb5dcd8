# tarnwick is a front without Qt: it runs the text verbs itself and starts the window
# program for the rest, beside itself in the build tree and in libexec when installed.
set(stats ${FIXTURES}/stats)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# The text verbs do not load Qt.
execute_process(COMMAND readelf -d ${TARNWICK} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${TARNWICK}")
endif()
if(dynamic MATCHES "libQt")
  message(FATAL_ERROR "the front links to Qt:\n${dynamic}")
endif()

# Alone in a folder, the front still answers the text verbs, and says in one line that
# the window program is missing for the rest.
file(COPY ${TARNWICK} DESTINATION ${WORK}/alone)
get_filename_component(front_name ${TARNWICK} NAME)
set(alone ${WORK}/alone/${front_name})
execute_process(COMMAND ${alone} --report holes ${stats}/four_rounds.crs
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${stats}/four_rounds.holes.txt expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "front alone, --report: status ${rc}: ${err}")
endif()
foreach(arguments "" "${stats}/four_rounds.crs" "--report;general;${stats}/four_rounds.crs;--pdf;${WORK}/x.pdf")
  execute_process(COMMAND ${alone} ${arguments}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "^tarnwick: tarnwick-window could not be started: [^\n]*\n$")
    message(FATAL_ERROR "front alone, '${arguments}': status ${rc}, message: ${err}")
  endif()
endforeach()

# Installed: bin/tarnwick finds the window program in libexec, which writes the PDF.
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK}/prefix
  OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()
foreach(program bin/tarnwick libexec/tarnwick/tarnwick-window)
  if(NOT EXISTS ${WORK}/prefix/${program})
    message(FATAL_ERROR "the install has no ${program}")
  endif()
endforeach()
execute_process(COMMAND ${WORK}/prefix/bin/tarnwick --report general ${stats}/four_rounds.crs
                        --pdf ${WORK}/installed.pdf
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/installed.pdf)
  message(FATAL_ERROR "installed front, --pdf: status ${rc}: ${err}")
endif()
