// Reading the edit area's text and writing replacements into it whole.
#pragma once

#include <windows.h>
#include <stddef.h>

// A terminated copy of the control's whole text (release with free) and its length;
// NULL when the buffer cannot be allocated.
wchar_t* copy_edit_text(HWND edit, size_t* length);

// EM_REPLACESEL of text (length characters) over the current selection. The typing
// limit is raised for the call and put back after it, so the whole text goes in.
void replace_selection(HWND edit, const wchar_t* text, size_t length, BOOL undo);
