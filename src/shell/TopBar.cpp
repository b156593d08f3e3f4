// The top bar: paints itself and turns its buttons into the editor's commands.
#include "EditWindow.h"
#include "messages.h"

#include "../settings/record.h"

#include <stdlib.h>
#include <wchar.h>

int getIntegerFromWindow(HWND window)
{
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return _wtoi(text);
}

static void open_text_file()
{
    OpenFileAndLoadToEdit(hEdit, hTopBar);
    InvalidateRect(mHwnd, NULL, TRUE);
    UpdateWindow(mHwnd);
}

// Save and Save as: the text is taken before the dialog, written to whatever
// current_file names afterwards (nothing when the dialog was cancelled).
static void save_text(bool always_ask)
{
    int length = GetWindowTextLengthW(hEdit);
    wchar_t* text = (wchar_t*)malloc(((size_t)length + 1) * sizeof(wchar_t));
    if (!text) {
        show_allocation_failure();
        return;
    }
    GetWindowTextW(hEdit, text, length + 1);
    if (always_ask || current_file[0] == L'\0')
        SaveFileDialog(current_file, 260, NULL);
    SaveTextToFile(current_file, text);
    free(text);
}

static void compile()
{
    SetWindowTextW(hOutput, L"Kompilowanie");
    InvalidateRect(hOutput, NULL, TRUE);
    UpdateWindow(hOutput);
    wchar_t name[256];
    get_value_after_option(ustawienia.compilerCommand, L"-o", name, 256);
    // "del %s", cut to 255 characters in all.
    wchar_t del[256] = L"del ";
    wcsncat(del, name, 255 - 4);
    SetCurrentDirectoryW(currentPathA);
    RunCommandAndRedirect(del);
    RunCommandAndRedirect(ustawienia.compilerCommand);
}

static void run_program()
{
    SetCurrentDirectoryW(currentPathA);
    wchar_t name[256];
    get_value_after_option(ustawienia.compilerCommand, L"-o", name, 156);
    RunCommandAndRedirect(name);
}

static HWND number_edit() { return okno_dzialan.okna[10]; }

// "-" and "+": step the number within 1 to 8; a typed value outside is still
// stepped toward that range.
static void step_number(int step)
{
    int n = getIntegerFromWindow(number_edit());
    if ((step < 0 && n > 1) || (step > 0 && n <= 7)) {
        wchar_t text[16];
        swprintf(text, 16, L"%d", n + step);
        text[4] = L'\0';  // the number is written back with at most 4 characters
        SetWindowTextW(number_edit(), text);
    }
    SetFocus(hEdit);
}

static void toggle_jump_bar()
{
    const int CX = GetSystemMetrics(SM_CXSCREEN);
    const int CY = GetSystemMetrics(SM_CYSCREEN);
    HWND toggle = okno_dzialan.okna[16];
    wchar_t caption[2] = L"";
    GetWindowTextW(toggle, caption, 2);
    int width;
    if (caption[0] == L'>') {
        SetWindowTextW(toggle, L"<");
        ShowWindow(hJump, SW_HIDE);
        width = CX - 2;
    } else {
        SetWindowTextW(toggle, L">");
        ShowWindow(hJump, SW_SHOW);
        width = CX - 102;
    }
    MoveWindow(hEdit, 1, 33, width, CY - 203, TRUE);
    MoveWindow(hOutput, 1, CY - 170, width, 170, TRUE);
    const HWND repaint[] = {hEdit, hOutput, mHwnd};
    for (HWND w : repaint) {
        InvalidateRect(w, NULL, TRUE);
        UpdateWindow(w);
    }
    SetFocus(hEdit);
}

static void go_to_line()
{
    ScrollEditAndHighlightLine(hTopBar, hEdit);
    SetFocus(hEdit);
}

// Runs one top-bar command; false for IDs that are not commands.
static bool run_command(int id)
{
    switch (id) {
    case IDC_OPEN: open_text_file(); break;
    case IDC_SAVE: save_text(false); break;
    case IDC_SAVE_AS: save_text(true); break;
    case IDC_COMPILE: compile(); break;
    case IDC_RUN: run_program(); break;
    case IDC_SETTINGS: run_dialog(IDD_SETTINGS, DialogProc); break;
    case IDC_SHIFT_LEFT: removeExtraSpaces(hEdit, getIntegerFromWindow(number_edit())); break;
    case IDC_SHIFT_RIGHT: addLineBreaks(hEdit, getIntegerFromWindow(number_edit())); break;
    case IDC_JUMP_TOGGLE: toggle_jump_bar(); break;
    case IDC_NUMBER_DOWN: step_number(-1); break;
    case IDC_NUMBER_UP: step_number(+1); break;
    case IDC_SEARCH: run_dialog(IDD_SEARCH, SearchReplaceProc); break;
    case IDC_SHORTCUTS: run_dialog(IDD_HELP, HelpDialogProc); break;
    case IDC_GO: go_to_line(); break;
    case IDC_COMMAND: ExecuteSystemCommand(ustawienia.systemCommand); break;
    default: return false;
    }
    return true;
}

LRESULT CALLBACK TopBar(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint_dark_frame(window);
        return 0;
    case WM_COMMAND:
        if (run_command(LOWORD(wParam)))
            return 0;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
