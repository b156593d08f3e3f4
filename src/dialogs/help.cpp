// The shortcut help dialog: the editor's keys and the about text.
#include "../shell/EditWindow.h"
#include "../lang/strings.h"

void setHelpDialogProc(HWND hwnd)
{
    SetWindowTextW(hwnd, info_langs_1);
    SetDlgItemTextW(hwnd, IDC_HELP_HEADING, info_langs_2);
    SetDlgItemTextW(hwnd, IDC_HELP_LIST, info_langs_3);
    SetDlgItemTextW(hwnd, IDC_HELP_ABOUT, info_langs_4);
}

INT_PTR CALLBACK HelpDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(hwnd);
        setHelpDialogProc(hwnd);
        SetFocus(GetDlgItem(hwnd, IDC_HELP_CLOSE));
        // FALSE keeps the focus on Close: TRUE would hand it to the shortcut box,
        // the first tab stop, where Escape closes the dialog.
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_HELP_CLOSE)
            return FALSE;
        EndDialog(hwnd, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(hwnd, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
