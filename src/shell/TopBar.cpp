// The top bar: paints itself and turns its buttons into the editor's commands.
#include "EditWindow.h"

#include <stdlib.h>

int getIntegerFromWindow(HWND window)
{
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return _wtoi(text);
}

LRESULT CALLBACK TopBar(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
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
