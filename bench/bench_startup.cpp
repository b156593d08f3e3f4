// Start-up to a shown, painted main window, and peak memory with a 400000-character
// text loaded, for the Polish build and for Wine's notepad started the same way.
//   bench_startup [path of EditWindow_pl.exe]
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <stdio.h>

#include <string>

namespace {

struct Probe {
    const wchar_t* label;
    std::wstring command;
    const wchar_t* window_class;
};

struct Found {
    DWORD pid;
    const wchar_t* cls;
    HWND window;
};

BOOL CALLBACK find_top(HWND w, LPARAM p)
{
    Found* f = (Found*)p;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    wchar_t cls[64];
    GetClassNameW(w, cls, 64);
    if (pid == f->pid && IsWindowVisible(w) && _wcsicmp(cls, f->cls) == 0) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}

double now_ms()
{
    static LARGE_INTEGER freq;
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * (double)t.QuadPart / (double)freq.QuadPart;
}

// The largest edit control below a window: the text area of either program.
BOOL CALLBACK find_edit(HWND w, LPARAM p)
{
    HWND* best = (HWND*)p;
    wchar_t cls[16];
    GetClassNameW(w, cls, 16);
    if (_wcsicmp(cls, L"Edit") == 0) {
        RECT a, b;
        GetWindowRect(w, &a);
        if (!*best)
            *best = w;
        else {
            GetWindowRect(*best, &b);
            if ((a.right - a.left) * (a.bottom - a.top) > (b.right - b.left) * (b.bottom - b.top))
                *best = w;
        }
    }
    return TRUE;
}

// One start: milliseconds to a visible, fully painted main window (or -1), and the
// peak working set after a large text was set into its edit control.
bool run_once(const Probe& probe, const std::wstring& text, double* ms, SIZE_T* peak)
{
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring cmd = probe.command;
    double start = now_ms();
    if (!CreateProcessW(NULL, cmd.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    WaitForInputIdle(pi.hProcess, 20000);
    Found f{pi.dwProcessId, probe.window_class, NULL};
    bool shown = false;
    while (now_ms() - start < 20000) {
        if (!f.window)
            EnumWindows(find_top, (LPARAM)&f);
        // Painted: shown, and nothing of it is waiting to be painted.
        if (f.window && !GetUpdateRect(f.window, NULL, FALSE)) {
            DWORD_PTR r;
            if (SendMessageTimeoutW(f.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &r)) {
                shown = true;
                break;
            }
        }
        Sleep(1);
    }
    *ms = now_ms() - start;
    *peak = 0;
    if (shown) {
        HWND edit = NULL;
        EnumChildWindows(f.window, find_edit, (LPARAM)&edit);
        if (edit)
            SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)text.c_str());
        PROCESS_MEMORY_COUNTERS pmc = {sizeof pmc};
        if (GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc))
            *peak = pmc.PeakWorkingSetSize;
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return shown;
}

std::wstring editor_path(int argc, wchar_t** argv)
{
    if (argc > 1)
        return argv[1];
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(NULL, self, MAX_PATH);
    std::wstring p = self;
    p = p.substr(0, p.find_last_of(L"\\/"));  // bench/
    p = p.substr(0, p.find_last_of(L"\\/"));  // build/
    return p + L"\\EditWindow_pl.exe";
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring text;
    while (text.size() < 400000)
        text += L"    printf(\"a line of an ordinary C program, %d\\n\", counter++);\r\n";
    text.resize(400000);

    Probe probes[2] = {{L"EditWindow_pl", L"\"" + editor_path(argc, argv) + L"\"", L"MainWindowClass"},
                       {L"notepad", L"notepad.exe", L"Notepad"}};
    const int RUNS = 5;
    double best[2] = {1e30, 1e30};
    SIZE_T peak[2] = {0, 0};
    for (int run = 0; run < RUNS; ++run) {
        for (int i = 0; i < 2; ++i) {
            double ms;
            SIZE_T p;
            if (!run_once(probes[i], text, &ms, &p)) {
                wprintf(L"%ls did not show its window\n", probes[i].label);
                return 1;
            }
            if (ms < best[i])
                best[i] = ms;
            if (p > peak[i])
                peak[i] = p;
        }
    }
    wprintf(L"start-up to a painted window: EditWindow %.0f ms, notepad %.0f ms, ratio %.2f (best of %d)\n",
            best[0], best[1], best[0] / best[1], RUNS);
    wprintf(L"peak working set with a 400000-character text: EditWindow %.1f MB, notepad %.1f MB, ratio %.2f\n",
            peak[0] / 1048576.0, peak[1] / 1048576.0, (double)peak[0] / (double)peak[1]);
    return 0;
}
