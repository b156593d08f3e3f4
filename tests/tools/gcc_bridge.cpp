// A Windows-side "gcc" for the tests: runs the Linux cross compiler through
// gcc_bridge.sh beside this program and hands its output and exit code back, so
// that a command interpreter under Wine can capture a real compile.
#include <windows.h>

#include <stdio.h>
#include <string>

namespace {

typedef char*(CDECL* UnixName)(const wchar_t*);

std::string utf8(const std::wstring& s)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), (int)s.size(), NULL, 0, NULL, NULL);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.c_str(), (int)s.size(), out.data(), n, NULL, NULL);
    return out;
}

std::string unix_name(const std::wstring& path)
{
    static UnixName convert =
        (UnixName)(void*)GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
    if (!convert)
        return std::string();
    char* name = convert(path.c_str());
    if (!name)
        return std::string();
    std::string out = name;
    HeapFree(GetProcessHeap(), 0, name);
    return out;
}

bool put(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD n = 0;
    BOOL ok = WriteFile(f, bytes.data(), (DWORD)bytes.size(), &n, NULL);
    CloseHandle(f);
    return ok && n == bytes.size();
}

std::string take(const std::wstring& path)
{
    std::string bytes;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           NULL, OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[65536];
    DWORD n = 0;
    while (ReadFile(f, chunk, sizeof chunk, &n, NULL) && n)
        bytes.append(chunk, n);
    CloseHandle(f);
    DeleteFileW(path.c_str());
    return bytes;
}

void pass_on(DWORD which, const std::string& bytes)
{
    DWORD n = 0;
    if (!bytes.empty())
        WriteFile(GetStdHandle(which), bytes.data(), (DWORD)bytes.size(), &n, NULL);
}

int fail(const char* why)
{
    pass_on(STD_ERROR_HANDLE, std::string("gcc bridge: ") + why + "\n");
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(NULL, self, MAX_PATH);
    std::wstring folder = self;
    folder.resize(folder.find_last_of(L'\\'));
    std::string script = unix_name(folder + L"\\gcc_bridge.sh");

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t work_name[MAX_PATH];
    wsprintfW(work_name, L"%sgcc_bridge_%lu_%lu", temp, GetCurrentProcessId(), GetTickCount());
    std::wstring work = work_name;
    if (!CreateDirectoryW(work.c_str(), NULL))
        return fail("cannot make a work folder");

    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    std::string args;
    for (int i = 1; i < argc; ++i)
        args += utf8(argv[i]) + '\0';
    std::string work_unix = unix_name(work);
    if (script.empty() || work_unix.empty())
        return fail("not running under Wine");
    if (!put(work + L"\\cwd", unix_name(cwd)) || !put(work + L"\\args", args))
        return fail("cannot write the work files");

    // A Linux program started from Wine runs detached; it reports through files.
    // start takes a first quoted word as a title, so the paths go unquoted (the
    // build and the prefix have no spaces in their paths).
    std::wstring line = L"start /unix " + std::wstring(script.begin(), script.end()) + L" " +
                        std::wstring(work_unix.begin(), work_unix.end());
    std::wstring command = L"cmd.exe /c " + line;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(NULL, command.data(), NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL, &startup,
                        &process))
        return fail("cannot start the script");
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    std::wstring code_file = work + L"\\code";
    for (int waited = 0; GetFileAttributesW(code_file.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 20) {
        if (waited > 60000)
            return fail("the compiler did not finish");
        Sleep(20);
    }
    int code = atoi(take(code_file).c_str());
    pass_on(STD_OUTPUT_HANDLE, take(work + L"\\out"));
    pass_on(STD_ERROR_HANDLE, take(work + L"\\err"));
    DeleteFileW((work + L"\\cwd").c_str());
    DeleteFileW((work + L"\\args").c_str());
    RemoveDirectoryW(work.c_str());
    return code;
}
