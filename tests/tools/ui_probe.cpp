// Looks at a running editor from another process, for the end-to-end scripts:
//   ui_probe wait                      waits until the main window is shown
//   ui_probe where ID [TITLE]          screen point at the middle of control ID
//   ui_probe text ID [TITLE]           its text, in UTF-8
//   ui_probe title [TITLE]             the caption of the main window (or dialog)
//   ui_probe sel ID [TITLE]            the selection of edit control ID: "start end"
//   ui_probe set ID TEXT [TITLE]       sets a control's text
//   ui_probe dialog TITLE              waits until a window with that caption shows
//   ui_probe gone TITLE                waits until no window has that caption
// Controls are looked up below the main window, or below the top-level window
// whose caption is TITLE; a TITLE of the form #N names the shown dialog that holds
// a control with ID N (so no caption needs to be typed on a command line). With
// EDITWINDOW_EXE set, only windows of that executable's process count.
#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <string>

#include "own_window.h"

namespace {

HWND find_top(const wchar_t* title)
{
    static const std::wstring exe = executable_from_environment();
    if (!title)
        return find_own_window(L"MainWindowClass", NULL, 0, exe);
    if (title[0] == L'#')
        return find_own_window(L"#32770", NULL, _wtoi(title + 1), exe);
    return find_own_window(NULL, title, 0, exe);
}

HWND wait_top(const wchar_t* title, bool present, DWORD ms = 15000)
{
    DWORD start = GetTickCount();
    do {
        HWND w = find_top(title);
        if (present && w && IsWindowVisible(w))
            return w;
        if (!present && !(w && IsWindowVisible(w)))
            return (HWND)1;
        Sleep(50);
    } while (GetTickCount() - start < ms);
    return NULL;
}

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK by_id(HWND w, LPARAM p)
{
    Search* s = (Search*)p;
    if (GetDlgCtrlID(w) == s->id && IsWindowVisible(w)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND find_control(HWND top, int id)
{
    Search s{id, NULL};
    EnumChildWindows(top, by_id, (LPARAM)&s);
    return s.found;
}

std::wstring text_of(HWND w)
{
    DWORD_PTR n = 0;
    SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &n);
    std::wstring s(n + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, n + 1, (LPARAM)s.data(), SMTO_ABORTIFHUNG, 5000, &got);
    s.resize(got);
    return s;
}

void print_utf8(const std::wstring& s)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), (int)s.size(), NULL, 0, NULL, NULL);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.c_str(), (int)s.size(), out.data(), n, NULL, NULL);
    fwrite(out.data(), 1, out.size(), stdout);
}

}  // namespace

int main()
{
    _setmode(_fileno(stdout), _O_BINARY);
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) {
        fprintf(stderr, "usage: ui_probe wait|where|text|title|set|dialog|gone ...\n");
        return 2;
    }
    std::wstring verb = argv[1];
    if (verb == L"wait")
        return wait_top(NULL, true) ? 0 : 1;
    if (verb == L"dialog" && argc > 2)
        return wait_top(argv[2], true) ? 0 : 1;
    if (verb == L"gone" && argc > 2)
        return wait_top(argv[2], false) ? 0 : 1;
    if (verb == L"title") {
        HWND top = wait_top(argc > 2 ? argv[2] : NULL, true);
        if (!top)
            return 1;
        print_utf8(text_of(top));
        return 0;
    }
    if (argc < 3)
        return 2;
    int id = _wtoi(argv[2]);
    const wchar_t* title = NULL;
    std::wstring value;
    if (verb == L"set") {
        if (argc < 4)
            return 2;
        value = argv[3];
        title = argc > 4 ? argv[4] : NULL;
    } else {
        title = argc > 3 ? argv[3] : NULL;
    }
    HWND top = wait_top(title, true);
    if (!top) {
        fprintf(stderr, "ui_probe: no such window\n");
        return 1;
    }
    HWND control = find_control(top, id);
    if (!control) {
        fprintf(stderr, "ui_probe: no control %d\n", id);
        return 1;
    }
    if (verb == L"where") {
        RECT r;
        GetWindowRect(control, &r);
        printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    if (verb == L"sel") {
        DWORD_PTR packed = 0;
        SendMessageTimeoutW(control, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &packed);
        printf("%u %u\n", (unsigned)LOWORD(packed), (unsigned)HIWORD(packed));
        return 0;
    }
    if (verb == L"text") {
        print_utf8(text_of(control));
        return 0;
    }
    if (verb == L"set") {
        DWORD_PTR r;
        SendMessageTimeoutW(control, WM_SETTEXT, 0, (LPARAM)value.c_str(), SMTO_ABORTIFHUNG, 5000, &r);
        return 0;
    }
    return 2;
}
