// Line tools: shifting selected lines and inserting jump markers.
#include "../shell/EditWindow.h"
#include "../shell/messages.h"
#include "edit_text.h"
#include "text_ops.h"

#include <stdlib.h>

static void redraw_off(HWND edit)
{
    SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
}

static void redraw_on(HWND edit)
{
    SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
}

// Writes the shifted selection over the old one, keeps it selected and repaints.
static void write_shifted(HWND edit, DWORD start, DWORD end, const wchar_t* out, size_t length)
{
    SendMessageW(edit, EM_SETSEL, start, end);
    replace_selection(edit, out, length, FALSE);
    SendMessageW(edit, EM_SETSEL, start, start + length);
}

static void repaint(HWND edit)
{
    redraw_on(edit);
    InvalidateRect(edit, NULL, TRUE);
    UpdateWindow(edit);
}

void addLineBreaks(HWND edit, int n)
{
    redraw_off(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (start == end) {
        show_error(NULL, L"Brak zaznaczenia.", L"Błąd");
        redraw_on(edit);
        return;
    }
    size_t text_length = 0;
    wchar_t* text = copy_edit_text(edit, &text_length);
    if (!text) {
        show_error(NULL, L"Błąd alokacji pamięci.", L"Błąd");
        redraw_on(edit);
        return;
    }
    if (end > text_length)
        end = (DWORD)text_length;
    if (start > end)
        start = end;
    // The selection is read in place inside the copy of the whole text.
    const wchar_t* selected = text + start;
    const size_t length = end - start;
    size_t out_length = 0;
    wchar_t* out = NULL;
    // The rest of the text counts too: the result must fit into the edit area.
    if (shifted_right_length(length, count_line_breaks(selected, length), n, &out_length) &&
        out_length <= EDIT_TEXT_MAX - (text_length - length))
        out = (wchar_t*)malloc((out_length + 1) * sizeof(wchar_t));
    if (!out) {
        free(text);
        show_error(NULL, L"Błąd alokacji pamięci dla nowego tekstu.", L"Błąd");
        redraw_on(edit);
        return;
    }
    size_t written = shift_lines_right(selected, length, n, out);
    write_shifted(edit, start, end, out, written);
    free(out);
    free(text);
    repaint(edit);
}

void removeExtraSpaces(HWND edit, int n)
{
    redraw_off(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (end <= start) {
        redraw_on(edit);
        return;
    }
    size_t text_length = 0;
    wchar_t* text = copy_edit_text(edit, &text_length);
    if (end > text_length)
        end = (DWORD)text_length;
    const size_t length = end > start ? end - start : 0;
    wchar_t* out = text ? (wchar_t*)malloc((length + 1) * sizeof(wchar_t)) : NULL;
    if (!out) {
        free(text);
        redraw_on(edit);
        return;
    }
    size_t written = shift_lines_left(text + start, length, n, out);
    write_shifted(edit, start, end, out, written);
    free(out);
    free(text);
    repaint(edit);
}

void InsertTextAtCursor(HWND edit, int index)
{
    const wchar_t* line = marker_line_text(index);
    if (!line)
        return;
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, 0);
    replace_selection(edit, line, MARKER_LINE_LENGTH, TRUE);
    SendMessageW(edit, EM_SETSEL, start + MARKER_LINE_LENGTH, start + MARKER_LINE_LENGTH);
}
