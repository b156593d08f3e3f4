// Editing the jump names from the settings dialog.
#include "../shell/EditWindow.h"
#include "../settings/record.h"

#include <wchar.h>

// The jump selected in the dialog's list, or -1 when there is none.
static int selected_jump(HWND dialog)
{
    LRESULT k = SendDlgItemMessageW(dialog, IDC_SET_JUMPLIST, CB_GETCURSEL, 0, 0);
    return (k >= 0 && k < JUMP_COUNT) ? (int)k : -1;
}

void updateJumper(HWND dialog)
{
    int k = selected_jump(dialog);
    if (k < 0)
        return;
    wchar_t name[JUMP_NAME_CAPACITY];
    copy_field_text(ustawienia.jumpNames[k], JUMP_NAME_CAPACITY, name, JUMP_NAME_CAPACITY);
    SetDlgItemTextW(dialog, IDC_SET_JUMPNAME, name);
}

void setJumper(HWND dialog)
{
    wchar_t name[JUMP_NAME_CAPACITY];
    GetDlgItemTextW(dialog, IDC_SET_JUMPNAME, name, JUMP_NAME_CAPACITY);
    int k = selected_jump(dialog);
    if (k < 0)
        return;
    // Only the name and its terminator change; the slot's tail stays as it was.
    wcscpy(ustawienia.jumpNames[k], name);
    if (k < okno_skoku.liczba_okien)
        SetWindowTextW(okno_skoku.okna[k], name);
}
