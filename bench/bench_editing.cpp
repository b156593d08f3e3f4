// Times the editor's editing commands on a full 400000-character text, each against
// what the edit control itself needs for the same amount of work.
#include "kit.h"

#include "EditWindow.h"

#include <stdio.h>

#include <functional>
#include <iterator>
#include <string>

namespace {

const int TEXT_SIZE = 400000;

double now_ms()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * (double)t.QuadPart / (double)frequency.QuadPart;
}

// One timed command: prepare and restore run untimed around it.
struct Timed {
    const char* name;
    std::function<void()> prepare, step, restore;
    double best;
};

// Runs the commands in turn, round after round, so that a busy moment of the machine
// falls on all of them alike; keeps the best time of each.
void run_rounds(Timed* commands, size_t count, int rounds)
{
    for (size_t c = 0; c < count; ++c)
        commands[c].best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        for (size_t c = 0; c < count; ++c) {
            Timed& t = commands[c];
            t.prepare();
            kit::pump();
            double start = now_ms();
            t.step();
            double took = now_ms() - start;
            t.restore();
            kit::pump();
            if (took < t.best)
                t.best = took;
        }
    }
}

// Indented source lines of about 80 characters, a marker near the end.
std::wstring make_text()
{
    std::wstring text;
    for (int i = 0; text.size() < (size_t)TEXT_SIZE - 200; ++i) {
        std::wstring line = L"    int value_" + std::to_wstring(i) + L" = compute_something(";
        while (line.size() < 78)
            line += L'x';
        text += line + L"\r\n";
    }
    text += L"    //--?05\r\n";
    while (text.size() < (size_t)TEXT_SIZE - 2)
        text += L'y';
    text += L"\r\n";
    return text;
}

int caret_in_the_middle(const std::wstring& text)
{
    // The end of a line's code, a little past the middle of the text.
    size_t p = text.find(L"\r\n", text.size() / 2);
    return (int)p;
}

void set_caret(int p)
{
    SendMessageW(hEdit, EM_SETSEL, p, p);
}

// Takes out what a command put in at p, leaving the text as it was.
void remove_inserted(int p, size_t original_length)
{
    int grown = GetWindowTextLengthW(hEdit) - (int)original_length;
    SendMessageW(hEdit, EM_SETSEL, p, p + grown);
    SendMessageW(hEdit, EM_REPLACESEL, FALSE, (LPARAM)L"");
}

void report(const char* name, double ms, double floor_ms, const char* floor_name)
{
    printf("%-42s %9.3f ms  %5.2fx %s\n", name, ms, ms / floor_ms, floor_name);
}

}  // namespace

int main()
{
    kit::start_editor();
    const std::wstring text = make_text();
    kit::set_text(hEdit, text);
    const size_t L = text.size();
    const int p = caret_in_the_middle(text);
    printf("text of %zu characters, caret at %d\n", L, p);

    auto at_caret = [&] { set_caret(p); };
    auto take_out = [&] { remove_inserted(p, L); };
    auto nothing = [] {};
    Timed keys[] = {
        {"control's own Enter (floor)", at_caret,
         [] { CallWindowProcW(OldEditProc, hEdit, WM_CHAR, L'\r', 1); }, take_out, 0},
        {"indented line break (Enter)", at_caret,
         [] { SendMessageW(hEdit, WM_CHAR, L'\r', 1); }, take_out, 0},
        {"aligned line break (Shift+Enter)", at_caret,
         [] {
             kit::HeldKeys shift(kit::SHIFT);
             SendMessageW(hEdit, WM_CHAR, L'\r', 1);
         },
         take_out, 0},
        {"marker insertion (Ctrl+Shift+1)", at_caret,
         [] {
             kit::HeldKeys keys(kit::CTRL | kit::SHIFT);
             SendMessageW(hEdit, WM_KEYDOWN, '1', 1);
         },
         take_out, 0},
        {"ScrollToText, marker near the end", at_caret,
         [] { ScrollToText(hEdit, L"//--?05"); }, nothing, 0},
    };
    run_rounds(keys, std::size(keys), 40);

    auto select_all = [] { SendMessageW(hEdit, EM_SETSEL, 0, -1); };
    wchar_t* copy = (wchar_t*)malloc((L + 1) * sizeof(wchar_t));
    // Each shift is undone by the other one, untimed.
    Timed whole[] = {
        {"GetWindowTextW + EM_REPLACESEL (floor)", select_all,
         [&] {
             GetWindowTextW(hEdit, copy, (int)L + 1);
             SendMessageW(hEdit, EM_REPLACESEL, FALSE, (LPARAM)copy);
         },
         nothing, 0},
        {"shift full selection right by 4", select_all, [] { addLineBreaks(hEdit, 4); },
         [] { removeExtraSpaces(hEdit, 4); }, 0},
        {"shift full selection left by 4",
         [&] {
             select_all();
             addLineBreaks(hEdit, 4);
             select_all();
         },
         [] { removeExtraSpaces(hEdit, 4); }, nothing, 0},
    };
    run_rounds(whole, std::size(whole), 6);
    free(copy);
    if (kit::text(hEdit) != text)
        printf("warning: the text did not come back as it was\n");

    for (const Timed& t : keys)
        report(t.name, t.best, keys[0].best, "of the control's Enter");
    for (const Timed& t : whole)
        report(t.name, t.best, whole[0].best, "of one copy and one replacement");
    kit::stop_editor();
    return 0;
}
