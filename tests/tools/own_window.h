// Finds the top-level windows of the editor started from one executable. End-to-end
// tests run side by side, each on a virtual display of its own but in one Wine,
// where every process sees every window: this keeps each test to its own editor.
#pragma once

#include <windows.h>

#include <string>

// The executable the windows must come from: its full Windows path, or empty for any.
inline bool from_executable(HWND w, const std::wstring& exe)
{
    if (exe.empty())
        return true;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return false;
    wchar_t image[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    bool same = QueryFullProcessImageNameW(process, 0, image, &size) && _wcsicmp(image, exe.c_str()) == 0;
    CloseHandle(process);
    return same;
}

struct WindowQuery {
    const wchar_t* cls;    // class name, or null for any
    const wchar_t* title;  // caption, or null for any
    int control;           // an ID the window must hold, or 0
    std::wstring exe;
    HWND found;
};

inline BOOL CALLBACK match_window(HWND w, LPARAM p)
{
    WindowQuery* q = (WindowQuery*)p;
    wchar_t cls[64] = L"", title[256] = L"";
    GetClassNameW(w, cls, 64);
    GetWindowTextW(w, title, 256);
    if ((!q->cls || wcscmp(cls, q->cls) == 0) && (!q->title || wcscmp(title, q->title) == 0) &&
        (!q->control || GetDlgItem(w, q->control)) && IsWindowVisible(w) && from_executable(w, q->exe)) {
        q->found = w;
        return FALSE;
    }
    return TRUE;
}

inline HWND find_own_window(const wchar_t* cls, const wchar_t* title, int control, const std::wstring& exe)
{
    WindowQuery q{cls, title, control, exe, NULL};
    EnumWindows(match_window, (LPARAM)&q);
    return q.found;
}

// The executable named by the environment variable EDITWINDOW_EXE, if any.
inline std::wstring executable_from_environment()
{
    wchar_t path[MAX_PATH * 2] = L"";
    GetEnvironmentVariableW(L"EDITWINDOW_EXE", path, MAX_PATH * 2);
    return path;
}
