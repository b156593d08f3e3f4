// The settings dialog and the project commands.
#include "../shell/EditWindow.h"

wchar_t project_name[260];
LOGFONTW lf;

INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
void setData(HWND) {}
void updateDialog(HWND) {}
COLORREF ChooseColorDialog(HWND) { return 0; }
void ChooseFontForWindow(HWND) {}
void save_project(HWND) {}
int save_project_as(HWND) { return 0; }
int open_project(HWND) { return 0; }
