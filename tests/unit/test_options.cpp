// The program name after an option, and the interpreter's command line.
#include "EditWindow.h"
#include "run/options.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

namespace {

std::wstring value_after(const wchar_t* text, const wchar_t* option, size_t capacity)
{
    wchar_t buffer[400];
    wmemset(buffer, L'#', 400);
    get_value_after_option(text, option, buffer, capacity);
    for (size_t i = capacity; i < 400; ++i)
        EXPECT_EQ(buffer[i], L'#') << "written past the capacity at " << i;
    if (!capacity)
        return buffer[0] == L'#' ? L"<untouched>" : L"<written>";
    return buffer;
}

TEST(Options, ValueAfterOption)
{
    std::wstring longName(300, L'n');
    std::wstring longCommand = L"gcc -o " + longName + L" main.c";
    struct Case {
        const char* name;
        std::wstring text;
        const wchar_t* option;
        size_t capacity;
        std::wstring expected;
    } cases[] = {
        {"default command", L"gcc -o out_file main.c", L"-o", 256, L"out_file.exe"},
        {"several spaces", L"gcc -o    spaced   main.c", L"-o", 256, L"spaced.exe"},
        {"no space", L"gcc -oglued main.c", L"-o", 256, L"glued.exe"},
        {"option at the end", L"gcc main.c -o", L"-o", 256, L".exe"},
        {"spaces after option at the end", L"gcc main.c -o   ", L"-o", 256, L".exe"},
        {"missing", L"gcc main.c", L"-o", 256, L""},
        {"empty text", L"", L"-o", 256, L""},
        {"inside a longer word", L"gcc -fno-omit-frame-pointer -o prog main.c", L"-o", 256,
         L"mit-frame-pointer.exe"},
        {"case-sensitive", L"gcc -O2 -o prog main.c", L"-o", 256, L"prog.exe"},
        {"first occurrence", L"gcc -o one -o two", L"-o", 256, L"one.exe"},
        {"already ends in .exe", L"gcc -o prog.exe main.c", L"-o", 256, L"prog.exe.exe"},
        {"tab is part of the value", L"gcc -o a\tb c", L"-o", 256, L"a\tb.exe"},
        {"cut for Compile", longCommand, L"-o", 256, longName.substr(0, 251) + L".exe"},
        {"cut for Run", longCommand, L"-o", 156, longName.substr(0, 151) + L".exe"},
        {"exactly fits", L"-o abc", L"-o", 8, L"abc.exe"},
        {"one short", L"-o abcd", L"-o", 8, L"abc.exe"},
        {"room for the suffix only", L"-o abc", L"-o", 5, L".exe"},
        {"too small for the suffix", L"-o abc", L"-o", 3, L".e"},
        {"room for the terminator only", L"-o abc", L"-o", 1, L""},
        {"no room at all", L"-o abc", L"-o", 0, L"<untouched>"},
        {"missing with no room", L"gcc", L"-o", 0, L"<untouched>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(value_after(c.text.c_str(), c.option, c.capacity), c.expected);
    }
}

TEST(Options, CommandLineHoldsTheWholeCommand)
{
    for (size_t length : {0u, 5u, 1012u, 1013u, 5000u, 40000u}) {
        SCOPED_TRACE(length);
        std::wstring command(length, L'x');
        if (length)
            command[length - 1] = L'!';
        wchar_t* line = build_command_line(command.c_str());
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(std::wstring(line), L"cmd.exe /c " + command);
        free(line);
    }
    wchar_t* line = build_command_line(nullptr);
    ASSERT_NE(line, nullptr);
    EXPECT_STREQ(line, L"cmd.exe /c ");
    free(line);
}

}  // namespace
