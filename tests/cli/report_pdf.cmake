# tarnwick --report NAME FILE.crs --pdf OUT.pdf: the same report, as a PDF file.
set(stats ${FIXTURES}/stats)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

foreach(report general greens averages holes)
  set(pdf ${WORK}/${report}.pdf)
  execute_process(COMMAND ${TARNWICK} --report ${report} ${stats}/four_rounds.crs --pdf ${pdf}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "--pdf ${report}: status ${rc}: ${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "--pdf ${report} also printed text: ${out}")
  endif()
  if(NOT EXISTS ${pdf})
    message(FATAL_ERROR "--pdf ${report} wrote no file")
  endif()
  file(READ ${pdf} head LIMIT 5 HEX)
  if(NOT head STREQUAL "255044462d") # %PDF-
    message(FATAL_ERROR "${pdf} does not start with %PDF-: ${head}")
  endif()
endforeach()

# Nothing is written when the course cannot be read or has no round.
foreach(course ${WORK}/missing.crs ${stats}/no_rounds.crs)
  set(pdf ${WORK}/refused.pdf)
  execute_process(COMMAND ${TARNWICK} --report general ${course} --pdf ${pdf}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(rc EQUAL 0 OR EXISTS ${pdf})
    message(FATAL_ERROR "${course}: status ${rc}, and the PDF file was written")
  endif()
endforeach()

# A PDF file that cannot be written: status 2.
execute_process(COMMAND ${TARNWICK} --report general ${stats}/four_rounds.crs
                        --pdf ${WORK}/no/such/folder/out.pdf
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "unwritable PDF: status ${rc}, expected 2: ${err}")
endif()
if(NOT err MATCHES "out\\.pdf could not be written")
  message(FATAL_ERROR "unwritable PDF: unexpected message: ${err}")
endif()
