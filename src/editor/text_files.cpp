// Opening and saving the edited text file.
#include "../shell/EditWindow.h"

wchar_t current_file[400];

void OpenFileAndLoadToEdit(HWND, HWND) {}
void SaveFileDialog(wchar_t* path, int, HWND) { path[0] = L'\0'; }
int SaveTextToFile(const wchar_t*, const wchar_t*) { return 0; }
