// The jump bar: paints itself; its buttons jump to the markers.
#include "../shell/EditWindow.h"

LRESULT CALLBACK JumpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint_dark_frame(window);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
