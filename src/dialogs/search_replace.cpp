// The search and replace dialog.
#include "../shell/EditWindow.h"

wchar_t last_search[300];
wchar_t last_replace_from[300];
wchar_t last_replace_to[300];
int lastDial;

INT_PTR CALLBACK SearchReplaceProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
void updateDialog2(HWND) {}
void replaceExactTextInEdit(HWND, const wchar_t*, const wchar_t*) {}
wchar_t* replaceNewlineWithCRLF(const wchar_t*) { return nullptr; }
