# How `cpack` packs the Windows program, included by windows/CMakeLists.txt:
# an NSIS installer (Debian's nsis) and a portable zip, named
# robot-oxel-VERSION-win32 or -win64 after the build. Both hold the program,
# the licence and a short README.txt, side by side.
install(TARGETS robot-oxel RUNTIME DESTINATION .)
configure_file(README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME robot-oxel)
set(CPACK_PACKAGE_VENDOR "The Robot Oxel developers")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# "Robot Oxel" in Program Files (64-bit ones for the 64-bit build; in the
# user's documents when not run by an administrator), in the Start menu and
# in Apps & features. The program stands at the top of its folder.
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Robot Oxel")
set(CPACK_PACKAGE_EXECUTABLES robot-oxel "Robot Oxel")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME robot-oxel.exe)
set(CPACK_NSIS_MUI_ICON ${ROBOT_OXEL_ICON})
set(CPACK_NSIS_MUI_UNIICON ${ROBOT_OXEL_ICON})
# CPack's uninstaller empties the vendor's registry key but leaves it; this
# hook runs after that, so nothing of the program stays behind.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
set(CPACK_VERBATIM_VARIABLES ON)

include(CPack)
