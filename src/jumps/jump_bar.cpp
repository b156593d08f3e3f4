// The jump bar: paints itself; its buttons jump to the markers.
#include "../shell/EditWindow.h"
#include "../editor/text_ops.h"

static_assert(IDC_JUMP_LAST - IDC_JUMP_FIRST + 1 == JUMP_COUNT, "one button per jump");

// Button k always jumps to marker k, whatever its caption says.
static void jump_from_button(int id)
{
    wchar_t marker[8];
    jump_marker_text(id - IDC_JUMP_FIRST, marker);
    ScrollToText(hEdit, marker);
}

LRESULT CALLBACK JumpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint_dark_frame(window);
        return 0;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id >= IDC_JUMP_FIRST && id <= IDC_JUMP_LAST) {
            jump_from_button(id);
            return 0;
        }
        break;
    }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
