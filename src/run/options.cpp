// The program name after an option, and the interpreter's command line.
#include "../shell/EditWindow.h"

#include "run/options.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

void get_value_after_option(const wchar_t* text, const wchar_t* option, wchar_t* destination,
                            size_t capacity)
{
    if (!capacity)
        return;
    destination[0] = L'\0';
    if (!text || !option)
        return;
    const wchar_t* found = wcsstr(text, option);
    if (!found)
        return;
    const wchar_t* value = found + wcslen(option);
    while (*value == L' ')
        ++value;
    size_t length = 0;
    while (value[length] && value[length] != L' ')
        ++length;
    // The value gives way so that ".exe" and the terminator fit; a destination
    // too small even for those gets as much of ".exe" as there is room for.
    size_t room = capacity > 5 ? capacity - 5 : 0;
    if (length > room)
        length = room;
    size_t at = 0;
    for (; at < length; ++at)
        destination[at] = value[at];
    for (const wchar_t* suffix = L".exe"; *suffix && at + 1 < capacity; ++suffix)
        destination[at++] = *suffix;
    destination[at] = L'\0';
}

wchar_t* build_command_line(const wchar_t* command)
{
    static const wchar_t prefix[] = L"cmd.exe /c ";
    size_t prefix_length = wcslen(prefix);
    size_t length = command ? wcslen(command) : 0;
    wchar_t* line = (wchar_t*)malloc((prefix_length + length + 1) * sizeof(wchar_t));
    if (!line)
        return NULL;
    memcpy(line, prefix, prefix_length * sizeof(wchar_t));
    if (length)
        memcpy(line + prefix_length, command, length * sizeof(wchar_t));
    line[prefix_length + length] = L'\0';
    return line;
}
