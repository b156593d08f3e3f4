// The edit area's own window procedure: the editor's keys on top of the EDIT control.
#include "../shell/EditWindow.h"

int get_spaces_at_front(const wchar_t* text)
{
    int n = 0;
    while (text[n] == L' ')
        ++n;
    return n;
}

LRESULT CALLBACK NewEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    }
    return CallWindowProcW(OldEditProc, hwnd, message, wParam, lParam);
}
