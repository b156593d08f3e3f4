// The project commands of the settings dialog: save, save as and open a project file.
#include "../shell/EditWindow.h"
#include "../shell/messages.h"
#include "project.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

enum { PROJECT_PATH_CAPACITY = 260 };

static const wchar_t PROJECT_FILTER[] = L"All Files\0*.*\0Binary project\0*.bin\0All\0*.kedp\0";

void set_topmost_bit(HWND dialog, bool on)
{
    LONG_PTR style = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    style = on ? (style | WS_EX_TOPMOST) : (style & ~(LONG_PTR)WS_EX_TOPMOST);
    SetWindowLongPtrW(dialog, GWL_EXSTYLE, style);
    // The style bit alone does not move a window in or out of the topmost band.
    SetWindowPos(dialog, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The folder part of a path ("." when it has none), for a temporary file beside it.
static void folder_of(const wchar_t* path, wchar_t* folder, size_t capacity)
{
    const wchar_t* end = NULL;
    for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/' || *p == L':')
            end = p + 1;
    size_t n = end ? (size_t)(end - path) : 0;
    if (n == 0 || n >= capacity) {
        wcscpy(folder, L".");
        return;
    }
    wmemcpy(folder, path, n);
    folder[n] = L'\0';
}

static bool write_all(HANDLE file, const unsigned char* bytes, DWORD size)
{
    DWORD done = 0;
    while (done < size) {
        DWORD put = 0;
        if (!WriteFile(file, bytes + done, size - done, &put, NULL) || put == 0)
            return false;
        done += put;
    }
    return FlushFileBuffers(file) != 0;
}

bool write_project_file(const wchar_t* path, const Settings& record)
{
    wchar_t folder[MAX_PATH];
    wchar_t temporary[MAX_PATH];
    folder_of(path, folder, MAX_PATH);
    if (!GetTempFileNameW(folder, L"ewp", 0, temporary))
        return false;
    unsigned char image[PROJECT_IMAGE_SIZE];
    write_project_image(record, image);
    bool ok = false;
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        ok = write_all(file, image, PROJECT_IMAGE_SIZE);
        CloseHandle(file);
    }
    if (ok)
        ok = MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok)
        DeleteFileW(temporary);
    return ok;
}

ProjectReadResult read_project_file(const wchar_t* path, Settings& record)
{
    FILE* file = _wfopen(path, L"rb");
    if (!file)
        return PROJECT_NOT_OPENED;
    unsigned char image[PROJECT_IMAGE_SIZE];
    size_t got = 0;
    while (got < PROJECT_IMAGE_SIZE) {
        size_t n = fread(image + got, 1, PROJECT_IMAGE_SIZE - got, file);
        if (n == 0)
            break;
        got += n;
    }
    fclose(file);
    return read_project_image(image, got, record) ? PROJECT_READ : PROJECT_TOO_SHORT;
}

// Shows the open or save dialog for a project file; path receives the choice.
static bool ask_project_path(HWND dialog, bool for_open, const wchar_t* extension, wchar_t* path)
{
    OPENFILENAMEW ofn;
    memset(&ofn, 0, sizeof ofn);
    path[0] = L'\0';
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = PROJECT_FILTER;
    ofn.lpstrFile = path;
    ofn.nMaxFile = PROJECT_PATH_CAPACITY;
    if (for_open) {
        ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        ofn.lpstrTitle = L"Select a File to Open";
        return GetOpenFileNameW(&ofn) != 0;
    }
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    ofn.lpstrDefExt = extension;
    return GetSaveFileNameW(&ofn) != 0;
}

static void commit_compiler_command(HWND dialog)
{
    GetDlgItemTextW(dialog, IDC_SET_COMPILER, ustawienia.compilerCommand, COMMAND_CAPACITY);
}

static void store_project(HWND dialog)
{
    if (write_project_file(project_name, ustawienia))
        return;
    wchar_t text[PROJECT_PATH_CAPACITY + 64];
    swprintf(text, sizeof text / sizeof text[0], L"Could not write the project file %ls", project_name);
    show_error(dialog, text, L"Error");
}

void save_project(HWND dialog)
{
    commit_compiler_command(dialog);
    if (!project_name[0]) {
        set_topmost_bit(dialog, false);
        wchar_t path[PROJECT_PATH_CAPACITY];
        if (ask_project_path(dialog, false, L"kedp", path))
            wcscpy(project_name, path);
        else
            project_name[0] = L'\0';
    }
    set_topmost_bit(dialog, true);
    if (project_name[0])
        store_project(dialog);
}

int save_project_as(HWND dialog)
{
    commit_compiler_command(dialog);
    set_topmost_bit(dialog, false);
    wchar_t path[PROJECT_PATH_CAPACITY];
    if (ask_project_path(dialog, false, L"bin", path)) {
        wcscpy(project_name, path);
        store_project(dialog);
    } else {
        project_name[0] = L'\0';
    }
    set_topmost_bit(dialog, true);
    return 0;
}

// Gives the running program the settings of a freshly loaded record.
static void apply_loaded_settings(HWND dialog)
{
    if (hNormalFont)
        DeleteObject(hNormalFont);
    hNormalFont = CreateFontIndirectW(&ustawienia.fontSetting);
    textColor = ustawienia.textColorSetting;
    backgroundColor = ustawienia.backgroundColorSetting;
    SendMessageW(hEdit, WM_SETFONT, (WPARAM)hNormalFont, FALSE);
    SendMessageW(hOutput, WM_SETFONT, (WPARAM)hNormalFont, FALSE);
    InvalidateRect(hEdit, NULL, TRUE);
    InvalidateRect(hOutput, NULL, TRUE);

    SetDlgItemTextW(dialog, IDC_SET_JUMPNAME, ustawienia.jumpNames[0]);
    SendDlgItemMessageW(dialog, IDC_SET_JUMPLIST, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(dialog, IDC_SET_COMPILER, ustawienia.compilerCommand);
    SetWindowTextW(hOutput, ustawienia.compilerCommand);
    InvalidateRect(hOutput, NULL, TRUE);
    updateDialog(dialog);
    set_topmost_bit(dialog, true);
    for (int k = 0; k < JUMP_COUNT && k < okno_skoku.liczba_okien; ++k)
        SetWindowTextW(okno_skoku.okna[k], ustawienia.jumpNames[k]);
    InvalidateRect(mHwnd, NULL, TRUE);
    UpdateWindow(mHwnd);
    InvalidateRect(hEdit, NULL, TRUE);
    UpdateWindow(hEdit);
}

int open_project(HWND dialog)
{
    set_topmost_bit(dialog, false);
    wchar_t path[PROJECT_PATH_CAPACITY];
    if (!ask_project_path(dialog, true, NULL, path)) {
        show_info(dialog, L"No file selected.", L"Info");
        set_topmost_bit(dialog, true);
        return 0;
    }
    // The record, the program and the current project change only when the whole
    // image was read, so a failed open cannot lead a later save over that file.
    ProjectReadResult read = read_project_file(path, ustawienia);
    if (read != PROJECT_READ) {
        show_error(dialog, read == PROJECT_NOT_OPENED ? L"Could not open the file." : L"Error reading file.",
                   L"Error");
        updateDialog(dialog);
        set_topmost_bit(dialog, true);
        return -1;
    }
    wcscpy(project_name, path);
    apply_loaded_settings(dialog);
    return 1;
}
