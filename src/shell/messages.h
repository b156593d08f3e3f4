// Message boxes: one helper per kind, and the report of a dialog that failed to open.
#pragma once

#include <windows.h>

void show_error(HWND owner, const wchar_t* text, const wchar_t* caption);
void show_warning(HWND owner, const wchar_t* text, const wchar_t* caption);
void show_info(HWND owner, const wchar_t* text, const wchar_t* caption);
// A box with the OK button alone and no icon.
void show_plain(HWND owner, const wchar_t* text, const wchar_t* caption);

// "Memory allocation failed." with caption "Error", error icon, no owner.
void show_allocation_failure();

// Opens a dialog template modally with no owner; when it cannot be created,
// shows "DialogBox failed! Error code: %lu" with caption "Error".
void run_dialog(int template_id, DLGPROC procedure);
