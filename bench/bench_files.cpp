// Opening, saving and capturing output, each as a ratio to the plain calls it rests on.
#include "kit.h"

#include "EditWindow.h"
#include "editor/text_files.h"

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

namespace {

double now()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / frequency.QuadPart;
}

template <typename F>
double best_of(int repetitions, F f)
{
    double best = 1e30;
    for (int i = 0; i < repetitions; ++i) {
        double start = now();
        f();
        double took = now() - start;
        if (took < best)
            best = took;
    }
    return best;
}

std::string read_all(const std::wstring& path)
{
    return kit::read_file(path);
}

void write_all(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD n = 0;
    WriteFile(f, bytes.data(), (DWORD)bytes.size(), &n, NULL);
    CloseHandle(f);
}

void report(const char* what, double measured, double floor, double aim)
{
    printf("%-44s %8.1f ms  floor %8.1f ms  ratio %.2f (aim %.1f)\n", what, measured * 1000, floor * 1000,
           measured / floor, aim);
}

}  // namespace

int main()
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();

    // 400000 characters in ordinary lines, with Polish letters throughout.
    std::wstring text;
    const std::wstring line = L"    zażółć gęślą jaźń; int value_%d = compute(alpha, beta) + 42; // note";
    while (text.size() < 400000) {
        text += line.substr(0, 78);
        text += L"\r\n";
    }
    text.resize(400000);
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), NULL, 0, NULL, NULL);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), bytes.data(), size, NULL, NULL);
    std::wstring source = dir + L"\\source.txt";
    write_all(source, bytes);

    double open_floor = best_of(5, [&] {
        std::string got = read_all(source);
        std::vector<wchar_t> wide(got.size() + 1);
        int n = MultiByteToWideChar(CP_UTF8, 0, got.data(), (int)got.size(), wide.data(), (int)got.size());
        wide[n] = 0;
        SetWindowTextW(hEdit, wide.data());
    });
    double open = best_of(5, [&] { load_file_into_edit(hEdit, source.c_str(), NULL); });
    report("open a 400000-character UTF-8 file", open, open_floor, 1.2);

    std::wstring target = dir + L"\\saved.txt";
    double save_floor = best_of(5, [&] {
        int length = GetWindowTextLengthW(hEdit);
        std::vector<wchar_t> wide(length + 1);
        GetWindowTextW(hEdit, wide.data(), length + 1);
        int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, NULL, 0, NULL, NULL);
        std::string out(n, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, out.data(), n, NULL, NULL);
        write_all(target, out);
    });
    double save = best_of(5, [&] {
        int length = GetWindowTextLengthW(hEdit);
        wchar_t* wide = (wchar_t*)malloc((length + 1) * sizeof(wchar_t));
        GetWindowTextW(hEdit, wide, length + 1);
        SaveTextToFile(target.c_str(), wide);
        free(wide);
    });
    report("save it (atomic, flushed)", save, save_floor, 1.2);

    // 10 MB of output in ordinary lines, captured into the pane.
    std::string big;
    const std::string big_line = "0123456789 the quick brown fox jumps over the lazy dog 0123456789 abcdefghij\r\n";
    while (big.size() < 10 * 1000 * 1000)
        big += big_line;
    write_all(dir + L"\\big.txt", big);
    SetCurrentDirectoryW(dir.c_str());
    double capture_floor = best_of(3, [&] {
        wchar_t command[] = L"cmd.exe /c type big.txt > nul";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        PROCESS_INFORMATION process = {};
        CreateProcessW(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    });
    double capture = best_of(3, [&] { RunCommandAndRedirect(L"type big.txt"); });
    report("capture 10 MB of output into the pane", capture, capture_floor, 1.5);
    // What the pane itself costs: the same text set into it in one piece.
    std::wstring wide_big(big.begin(), big.end());
    double pane_once = best_of(1, [&] {
        SendMessageW(hOutput, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
        SendMessageW(hOutput, WM_SETTEXT, 0, (LPARAM)wide_big.c_str());
    });
    report("  of which the pane takes at least (one WM_SETTEXT)", pane_once, capture_floor, 0);
    if (GetWindowTextLengthW(hOutput) != (int)big.size())
        printf("pane holds %d of %d characters\n", GetWindowTextLengthW(hOutput), (int)big.size());
    kit::stop_editor();
    return 0;
}
