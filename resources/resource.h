// Resource and command identifiers, shared by the program and its resource script.
#ifndef ROBOT_OXEL_RESOURCE_H
#define ROBOT_OXEL_RESOURCE_H

#define IDR_MAINMENU 101
#define IDD_ABOUT 102

#define IDM_EXIT 40001
#define IDM_ABOUT 40002
#define IDM_CYLINDER 40011
#define IDM_ARM1 40012
#define IDM_ARM2 40013
#define IDM_ROBOT 40014

// Unnamed controls. The real <windows.h> lacks it (winres.h has it).
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDC_GL_VENDOR 1000
#define IDC_GL_RENDERER 1001
#define IDC_GL_VERSION 1002
#define IDC_GL_EXTENSIONS 1003
#define IDC_GLU_VERSION 1005
#define IDC_GLU_EXTENSIONS 1006
#define IDC_ERROR1 1007
#define IDC_ERROR2 1008
#define IDC_ERROR3 1009
#define IDC_ERROR4 1010
#define IDC_ERROR5 1011
#define IDC_ERROR6 1012

#endif
