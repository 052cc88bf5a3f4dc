# How `cpack -G DEB` packs the installed files into robot-oxel_VERSION_ARCH.deb.
# The run-time dependencies are not listed here: dpkg-shlibdeps reads them off
# the executable, so the package asks for libraries and never for -dev packages.
set(CPACK_PACKAGE_NAME robot-oxel)
set(CPACK_PACKAGE_VENDOR "Robot Oxel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wireframe viewer of an articulated robot arm")
set(CPACK_PACKAGE_DESCRIPTION
"Robot Oxel draws a robot arm and the solids it is built from as a grey
wireframe with OpenGL: a cylinder, the two arm links, and the assembled robot
standing on its base. The arrow keys turn the view and the keys 1 to 6 move
the waist, shoulder and elbow joints one degree at a time. An About dialog
shows what the OpenGL and GLU libraries report about themselves.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME robot-oxel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Robot Oxel developers")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
