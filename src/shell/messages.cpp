// Message boxes shared by every part of the editor.
#include "messages.h"

#include "EditWindow.h"

void show_error(HWND owner, const wchar_t* text, const wchar_t* caption)
{
    MessageBoxW(owner, text, caption, MB_ICONERROR);
}

void show_warning(HWND owner, const wchar_t* text, const wchar_t* caption)
{
    MessageBoxW(owner, text, caption, MB_ICONWARNING);
}

void show_info(HWND owner, const wchar_t* text, const wchar_t* caption)
{
    MessageBoxW(owner, text, caption, MB_ICONINFORMATION);
}

void show_plain(HWND owner, const wchar_t* text, const wchar_t* caption)
{
    MessageBoxW(owner, text, caption, MB_OK);
}

void show_allocation_failure()
{
    show_error(NULL, L"Memory allocation failed.", L"Error");
}

void run_dialog(int template_id, DLGPROC procedure)
{
    if (DialogBoxParamW(mhI, MAKEINTRESOURCEW(template_id), NULL, procedure, 0) == -1) {
        wchar_t text[300];
        wsprintfW(text, L"DialogBox failed! Error code: %lu", GetLastError());
        show_error(NULL, text, L"Error");
    }
}
