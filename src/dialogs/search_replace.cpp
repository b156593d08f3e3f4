// The search and replace dialog: literal search in the editor and replace-all.
#include "../shell/EditWindow.h"
#include "../lang/strings.h"
#include "replace_text.h"

#include <stdlib.h>
#include <wchar.h>

wchar_t last_search[300];
wchar_t last_replace_from[300];
wchar_t last_replace_to[300];
int lastDial;

enum {
    FIELD_BUFFER = 200,
    SEARCH_BACKGROUND = 0x00141414,
};

static HBRUSH hBrushSearchBackground;
// The dialog that is open, if any. The top bar can ask for a second one while it
// is open; that one brings this to the front and ends at once, so the single
// background brush always belongs to the one dialog on screen.
static HWND open_search_dialog;

void updateDialog2(HWND hwnd)
{
    struct Caption {
        int id;
        int slot;  // index into search_langs, or -1 for a field
    };
    static const Caption controls[] = {
        {IDC_SR_SEARCH_LBL, 1}, {IDC_SR_SEARCH, -1}, {IDC_SR_FIND, 2},
        {IDC_SR_FROM_LBL, 3},   {IDC_SR_FROM, -1},   {IDC_SR_TO_LBL, 4},
        {IDC_SR_TO, -1},        {IDC_SR_REPLACE, 5}, {IDC_SR_DONE, 6},
    };
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowTextW(hwnd, search_langs[0]);
    for (const Caption& c : controls) {
        HWND control = GetDlgItem(hwnd, c.id);
        SendMessageW(control, WM_SETFONT, (WPARAM)hOldFont, TRUE);
        if (c.slot >= 0)
            SetWindowTextW(control, search_langs[c.slot]);
    }
}

wchar_t* replaceNewlineWithCRLF(const wchar_t* text)
{
    return backslash_n_to_crlf(text);
}

void replaceExactTextInEdit(HWND edit, const wchar_t* from, const wchar_t* to)
{
    int length = GetWindowTextLengthW(edit);
    if (length == 0)
        return;
    wchar_t* copy = NULL;
    wchar_t* pattern = NULL;
    wchar_t* replacement = NULL;
    wchar_t* result = NULL;
    size_t result_length = 0;

    copy = (wchar_t*)malloc(((size_t)length + 1) * sizeof(wchar_t));
    if (!copy)
        goto done;
    length = GetWindowTextW(edit, copy, length + 1);
    pattern = replaceNewlineWithCRLF(from);
    replacement = replaceNewlineWithCRLF(to);
    if (!pattern || !replacement)
        goto done;
    // An empty pattern would match everywhere; the text is left as it is.
    if (pattern[0] == L'\0')
        goto done;
    result = replace_every_occurrence(copy, (size_t)length, pattern, replacement, &result_length);
    if (!result)
        goto done;
    // WM_SETTEXT is not bound by the typing limit, so a result longer than it is set whole.
    SetWindowTextW(edit, result);

done:
    free(result);
    free(replacement);
    free(pattern);
    free(copy);
}

static void search_action(HWND hwnd)
{
    wchar_t text[FIELD_BUFFER];
    GetDlgItemTextW(hwnd, IDC_SR_SEARCH, text, FIELD_BUFFER);
    wcscpy(last_search, text);
    findTextInEdit(hEdit, text);
}

static void replace_action(HWND hwnd)
{
    wchar_t from[FIELD_BUFFER];
    wchar_t to[FIELD_BUFFER];
    GetDlgItemTextW(hwnd, IDC_SR_FROM, from, FIELD_BUFFER);
    GetDlgItemTextW(hwnd, IDC_SR_TO, to, FIELD_BUFFER);
    wcscpy(last_replace_from, from);
    wcscpy(last_replace_to, to);
    replaceExactTextInEdit(hEdit, from, to);
    InvalidateRect(mHwnd, NULL, TRUE);
    UpdateWindow(mHwnd);
}

static bool focus_on(HWND hwnd, int id)
{
    return GetFocus() == GetDlgItem(hwnd, id);
}

static bool enter_is_down()
{
    return (GetKeyState(VK_RETURN) & 0x8000) != 0;
}

// Returns FALSE when the dialog should end at once (another one is open).
static BOOL open_dialog(HWND hwnd)
{
    if (open_search_dialog && IsWindow(open_search_dialog)) {
        SetForegroundWindow(open_search_dialog);
        BringWindowToTop(open_search_dialog);
        EndDialog(hwnd, IDCANCEL);
        return FALSE;
    }
    open_search_dialog = hwnd;
    CenterWindow(hwnd);
    hBrushSearchBackground = CreateSolidBrush(SEARCH_BACKGROUND);
    updateDialog2(hwnd);
    SetDlgItemTextW(hwnd, IDC_SR_SEARCH, last_search);
    SetDlgItemTextW(hwnd, IDC_SR_FROM, last_replace_from);
    SetDlgItemTextW(hwnd, IDC_SR_TO, last_replace_to);
    return TRUE;
}

// Enter arriving as a field's own notification while the key is down.
static INT_PTR field_notification(HWND hwnd, WPARAM wParam)
{
    if (HIWORD(wParam) != EN_CHANGE && focus_on(hwnd, IDC_SR_SEARCH) && enter_is_down()) {
        search_action(hwnd);
        return TRUE;
    }
    if ((focus_on(hwnd, IDC_SR_TO) || focus_on(hwnd, IDC_SR_FROM)) && enter_is_down()) {
        replace_action(hwnd);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR on_command(HWND hwnd, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_SR_FIND:
        search_action(hwnd);
        return TRUE;
    case IDC_SR_REPLACE:
        replace_action(hwnd);
        return TRUE;
    case IDC_SR_DONE:
        EndDialog(hwnd, IDC_SR_DONE);
        return TRUE;
    case IDC_SR_SEARCH:
    case IDC_SR_FROM:
    case IDC_SR_TO:
        return field_notification(hwnd, wParam);
    default:
        return FALSE;
    }
}

static void paint_background(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(SEARCH_BACKGROUND);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
}

static INT_PTR dialog_code(HWND hwnd, LPARAM lParam)
{
    const MSG* msg = (const MSG*)lParam;
    LRESULT code = (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
                       ? DLGC_WANTALLKEYS : 0;
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, code);
    return code;
}

// The dialog ends with EndDialog; the brush goes with the window, whichever way it
// was ended, so nothing paints with it after it is deleted.
static void on_destroy(HWND hwnd)
{
    if (open_search_dialog != hwnd)
        return;
    open_search_dialog = NULL;
    DeleteObject(hBrushSearchBackground);
    hBrushSearchBackground = NULL;
}

INT_PTR CALLBACK SearchReplaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Enter in a field: with no default button the dialog manager asks for one
    // (DM_GETDEFID) and then sends IDOK; that pair tells Enter from other commands.
    if (message == WM_COMMAND && wParam == IDOK && lastDial == DM_GETDEFID) {
        if (focus_on(hwnd, IDC_SR_SEARCH)) {
            search_action(hwnd);
            return TRUE;
        }
        if (focus_on(hwnd, IDC_SR_TO) || focus_on(hwnd, IDC_SR_FROM)) {
            replace_action(hwnd);
            return TRUE;
        }
    }
    lastDial = (int)message;

    switch (message) {
    case WM_INITDIALOG:
        return open_dialog(hwnd);
    case WM_COMMAND:
        return on_command(hwnd, wParam);
    case WM_CLOSE:
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    case WM_DESTROY:
        on_destroy(hwnd);
        return FALSE;
    case WM_PAINT:
        paint_background(hwnd);
        return FALSE;
    case WM_CTLCOLORSTATIC:
        SetTextColor((HDC)wParam, 0x00FFFFFF);
        SetBkMode((HDC)wParam, TRANSPARENT);
        return (INT_PTR)hBrushSearchBackground;
    case WM_GETDLGCODE:
        return dialog_code(hwnd, lParam);
    default:
        return FALSE;
    }
}
