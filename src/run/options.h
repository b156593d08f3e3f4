// Pure text helpers of the command runner.
#pragma once

#include <stddef.h>

// "cmd.exe /c " followed by command, malloc'd at its full length; NULL when no
// memory is left.
wchar_t* build_command_line(const wchar_t* command);
