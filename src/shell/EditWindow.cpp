// Process entry, the main window, and the start-up that builds the window tree.
#include "EditWindow.h"

#include "../lang/strings.h"
#include "../settings/record.h"

#include <wchar.h>

HWND mHwnd;
HINSTANCE mhI;
HWND hEdit;
HWND hOutput;
HWND hTopBar;
HWND hJump;
HFONT hNormalFont;
HFONT hOldFont;
HBRUSH hBrushBlack;
WNDPROC OldEditProc;
wchar_t currentPathA[260];
COLORREF textColor = 0x00FFFFFF;
COLORREF backgroundColor = 0x00000000;
WManager okno_dzialan;
WManager okno_skoku;
const wchar_t CLASS_NAME[] = L"MainWindowClass";

static const DWORD BAR_STYLE = 0x50010001;    // WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_CENTER
static const DWORD EDIT_STYLE = 0x50A00044;   // WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_AUTOVSCROLL | ES_MULTILINE
static const DWORD CONTROL_STYLE = 0x50010001; // BS_DEFPUSHBUTTON for buttons, ES_CENTER for edits

static int screen_width() { return GetSystemMetrics(SM_CXSCREEN); }
static int screen_height() { return GetSystemMetrics(SM_CYSCREEN); }

void get_current_directory()
{
    GetCurrentDirectoryW(260, currentPathA);
}

int UpdateCursorPos(HWND edit)
{
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, 0);
    return (int)start;
}

void CenterWindow(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    int x = (screen_width() - (r.right - r.left)) / 2;
    int y = (screen_height() - (r.bottom - r.top)) / 2;
    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

static HFONT create_ui_font()
{
    return CreateFontW(18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FF_SWISS | DEFAULT_PITCH, L"Arial");
}

static void create_main_children(HWND window)
{
    hNormalFont = create_ui_font();
    hOldFont = create_ui_font();
    hEdit = CreateWindowExW(0, L"EDIT", L"", EDIT_STYLE, 1, 40, screen_width() - 90,
                            screen_height() - 210, window, (HMENU)IDC_EDIT, mhI, NULL);
    SendMessageW(hEdit, WM_SETFONT, (WPARAM)hNormalFont, FALSE);
    OldEditProc = (WNDPROC)SetWindowLongPtrW(hEdit, GWLP_WNDPROC, (LONG_PTR)NewEditProc);
    hBrushBlack = CreateSolidBrush(0x00000000);
}

// Fills the client area with the background colour and frames it in light grey.
static void paint_framed(HWND window, COLORREF fill)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, 0x00CDCDCD);
    FillRect(dc, &r, brush);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
    DeleteObject(pen);
    EndPaint(window, &ps);
}

void paint_dark_frame(HWND window)
{
    paint_framed(window, 0x00141414);
}

static LRESULT colour_edit(HDC dc, HWND control)
{
    if (control == hEdit) {
        SetTextColor(dc, textColor);
        SetBkColor(dc, backgroundColor);
    } else {
        SetTextColor(dc, 0x00FFFFFF);
        SetBkColor(dc, 0x00000000);
    }
    return (LRESULT)hBrushBlack;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        create_main_children(window);
        return 0;
    case WM_PAINT:
        paint_framed(window, backgroundColor);
        return 0;
    case WM_CTLCOLOREDIT:
        return colour_edit((HDC)wParam, (HWND)lParam);
    case WM_COMMAND:
        return 0;
    case WM_DESTROY:
        DeleteObject(hBrushBlack);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// ---- Window groups -----------------------------------------------------------

void PokazOkna(WManager* group, const int* slots, int count)
{
    for (int i = 0; i < count; ++i)
        ShowWindow(group->okna[slots[i]], SW_SHOW);
}

void UkryjOkna(WManager* group, const int* slots, int count)
{
    for (int i = 0; i < count; ++i)
        ShowWindow(group->okna[slots[i]], SW_HIDE);
}

void PokazWszystkieOkna(WManager* group)
{
    for (int i = 0; i < group->liczba_okien; ++i)
        ShowWindow(group->okna[i], SW_SHOW);
}

void UkryjWszystkieOkna(WManager* group)
{
    for (int i = 0; i < group->liczba_okien; ++i)
        ShowWindow(group->okna[i], SW_HIDE);
}

void ResetujPozycjeOkien(WManager* group)
{
    for (int i = 0; i < group->liczba_okien; ++i) {
        const RECT& p = group->pozycje[i];
        SetWindowPos(group->okna[i], NULL, p.left, p.top, p.right, p.bottom, SWP_NOZORDER);
    }
}

// One control of a group: what to create and where it goes.
struct ControlPlan {
    int id;
    const wchar_t* class_name;
    const wchar_t* caption;
    int x, y, width, height;
};

// Steps 2 to 8 of filling a group; the top bar also moves each control at once.
static void fill_group(WManager* group, HWND parent, const ControlPlan* plan, int count,
                       HFONT font, bool move_at_once)
{
    group->liczba_okien = (signed char)count;
    for (int i = 0; i < count; ++i)
        group->okna[i] = CreateWindowExW(0, plan[i].class_name, plan[i].caption, CONTROL_STYLE,
                                         plan[i].x, plan[i].y, plan[i].width, plan[i].height,
                                         parent, (HMENU)(INT_PTR)plan[i].id, mhI, NULL);
    for (int i = 0; i < count; ++i) {
        group->pozycje[i] = RECT{plan[i].x, plan[i].y, plan[i].width, plan[i].height};
        if (move_at_once)
            SetWindowPos(group->okna[i], NULL, plan[i].x, plan[i].y, plan[i].width,
                         plan[i].height, SWP_NOZORDER);
    }
    group->pokaz_okna = PokazOkna;
    group->ukryj_okna = UkryjOkna;
    group->pokaz_wszystkie = PokazWszystkieOkna;
    group->ukryj_wszystkie = UkryjWszystkieOkna;
    for (int i = 0; i < group->liczba_okien; ++i)
        SendMessageW(group->okna[i], WM_SETFONT, (WPARAM)font, FALSE);
    ResetujPozycjeOkien(group);
    group->widoczne = 1;
    group->pokaz_wszystkie(group);
}

static void fill_top_bar()
{
    const int W = top_button_width;
    const int right = screen_width() - 370;
    const ControlPlan plan[TOP_BAR_CONTROLS] = {
        {IDC_OPEN, L"BUTTON", langs[0], 2, 2, W, 25},
        {IDC_SAVE, L"BUTTON", langs[1], W, 2, W, 25},
        {IDC_SAVE_AS, L"BUTTON", langs[2], 2 * W, 2, W, 25},
        {IDC_COMPILE, L"BUTTON", langs[3], 3 * W, 2, W, 25},
        {IDC_RUN, L"BUTTON", langs[4], 4 * W, 2, W, 25},
        {IDC_SETTINGS, L"BUTTON", langs[5], 5 * W, 2, W, 25},
        {IDC_SEARCH, L"BUTTON", langs[6], 6 * W, 2, W, 25},
        {IDC_COMMAND, L"BUTTON", langs[7], 7 * W, 2, W, 25},
        {IDC_LINE_NUMBER, L"EDIT", langs[8], right, 2, 40, 25},
        {IDC_GO, L"BUTTON", langs[9], right + 41, 2, 40, 25},
        {IDC_NUMBER, L"EDIT", L"1", right + 82, 2, 40, 25},
        {IDC_NUMBER_DOWN, L"BUTTON", L"-", right + 123, 2, 40, 25},
        {IDC_NUMBER_UP, L"BUTTON", L"+", right + 164, 2, 40, 25},
        {IDC_SHIFT_LEFT, L"BUTTON", L"<---", right + 205, 2, 40, 25},
        {IDC_SHIFT_RIGHT, L"BUTTON", L"--->", right + 246, 2, 40, 25},
        {IDC_SHORTCUTS, L"BUTTON", L"?", right + 287, 2, 40, 25},
        {IDC_JUMP_TOGGLE, L"BUTTON", L">", right + 328, 2, 40, 25},
    };
    fill_group(&okno_dzialan, hTopBar, plan, TOP_BAR_CONTROLS, hNormalFont, true);
}

static void fill_jump_bar()
{
    ControlPlan plan[JUMP_COUNT];
    for (int j = 0; j < JUMP_COUNT; ++j)
        plan[j] = ControlPlan{IDC_JUMP_FIRST + j, L"BUTTON", L" ", 2, 5 + 22 * j, 87, 20};
    fill_group(&okno_skoku, hJump, plan, JUMP_COUNT, hOldFont, false);
}

void init()
{
    const int CX = screen_width();
    const int CY = screen_height();
    SendMessageW(hEdit, EM_LIMITTEXT, EDIT_TEXT_LIMIT, 0);
    load_langs();
    current_file[0] = L'\0';
    hTopBar = CreateWindowExW(0, L"STATIC", L"", BAR_STYLE, 0, 0, CX, 33, mHwnd,
                              (HMENU)IDC_TOPBAR, mhI, NULL);
    hJump = CreateWindowExW(0, L"STATIC", L"", BAR_STYLE, CX - 101, 33, 99, CY - 98, mHwnd,
                            (HMENU)IDC_JUMPBAR, mhI, NULL);
    hOutput = CreateWindowExW(0, L"EDIT", L"", EDIT_STYLE, 1, CY - 201, CX - 90, 100, mHwnd,
                              (HMENU)IDC_OUTPUT, mhI, NULL);
    SendMessageW(hOutput, WM_SETFONT, (WPARAM)hNormalFont, FALSE);
    SetWindowSubclass(hTopBar, TopBar, 0, 0);
    SetWindowSubclass(hJump, JumpProc, 0, 0);
    ShowWindow(hEdit, SW_SHOW);
    ShowWindow(hTopBar, SW_SHOWNORMAL);
    ShowWindow(hJump, SW_SHOWNORMAL);
    fill_top_bar();
    ShowWindow(mHwnd, SW_SHOWMAXIMIZED);
    SetCursor(LoadCursorW(NULL, IDC_ARROW));
    SetWindowTextW(hEdit, L"");
    project_name[0] = L'\0';
    fill_jump_bar();
    ShowWindow(hJump, SW_SHOW);
    write_default_settings(ustawienia);
    MoveWindow(hEdit, 1, 33, CX - 102, CY - 203, TRUE);
    MoveWindow(hOutput, 1, CY - 170, CX - 102, 170, TRUE);
    for (int j = 0; j < JUMP_COUNT; ++j)
        SetWindowTextW(okno_skoku.okna[j], ustawienia.jumpNames[j]);
    SetFocus(hEdit);
}

BOOL create_main_window(HINSTANCE instance)
{
    get_current_directory();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
    wc.lpszClassName = CLASS_NAME;
    if (!RegisterClassW(&wc))
        return FALSE;
    InitCommonControls();
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    mhI = instance;
    HWND window = CreateWindowExW(0, CLASS_NAME, L"", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  -3, work.top, work.right - work.left + 20,
                                  work.bottom - work.top, NULL, NULL, instance, NULL);
    if (!window)
        return FALSE;
    mHwnd = window;
    mhI = instance;
    init();
    return TRUE;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    if (!create_main_window(instance))
        return 0;
    ShowWindow(mHwnd, SW_SHOWNORMAL);
    UpdateWindow(mHwnd);
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
