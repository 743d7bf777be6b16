// Resource and command numbers of the stand-in's two programs.
#pragma once

// TRZFRAME.EXE
#define IDD_HOST_ERROR 101
#define IDC_ERROR_ICON 1001
#define IDC_ERROR_TEXT 1002
#define ID_SESSION_NEW 40001
#define ID_SESSION_OPEN 40002
#define ID_SESSION_EXIT 40003
#define ID_SESSION_ABOUT 40004

// TRAZEL.EXE
#define IDD_OPEN 201
#define IDC_OPEN_NAME 2001
#define IDC_OPEN_FOLDER 2002
#define ID_FILE_NEW 41001
#define ID_FILE_OPEN 41002
#define ID_FILE_CLOSE 41003
#define ID_FILE_EXIT 41004
#define ID_HELP_ABOUT 41005
#define ID_VIEW_ZOOM_IN 41010
#define ID_VIEW_ZOOM_OUT 41011
#define ID_VIEW_ALL 41012
#define ID_VIEW_REDRAW 41013
#define ID_VIEW_GO_TO 41015
// The designs a Window menu lists, from the first on.
#define ID_WINDOW_DESIGN 41020
// The commands the stand-in names in its status bar but does not carry out.
#define ID_NOT_MODELLED_FIRST 42000
#define ID_NOT_MODELLED_LAST 42999
