// Opening and saving the edited text file.
#include "../shell/EditWindow.h"

#include "editor/encoding.h"
#include "editor/text_files.h"
#include "shell/messages.h"

#include <commdlg.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

wchar_t current_file[400];

static const wchar_t FILE_FILTER[] = L"All Files\0*.*\0Text Files\0*.TXT\0";

enum { DIALOG_NAME_SIZE = 260 };

// Reads a whole file into a malloc'd buffer; false on any failure.
static bool read_whole_file(HANDLE file, unsigned char** bytes, size_t* size)
{
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file, &length) || length.QuadPart < 0 || length.QuadPart > 0x7FFFFFFF)
        return false;
    size_t total = (size_t)length.QuadPart;
    unsigned char* buffer = (unsigned char*)malloc(total ? total : 1);
    if (!buffer)
        return false;
    size_t got = 0;
    while (got < total) {
        DWORD n = 0;
        if (!ReadFile(file, buffer + got, (DWORD)(total - got), &n, NULL)) {
            free(buffer);
            return false;
        }
        if (n == 0)
            break;  // the file shrank meanwhile: take what is there
        got += n;
    }
    *bytes = buffer;
    *size = got;
    return true;
}

bool load_file_into_edit(HWND edit, const wchar_t* path, HWND owner)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        show_error(owner, L"Nie można otworzyć pliku!", L"Błąd");
        return false;
    }
    unsigned char* bytes = NULL;
    size_t size = 0;
    bool ok = read_whole_file(file, &bytes, &size);
    CloseHandle(file);
    if (!ok)
        return false;
    size_t length = 0;
    wchar_t* text = decode_file_bytes(bytes, size, &length);
    free(bytes);
    if (!text)
        return false;
    ok = SetWindowTextW(edit, text) != 0;
    free(text);
    if (!ok)
        return false;
    wcsncpy(current_file, path, 399);
    current_file[399] = L'\0';
    SetWindowTextW(mHwnd, current_file);
    return true;
}

// The open and save dialogs share their filters, name buffer and extension.
static OPENFILENAMEW text_file_dialog(HWND owner, wchar_t* name, DWORD flags)
{
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = FILE_FILTER;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = DIALOG_NAME_SIZE;
    dialog.Flags = flags;
    dialog.lpstrDefExt = L"txt";
    return dialog;
}

void OpenFileAndLoadToEdit(HWND edit, HWND owner)
{
    wchar_t name[DIALOG_NAME_SIZE] = L"";
    OPENFILENAMEW dialog = text_file_dialog(owner, name, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    if (GetOpenFileNameW(&dialog))
        load_file_into_edit(edit, name, owner);
    InvalidateRect(mHwnd, NULL, TRUE);
    UpdateWindow(mHwnd);
    InvalidateRect(edit, NULL, TRUE);
    UpdateWindow(edit);
}

void SaveFileDialog(wchar_t* path, int capacity, HWND owner)
{
    if (!path || capacity <= 0)
        return;
    wchar_t name[DIALOG_NAME_SIZE] = L"";
    if (path[0]) {
        const wchar_t* back = wcsrchr(path, L'\\');
        const wchar_t* slash = wcsrchr(path, L'/');
        const wchar_t* last = back > slash ? back : slash;
        wcsncpy(name, last ? last + 1 : path, DIALOG_NAME_SIZE - 1);
        name[DIALOG_NAME_SIZE - 1] = L'\0';
    }
    OPENFILENAMEW dialog = text_file_dialog(owner, name, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    if (GetSaveFileNameW(&dialog)) {
        wcsncpy(path, name, (size_t)capacity - 1);
        path[capacity - 1] = L'\0';
        SetWindowTextW(mHwnd, path);
    } else {
        path[0] = L'\0';
    }
}

// "Nie udało się zapisać pliku!", the path and the system's error code, cut to fit.
static void show_save_failure(const wchar_t* path, DWORD code)
{
    wchar_t message[600];
    wchar_t tail[40];
    wsprintfW(tail, L"\nKod błędu: %lu", code);
    const wchar_t head[] = L"Nie udało się zapisać pliku!\n";
    size_t room = 600 - 1 - wcslen(head) - wcslen(tail);
    wcscpy(message, head);
    wcsncat(message, path, room);
    wcscat(message, tail);
    show_error(NULL, message, L"Błąd");
}

static bool write_all(HANDLE file, const unsigned char* bytes, size_t size)
{
    while (size) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : (DWORD)size;
        DWORD put = 0;
        if (!WriteFile(file, bytes, chunk, &put, NULL) || put == 0)
            return false;
        bytes += put;
        size -= put;
    }
    return true;
}

// Creates a new file beside path for the new content; its name goes into temp.
static HANDLE create_temp_beside(const wchar_t* path, wchar_t* temp, size_t capacity)
{
    static unsigned counter;
    for (int attempt = 0; attempt < 16; ++attempt) {
        wchar_t suffix[40];
        wsprintfW(suffix, L".%lx%x.tmp~", GetCurrentProcessId(), ++counter);
        if (wcslen(path) + wcslen(suffix) + 1 > capacity)
            return INVALID_HANDLE_VALUE;
        wcscpy(temp, path);
        wcscat(temp, suffix);
        HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The target must take a writer: a read-only, locked or protected file stays as it is.
static bool target_is_writable(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return true;
    }
    return GetLastError() == ERROR_FILE_NOT_FOUND;
}

int SaveTextToFile(const wchar_t* path, const wchar_t* text)
{
    if (!path || !text || !path[0])
        return 0;
    size_t size = 0;
    unsigned char* bytes = encode_utf8(text, wcslen(text), &size);
    if (!bytes) {
        show_save_failure(path, ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    // The new content goes into a file beside the old one, which is replaced only
    // once every byte is on disk: a failure never leaves a half-written file.
    size_t capacity = wcslen(path) + 40;
    wchar_t* temp = (wchar_t*)malloc(capacity * sizeof(wchar_t));
    DWORD error = ERROR_NOT_ENOUGH_MEMORY;
    bool saved = false;
    if (temp) {
        HANDLE file = create_temp_beside(path, temp, capacity);
        if (file == INVALID_HANDLE_VALUE) {
            error = GetLastError();
        } else {
            bool written = write_all(file, bytes, size) && FlushFileBuffers(file);
            error = GetLastError();
            CloseHandle(file);
            if (written && !target_is_writable(path)) {
                written = false;
                error = GetLastError();
            }
            if (written && MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                saved = true;
            else {
                if (written)
                    error = GetLastError();
                DeleteFileW(temp);
            }
        }
        free(temp);
    }
    free(bytes);
    if (!saved) {
        show_save_failure(path, error);
        return 0;
    }
    return 1;
}
