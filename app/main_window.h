// The main window's procedure and the handlers it dispatches to.
#ifndef ROBOT_OXEL_APP_MAIN_WINDOW_H
#define ROBOT_OXEL_APP_MAIN_WINDOW_H

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Keyboard and menu commands: they change the view state and repaint.
LRESULT OnKeyDown(HWND window, WPARAM key);
LRESULT OnCommand(HWND window, UINT command);

// A view rotation truncated to whole degrees and reduced into (-360, 360), keeping its sign.
float WrapRotation(float degrees);

#endif
