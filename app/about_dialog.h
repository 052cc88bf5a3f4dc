// The "About OpenGL" dialog: the GL and GLU implementation strings and pending GL errors.
#ifndef ROBOT_OXEL_APP_ABOUT_DIALOG_H
#define ROBOT_OXEL_APP_ABOUT_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
