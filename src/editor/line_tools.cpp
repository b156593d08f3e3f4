// Line tools: shifting selected lines and inserting jump markers.
#include "../shell/EditWindow.h"

void addLineBreaks(HWND, int) {}
void removeExtraSpaces(HWND, int) {}
void InsertTextAtCursor(HWND, int) {}
