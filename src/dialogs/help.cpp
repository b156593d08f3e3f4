// The shortcut help dialog.
#include "../shell/EditWindow.h"

INT_PTR CALLBACK HelpDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
void setHelpDialogProc(HWND) {}
