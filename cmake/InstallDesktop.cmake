# What makes the program part of the desktop: its menu entry, its icons at every size,
# the file types it opens, and its manual page.
set(assets ${PROJECT_SOURCE_DIR}/assets)

install(FILES ${assets}/tarnwick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${assets}/icons/hicolor/${size}x${size}/apps/tarnwick.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${assets}/icons/tarnwick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${assets}/tarnwick-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tarnwick.xml)
install(FILES ${PROJECT_SOURCE_DIR}/docs/tarnwick.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Into a live prefix (not a package's staging folder), bring the desktop's caches up to
# date, so that a file manager opens .crs and .hcp files with Tarnwick at once.
install(CODE "set(tarnwick_datadir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    set(share "${CMAKE_INSTALL_PREFIX}/${tarnwick_datadir}")
    if(update_mime)
      execute_process(COMMAND ${update_mime} "${share}/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(update_desktop)
      execute_process(COMMAND ${update_desktop} -q "${share}/applications"
                      OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
]])
