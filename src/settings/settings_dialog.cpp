// The settings dialog: commands, colours, font, jump names and the project buttons.
#include "../shell/EditWindow.h"
#include "../lang/strings.h"
#include "project.h"

#include <string.h>
#include <wchar.h>

wchar_t project_name[260];
LOGFONTW lf;
HBRUSH hBrushSearchBackground;

// The settings dialog that is open, if any: a second opening brings it forward
// instead, so one dialog owns the brush and commits the commands.
static HWND open_settings_dialog;

struct CaptionSlot {
    int id;
    int slot;
};

static const CaptionSlot CAPTIONS[] = {
    {IDC_SET_JUMPSET, 0},     {IDC_SET_COMPILER_LBL, 1}, {IDC_SET_SYSTEM_LBL, 2},
    {IDC_SET_BACKGROUND, 3},  {IDC_SET_TEXTCOLOR, 4},    {IDC_SET_FONT, 5},
    {IDC_SET_OPEN_PROJ, 6},   {IDC_SET_SAVE_PROJ, 7},    {IDC_SET_SAVE_PROJ_AS, 8},
    {IDC_SET_DONE, 9},
};

static const int DIALOG_CONTROLS[] = {
    IDC_SET_JUMPLIST, IDC_SET_JUMPNAME,   IDC_SET_JUMPSET,   IDC_SET_COMPILER_LBL,
    IDC_SET_COMPILER, IDC_SET_SYSTEM_LBL, IDC_SET_SYSTEM,    IDC_SET_BACKGROUND,
    IDC_SET_TEXTCOLOR, IDC_SET_FONT,      IDC_SET_OPEN_PROJ, IDC_SET_SAVE_PROJ,
    IDC_SET_SAVE_PROJ_AS, IDC_SET_DONE,
};

// Shows a text field of the record in a control, never reading past the field.
static void show_field(HWND dialog, int id, const wchar_t* field, size_t units)
{
    wchar_t text[COMMAND_CAPACITY];
    copy_field_text(field, units, text, COMMAND_CAPACITY);
    SetDlgItemTextW(dialog, id, text);
}

static void set_font_on_group(const WManager& group, HFONT font)
{
    for (int i = 0; i < group.liczba_okien; ++i)
        SendMessageW(group.okna[i], WM_SETFONT, (WPARAM)font, FALSE);
}

void updateDialog(HWND dialog)
{
    SetWindowTextW(dialog, set_langs[10]);
    SendMessageW(dialog, WM_SETFONT, (WPARAM)hOldFont, FALSE);
    for (int id : DIALOG_CONTROLS)
        SendDlgItemMessageW(dialog, id, WM_SETFONT, (WPARAM)hOldFont, FALSE);
    for (const CaptionSlot& c : CAPTIONS)
        SetDlgItemTextW(dialog, c.id, set_langs[c.slot]);
    set_font_on_group(okno_dzialan, hOldFont);
    set_font_on_group(okno_skoku, hOldFont);
    show_field(dialog, IDC_SET_COMPILER, ustawienia.compilerCommand, COMMAND_CAPACITY);
    show_field(dialog, IDC_SET_SYSTEM, ustawienia.systemCommand, COMMAND_CAPACITY);
}

void setData(HWND dialog)
{
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND list = GetDlgItem(dialog, IDC_SET_JUMPLIST);
    for (int k = 1; k <= JUMP_COUNT; ++k) {
        wchar_t entry[16];
        swprintf(entry, 16, L"Jump %d", k);
        SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)entry);
    }
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    show_field(dialog, IDC_SET_JUMPNAME, ustawienia.jumpNames[0], JUMP_NAME_CAPACITY);
    show_field(dialog, IDC_SET_COMPILER, ustawienia.compilerCommand, COMMAND_CAPACITY);
    // What the record's fields can hold, so nothing is cut behind the user's back.
    SendDlgItemMessageW(dialog, IDC_SET_COMPILER, EM_LIMITTEXT, COMMAND_CAPACITY - 1, 0);
    SendDlgItemMessageW(dialog, IDC_SET_SYSTEM, EM_LIMITTEXT, COMMAND_CAPACITY - 1, 0);
    SendDlgItemMessageW(dialog, IDC_SET_JUMPNAME, EM_LIMITTEXT, JUMP_NAME_CAPACITY - 1, 0);
    updateDialog(dialog);
}

// Runs the colour chooser; false when it was cancelled, and then colour is untouched.
static bool choose_colour(HWND dialog, COLORREF* colour)
{
    COLORREF custom[16];
    memset(custom, 0, sizeof custom);
    CHOOSECOLORW cc;
    memset(&cc, 0, sizeof cc);
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = dialog;
    cc.rgbResult = 0x00000000;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc))
        return false;
    *colour = cc.rgbResult;
    return true;
}

COLORREF ChooseColorDialog(HWND dialog)
{
    COLORREF colour = 0x00000000;
    choose_colour(dialog, &colour);
    return colour;
}

// A cancelled chooser keeps the colour as it was.
static void pick_colour(HWND dialog, COLORREF* live, COLORREF* stored)
{
    COLORREF colour;
    if (!choose_colour(dialog, &colour))
        return;
    *live = colour;
    *stored = colour;
    InvalidateRect(mHwnd, NULL, TRUE);
    UpdateWindow(mHwnd);
}

void ChooseFontForWindow(HWND dialog)
{
    set_topmost_bit(dialog, false);
    CHOOSEFONTW cf;
    memset(&cf, 0, sizeof cf);
    memset(&lf, 0, sizeof lf);
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = dialog;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS;
    if (ChooseFontW(&cf)) {
        if (hNormalFont)
            DeleteObject(hNormalFont);
        hNormalFont = CreateFontIndirectW(&lf);
        ustawienia.fontSetting = lf;
        SendMessageW(hEdit, WM_SETFONT, (WPARAM)hNormalFont, FALSE);
        SendMessageW(hOutput, WM_SETFONT, (WPARAM)hNormalFont, FALSE);
        InvalidateRect(hEdit, NULL, TRUE);
        InvalidateRect(hOutput, NULL, TRUE);
    }
    set_topmost_bit(dialog, true);
}

static void release_dialog(HWND dialog)
{
    if (dialog != open_settings_dialog)
        return;
    if (hBrushSearchBackground)
        DeleteObject(hBrushSearchBackground);
    hBrushSearchBackground = NULL;
    open_settings_dialog = NULL;
}

// Button 2, the close box and Esc: both commands are committed on every close.
static void close_settings(HWND dialog)
{
    GetDlgItemTextW(dialog, IDC_SET_COMPILER, ustawienia.compilerCommand, COMMAND_CAPACITY);
    GetDlgItemTextW(dialog, IDC_SET_SYSTEM, ustawienia.systemCommand, COMMAND_CAPACITY);
    release_dialog(dialog);
    EndDialog(dialog, IDC_SET_DONE);
}

static INT_PTR start_settings(HWND dialog)
{
    if (open_settings_dialog && IsWindow(open_settings_dialog)) {
        // Ended before it is shown, and FALSE so that no control of it takes the focus
        // (which would activate it): the open dialog keeps its brush and its edits.
        EndDialog(dialog, 0);
        SetForegroundWindow(open_settings_dialog);
        BringWindowToTop(open_settings_dialog);
        return FALSE;
    }
    open_settings_dialog = dialog;
    hBrushSearchBackground = CreateSolidBrush(0x00141414);
    CenterWindow(dialog);
    setData(dialog);
    return TRUE;
}

static INT_PTR settings_command(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_SET_DONE:
        close_settings(dialog);
        return TRUE;
    case IDC_SET_BACKGROUND:
        pick_colour(dialog, &backgroundColor, &ustawienia.backgroundColorSetting);
        return TRUE;
    case IDC_SET_TEXTCOLOR:
        pick_colour(dialog, &textColor, &ustawienia.textColorSetting);
        return TRUE;
    case IDC_SET_FONT:
        ChooseFontForWindow(dialog);
        return TRUE;
    case IDC_SET_JUMPLIST:
        if (HIWORD(wParam) == CBN_SELCHANGE)
            updateJumper(dialog);
        return TRUE;
    case IDC_SET_OPEN_PROJ:
        open_project(dialog);
        return TRUE;
    case IDC_SET_SAVE_PROJ:
        save_project(dialog);
        return TRUE;
    case IDC_SET_SAVE_PROJ_AS:
        save_project_as(dialog);
        return TRUE;
    case IDC_SET_JUMPSET:
        setJumper(dialog);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return start_settings(dialog);
    case WM_CTLCOLORSTATIC:
        SetTextColor((HDC)wParam, 0x00FFFFFF);
        SetBkMode((HDC)wParam, TRANSPARENT);
        return (INT_PTR)hBrushSearchBackground;
    case WM_PAINT:
        paint_dark_frame(dialog);
        return FALSE;
    case WM_COMMAND:
        return settings_command(dialog, wParam);
    case WM_DESTROY:
        release_dialog(dialog);
        return FALSE;
    }
    return FALSE;
}
