# Fails when a file of the core library includes a Qt header: the core must stay free of Qt.
file(GLOB_RECURSE core_files "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
foreach(f IN LISTS core_files)
  file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(hits)
    message(FATAL_ERROR "${f} includes Qt, which the core library must not: ${hits}")
  endif()
endforeach()
