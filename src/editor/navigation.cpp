// Navigation: markers, search, go to line, text widths.
#include "../shell/EditWindow.h"

void ScrollToText(HWND, const wchar_t*) {}
void findTextInEdit(HWND, const wchar_t*) {}
void ScrollEditAndHighlightLine(HWND, HWND) {}
int CalculateTextWidth(HDC, const wchar_t*) { return 0; }
