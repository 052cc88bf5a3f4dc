#!/usr/bin/env bash
# Uncovering the client area repaints it with the same frame: here the
# About dialog, which opens over the client area, is moved off the window.
source "$(dirname "$0")/lib.sh"

StartApp
Press 3 Right
Press 2 Up
Remember turned
OpenAbout
ExpectChangeFrom turned "the About dialog covers the client area"
xdotool windowmove "$about_win" $((client_x + client_w + 20)) "$client_y"
ExpectSameAs turned "moving the dialog away shows the same frame again"
