// The edit area's own window procedure: the editor's keys on top of the EDIT control.
#include "../shell/EditWindow.h"
#include "../shell/messages.h"
#include "edit_text.h"
#include "text_ops.h"

#include <limits.h>
#include <stdlib.h>

int get_spaces_at_front(const wchar_t* text)
{
    // The terminator is no space, so the count stops there at the latest.
    size_t n = count_leading_spaces(text, (size_t)-1);
    return n > INT_MAX ? INT_MAX : (int)n;
}

static bool is_down(int key)
{
    return GetKeyState(key) < 0;
}

// Puts text in at p: a selection collapses to its start and stays in the text.
static void insert_at(HWND edit, int p, const wchar_t* text, size_t length)
{
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (start != (DWORD)p || end != (DWORD)p)
        SendMessageW(edit, EM_SETSEL, p, p);
    replace_selection(edit, text, length, FALSE);
}

// A line break followed by the given number of spaces, put in at p.
static void insert_indented_break(HWND edit, int p, size_t spaces)
{
    wchar_t* line = new_line_with_indent(spaces);
    if (!line) {
        show_allocation_failure();
        return;
    }
    insert_at(edit, p, line, spaces + 2);
    free(line);
}

static void plain_line_break(HWND edit)
{
    insert_at(edit, UpdateCursorPos(edit), L"\r\n", 2);
}

// A copy of the whole text with the caret position and the start of its line; on a
// failed allocation, the box and null.
static wchar_t* copy_with_caret_line(HWND edit, int* p, size_t* start, size_t* length)
{
    *p = UpdateCursorPos(edit);
    wchar_t* text = copy_edit_text(edit, length);
    if (!text) {
        show_allocation_failure();
        return nullptr;
    }
    if ((size_t)*p > *length)
        *p = (int)*length;
    *start = line_start(text, (size_t)*p);
    return text;
}

// The new line starts with as many spaces as the caret's line does.
static void indented_line_break(HWND edit)
{
    int p;
    size_t start, length;
    wchar_t* text = copy_with_caret_line(edit, &p, &start, &length);
    if (!text)
        return;
    size_t spaces = count_leading_spaces(text + start, length - start);
    free(text);
    insert_indented_break(edit, p, spaces);
}

// The new line starts with as many spaces as fill, in the editor's font, the width of
// the text between the line's start and the caret.
static void aligned_line_break(HWND edit)
{
    int p;
    size_t start, length;
    wchar_t* text = copy_with_caret_line(edit, &p, &start, &length);
    if (!text)
        return;
    // The copy is ours: ending it at the caret leaves the text to measure.
    text[p] = L'\0';
    HDC dc = CreateCompatibleDC(NULL);
    if (!dc) {
        free(text);
        show_error(NULL, L"Nie udało się utworzyć HDC.", L"Błąd");
        return;
    }
    HGDIOBJ old_font = SelectObject(dc, hNormalFont);
    int width = CalculateTextWidth(dc, text + start);
    int space = CalculateTextWidth(dc, L" ");
    SelectObject(dc, old_font);
    DeleteDC(dc);
    free(text);
    insert_indented_break(edit, p, alignment_spaces(width, space));
}

static void save_text(void)
{
    int length = GetWindowTextLengthW(hEdit);
    wchar_t* text = (wchar_t*)malloc(((size_t)(length < 0 ? 0 : length) + 1) * sizeof(wchar_t));
    if (!text) {
        show_allocation_failure();
        return;
    }
    text[0] = L'\0';
    GetWindowTextW(hEdit, text, length + 1);
    SaveFileDialog(current_file, 260, NULL);
    SaveTextToFile(current_file, text);
    free(text);
}

static void jump_to_marker(int jump)
{
    wchar_t marker[8];
    jump_marker_text(jump, marker);
    ScrollToText(hEdit, marker);
}

static bool is_enter(WPARAM key)
{
    return key == VK_RETURN || key == 0x0A;
}

// The editor's key-down commands. Returns false for a key that goes on to the
// control; Ctrl+B does its work and goes on as well.
static bool handle_key_down(HWND hwnd, WPARAM key)
{
    const bool ctrl = is_down(VK_CONTROL);
    const bool shift = is_down(VK_SHIFT);
    if (is_enter(key) && shift && ctrl) {
        plain_line_break(hEdit);
        return true;
    }
    if (key >= '1' && key <= '9' && ctrl) {
        int digit = (int)(key - '0');
        if (shift)
            InsertTextAtCursor(hEdit, digit);
        else
            jump_to_marker(digit - 1);
        return true;
    }
    if (!ctrl)
        return false;
    switch (key) {
    case '0':
        jump_to_marker(9);
        return true;
    case 'A':
        SendMessageW(hEdit, EM_SETSEL, 0, GetWindowTextLengthW(hEdit));
        return true;
    case 'T':
        SendMessageW(hEdit, EM_SETSEL, 0, 0);
        SendMessageW(hEdit, EM_SCROLLCARET, 0, 0);
        return true;
    case 'B': {
        // After the last character: before it would sit inside a final CR LF.
        int length = GetWindowTextLengthW(hEdit);
        SendMessageW(hEdit, EM_SETSEL, length, length);
        SendMessageW(hEdit, EM_SCROLLCARET, 0, 0);
        return false;
    }
    case 'F':
        run_dialog(IDD_SEARCH, SearchReplaceProc);
        return true;
    case 'O':
        OpenFileAndLoadToEdit(hEdit, hwnd);
        return true;
    case 'S':
        save_text();
        return true;
    }
    return false;
}

// The editor's character commands. Returns false for a character that goes on to
// the control.
static bool handle_char(WPARAM ch)
{
    const bool shift = is_down(VK_SHIFT);
    if (ch == L' ' && shift) {
        // Five here and the typed one from the control: six spaces.
        replace_selection(hEdit, L"     ", 5, FALSE);
        return false;
    }
    if (ch == L'\r' || ch == L'\n') {
        if (shift)
            aligned_line_break(hEdit);
        else
            indented_line_break(hEdit);
        return true;
    }
    return false;
}

LRESULT CALLBACK NewEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (handle_key_down(hwnd, wParam))
            return 0;
        break;
    case WM_CHAR:
        if (handle_char(wParam))
            return 0;
        break;
    case WM_ERASEBKGND:
        return 1;
    }
    return CallWindowProcW(OldEditProc, hwnd, message, wParam, lParam);
}
