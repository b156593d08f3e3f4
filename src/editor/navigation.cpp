// Navigation: markers, search, go to line, text widths.
#include "../shell/EditWindow.h"
#include "../shell/messages.h"
#include "edit_text.h"
#include "text_ops.h"

#include <stdlib.h>
#include <wchar.h>

// Every marker is this long, and the jump selects this many characters.
static const int MARKER_LENGTH = 7;

void ScrollToText(HWND edit, const wchar_t* marker)
{
    if (GetWindowTextLengthW(edit) == 0) {
        show_plain(NULL, L"No text in the edit control.", L"Error");
        return;
    }
    size_t length = 0;
    wchar_t* text = copy_edit_text(edit, &length);
    if (!text) {
        show_plain(NULL, L"Memory allocation failed.", L"Error");
        return;
    }
    size_t p = find_text(text, length, marker, wcslen(marker), 0);
    free(text);
    if (p == TEXT_NOT_FOUND)
        return;
    // Scrolling down by the marker's line number puts that line at or above the
    // top of the view, so that bringing the caret in shows it as the first line.
    LRESULT line = SendMessageW(edit, EM_LINEFROMCHAR, p, 0);
    SendMessageW(edit, EM_LINESCROLL, 0, line);
    SendMessageW(edit, EM_SETSEL, p, p);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_SETSEL, p, p + MARKER_LENGTH);
    SetFocus(edit);
}

void findTextInEdit(HWND edit, const wchar_t* what)
{
    if (GetWindowTextLengthW(edit) == 0)
        return;
    size_t length = 0;
    wchar_t* text = copy_edit_text(edit, &length);
    if (!text)
        return;
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, 0);
    size_t what_length = wcslen(what);
    // Starting one past the selection's start visits overlapping occurrences too.
    size_t p = find_text(text, length, what, what_length, (size_t)start + 1);
    if (p == TEXT_NOT_FOUND)
        p = find_text(text, length, what, what_length, 0);
    if (p != TEXT_NOT_FOUND) {
        SendMessageW(edit, EM_SETSEL, p, p + what_length);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    }
    SetFocus(edit);
    free(text);
}

void ScrollEditAndHighlightLine(HWND parent, HWND edit)
{
    HWND field = GetDlgItem(parent, IDC_LINE_NUMBER);
    if (!field) {
        show_error(parent, L"Nie znaleziono pola tekstowego o ID 315!", L"Błąd");
        return;
    }
    wchar_t typed[16] = L"";
    GetWindowTextW(field, typed, 16);
    int number = _wtoi(typed);
    if (number <= 0) {
        show_warning(parent, L"Podano nieprawidłowy numer linii!", L"Błąd");
        return;
    }
    LRESULT first = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(edit, EM_LINESCROLL, 0, -first);
    SendMessageW(edit, EM_LINESCROLL, 0, number - 1);
    LRESULT index = SendMessageW(edit, EM_LINEINDEX, number - 1, 0);
    LRESULT length = index == -1 ? 0 : SendMessageW(edit, EM_LINELENGTH, index, 0);
    if (index != -1 && length != 0)
        SendMessageW(edit, EM_SETSEL, index, index + length);
    else
        show_warning(parent, L"Nie można podświetlić linii!", L"Błąd");
}

int CalculateTextWidth(HDC dc, const wchar_t* text)
{
    SIZE size = {};
    if (!GetTextExtentPoint32W(dc, text, (int)wcslen(text), &size))
        return 0;
    return size.cx;
}
