// Running commands through the command interpreter with their output in the pane.
#include "../shell/EditWindow.h"

void RunCommandAndRedirect(const wchar_t*) {}
void ExecuteSystemCommand(const wchar_t*) {}
void get_value_after_option(const wchar_t*, const wchar_t*, wchar_t* destination, size_t capacity)
{
    if (capacity)
        destination[0] = L'\0';
}
