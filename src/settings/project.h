// Project files on disk and the settings dialog's topmost bit, shared by the dialog
// and the project commands.
#pragma once

#include <windows.h>

#include "record.h"

// Sets or clears the dialog's topmost bit, in its extended style and in the z-order.
void set_topmost_bit(HWND dialog, bool on);

// Writes the record's project image to a temporary file beside the path and puts it
// in the path's place only when all of it was written. On failure nothing named
// path is touched and false is returned.
bool write_project_file(const wchar_t* path, const Settings& record);

enum ProjectReadResult {
    PROJECT_READ = 0,
    PROJECT_NOT_OPENED = 1,
    PROJECT_TOO_SHORT = 2,
};

// Reads a project file into a buffer of its own; only a file of at least the image
// size replaces the record. Otherwise the record is left as it was.
ProjectReadResult read_project_file(const wchar_t* path, Settings& record);
