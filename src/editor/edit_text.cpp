// Reading the edit area's text and writing replacements into it whole.
#include "edit_text.h"

#include <stdlib.h>

wchar_t* copy_edit_text(HWND edit, size_t* length)
{
    int n = GetWindowTextLengthW(edit);
    if (n < 0)
        n = 0;
    wchar_t* text = (wchar_t*)malloc(((size_t)n + 1) * sizeof(wchar_t));
    if (!text)
        return NULL;
    int got = GetWindowTextW(edit, text, n + 1);
    if (got < 0)
        got = 0;
    text[got] = L'\0';
    *length = (size_t)got;
    return text;
}

void replace_selection(HWND edit, const wchar_t* text, size_t length, BOOL undo)
{
    // The control cuts an EM_REPLACESEL that would pass its limit; the limit is
    // there for typing only, so it must not cut what a command writes.
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    size_t total = (size_t)GetWindowTextLengthW(edit) - (end - start) + length;
    LRESULT limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
    bool raise = total > (size_t)limit;
    if (raise)
        SendMessageW(edit, EM_SETLIMITTEXT, (WPARAM)total, 0);
    SendMessageW(edit, EM_REPLACESEL, undo, (LPARAM)text);
    if (raise)
        SendMessageW(edit, EM_SETLIMITTEXT, (WPARAM)limit, 0);
}
