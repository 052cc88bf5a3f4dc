// The resource script and the identifier header, as compiled into the program.
#ifndef ROBOT_OXEL_RESOURCES_EMBEDDED_H
#define ROBOT_OXEL_RESOURCES_EMBEDDED_H

extern const char g_resourceScript[]; // robot_oxel.rc
extern const char g_resourceHeader[]; // resource.h

#endif
