// Editing the jump names from the settings dialog.
#include "../shell/EditWindow.h"

void updateJumper(HWND) {}
void setJumper(HWND) {}
