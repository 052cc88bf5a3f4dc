# Writes OUTPUT, a C++ source holding the texts of SCRIPT and HEADER.
file(READ ${SCRIPT} script)
file(READ ${HEADER} header)
file(WRITE ${OUTPUT}
    "// Generated from robot_oxel.rc and resource.h; do not edit.\n"
    "extern const char g_resourceScript[] = R\"rc(${script})rc\";\n"
    "extern const char g_resourceHeader[] = R\"rc(${header})rc\";\n")
