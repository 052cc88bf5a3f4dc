# What `cmake --install` puts on a Linux system: the program, its menu entry
# and icon, its manual page, and the package's copyright and changelog.
include(GNUInstallDirs)

install(TARGETS robot-oxel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A plain strip keeps the compilers' .comment notes, which Debian leaves out.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:robot-oxel>\")
    endif()")
install(FILES ${CMAKE_SOURCE_DIR}/dist/robot-oxel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/robot-oxel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and changelogs are shipped gzipped; -n leaves out the name and
# time stamp, so that rebuilding gives the same bytes.
find_program(GZIP_EXECUTABLE gzip)
if(NOT GZIP_EXECUTABLE)
    message(FATAL_ERROR "gzip not found: it compresses the manual page")
endif()
function(GzipDistFile name)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/dist/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
        COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${CMAKE_SOURCE_DIR}/dist/${name}
                > ${CMAKE_BINARY_DIR}/dist/${name}.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/dist/${name}
        VERBATIM)
endfunction()
GzipDistFile(robot-oxel.1)
GzipDistFile(changelog)
add_custom_target(dist_files ALL
    DEPENDS ${CMAKE_BINARY_DIR}/dist/robot-oxel.1.gz ${CMAKE_BINARY_DIR}/dist/changelog.gz)

install(FILES ${CMAKE_BINARY_DIR}/dist/robot-oxel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(ROBOT_OXEL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/robot-oxel)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${ROBOT_OXEL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/dist/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME robot-oxel)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
