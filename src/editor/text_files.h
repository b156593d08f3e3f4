// The reading and writing halves of the file commands, without their dialogs.
#pragma once

#include <windows.h>

// Reads path into edit; on success sets current_file and the main window's title.
// Returns false when the file could not be read (the box is shown, owned by owner,
// only when the file cannot be opened); nothing is changed then.
bool load_file_into_edit(HWND edit, const wchar_t* path, HWND owner);
