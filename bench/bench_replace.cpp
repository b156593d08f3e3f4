// Replace-all on a 400000-character text with over 50000 matches, as a ratio to
// one SetWindowTextW of the result in the same editor.
#include "kit.h"

#include "EditWindow.h"

#include <stdio.h>

#include <string>

static double seconds_since(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

int main()
{
    kit::start_editor();

    // 5000 lines of 78 characters and CR LF; each line holds 11 matches of "val".
    const std::wstring line = L"    sum = val + val * val - val / val + val % val & val | val ^ val ? val;   ";
    std::wstring text;
    while (text.size() + line.size() + 2 <= 400000)
        text += line.substr(0, 78) + L"\r\n";
    size_t matches = 0;
    for (size_t at = text.find(L"val"); at != std::wstring::npos; at = text.find(L"val", at + 3))
        ++matches;

    std::wstring result;
    for (size_t r = 0;;) {
        size_t at = text.find(L"val", r);
        if (at == std::wstring::npos) {
            result += text.substr(r);
            break;
        }
        result += text.substr(r, at - r) + L"v_2";
        r = at + 3;
    }

    const int repetitions = 5;
    double floor = 1e9, replace = 1e9;
    for (int i = 0; i < repetitions; ++i) {
        SetWindowTextW(hEdit, text.c_str());
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        SetWindowTextW(hEdit, result.c_str());
        double t = seconds_since(start);
        if (t < floor)
            floor = t;

        SetWindowTextW(hEdit, text.c_str());
        QueryPerformanceCounter(&start);
        replaceExactTextInEdit(hEdit, L"val", L"v_2");
        t = seconds_since(start);
        if (t < replace)
            replace = t;
        if (kit::text(hEdit) != result) {
            printf("replace gave a wrong result\n");
            return 1;
        }
    }
    printf("text %zu characters, %zu matches\n", text.size(), matches);
    printf("floor: SetWindowTextW of the result  %.3f s\n", floor);
    printf("replace all: %.3f s  = %.2fx the floor\n", replace, replace / floor);
    kit::stop_editor();
    return 0;
}
