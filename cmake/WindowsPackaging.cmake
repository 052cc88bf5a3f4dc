# How `cpack` packs the Windows program, included by windows/CMakeLists.txt:
# an NSIS installer (Debian's nsis) and a portable zip, named
# robot-oxel-VERSION-win32 or -win64 after the build. Both hold the program,
# the licence and a short README.txt, side by side; the text files have
# Windows' line endings and names that Explorer opens.
install(TARGETS robot-oxel RUNTIME DESTINATION .)
configure_file(README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt
        DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME robot-oxel)
set(CPACK_PACKAGE_VENDOR "The Robot Oxel developers")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)

# "Robot Oxel" in Program Files (64-bit ones for the 64-bit build) for all
# users when an administrator consents, else in the user's own
# AppData\Local\Programs for that user alone; in the Start menu and in Apps &
# features. The program stands at the top of its folder.
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Robot Oxel")
set(CPACK_PACKAGE_EXECUTABLES robot-oxel "Robot Oxel")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME robot-oxel.exe)
set(CPACK_NSIS_MUI_ICON ${ROBOT_OXEL_ICON})
set(CPACK_NSIS_MUI_UNIICON ${ROBOT_OXEL_ICON})
set(CPACK_NSIS_MUI_FINISHPAGE_RUN robot-oxel.exe)
# The wizard's pages and caption name the version; the Start-menu folder does not.
set(CPACK_NSIS_PACKAGE_NAME "Robot Oxel ${PROJECT_VERSION}")
# The program has no web site: its README is its help.
set(CPACK_NSIS_HELP_LINK "$INSTDIR\\README.txt")
set(CPACK_NSIS_DEFINES
    "!include FileFunc.nsh
  !include x64.nsh
  !define MUI_STARTMENUPAGE_DEFAULTFOLDER \"${CPACK_PACKAGE_INSTALL_DIRECTORY}\"
  VIProductVersion ${PROJECT_VERSION}.0
  VIFileVersion ${PROJECT_VERSION}.0
  VIAddVersionKey /LANG=1033 ProductName \"Robot Oxel\"
  VIAddVersionKey /LANG=1033 ProductVersion ${PROJECT_VERSION}
  VIAddVersionKey /LANG=1033 FileVersion ${PROJECT_VERSION}
  VIAddVersionKey /LANG=1033 FileDescription \"Robot Oxel ${PROJECT_VERSION} Setup\"
  VIAddVersionKey /LANG=1033 CompanyName \"${CPACK_PACKAGE_VENDOR}\"
  VIAddVersionKey /LANG=1033 LegalCopyright \"${ROBOT_OXEL_COPYRIGHT}\"")
set(uninstall_key
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_DIRECTORY}")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "WriteRegStr SHCTX \"${uninstall_key}\" InstallLocation \"$INSTDIR\"
  \${GetSize} \"$INSTDIR\" /S=0K $0 $1 $2
  WriteRegDWORD SHCTX \"${uninstall_key}\" EstimatedSize $0")
# CPack's uninstaller empties the vendor's registry key but leaves it; this
# hook runs after that, so nothing of the program stays behind.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
set(CPACK_VERBATIM_VARIABLES ON)

# CPack's own installer script with a few changes: it runs as whoever starts
# it, an administrator once they consent, rather than insisting on one; a
# user who is none installs into their own AppData\Local\Programs; and the
# 64-bit installer refuses 32-bit Windows before any page.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
function(change_nsis_template from to)
    string(FIND "${nsis_template}" "${from}" at)
    string(FIND "${nsis_template}" "${from}" last REVERSE)
    if(at EQUAL -1 OR NOT at EQUAL last)
        message(FATAL_ERROR "CPack's NSIS.template.in has no single '${from}'")
    endif()
    string(REPLACE "${from}" "${to}" nsis_template "${nsis_template}")
    set(nsis_template "${nsis_template}" PARENT_SCOPE)
endfunction()
change_nsis_template("Require administrator access\n  RequestExecutionLevel admin"
                     "An administrator installs for all users, anyone else for themselves
  RequestExecutionLevel highest")
change_nsis_template([[StrCpy $INSTDIR "$DOCUMENTS\]] [[StrCpy $INSTDIR "$LOCALAPPDATA\Programs\]])
# Else a user in neither the Administrators nor the Power Users group falls
# through to the all-users case meant for Windows 9x.
change_nsis_template([[    Goto done

  noLM:
    StrCpy $SV_ALLUSERS "AllUsers"]] [[    Goto done
  Goto done

  noLM:
    StrCpy $SV_ALLUSERS "AllUsers"]])
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    # Windows Installer's exit code for a package not made for this processor.
    change_nsis_template("Function .onInit\n" "Function .onInit
  \${IfNot} \${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP \"This Robot Oxel is for 64-bit Windows, \
and this Windows is 32-bit. Install robot-oxel-${PROJECT_VERSION}-win32.exe instead.\" /SD IDOK
    SetErrorLevel 1633
    Quit
  \${EndIf}
")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${nsis_template}")
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)

include(CPack)
