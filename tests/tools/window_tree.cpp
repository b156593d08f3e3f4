// Checks the window tree of a running editor from another process:
//   window_tree <language code> [<exe> <icon file>]
// waits for the main window, compares its children with the layout the language
// build must show, prints every control and exits 1 on any difference. Given the
// executable, it also checks its version resource (1.1, in the build's language)
// and that its icon is the application icon.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "../../src/lang/strings.h"
#include "own_window.h"

namespace {

int failures = 0;

void fail(const char* what, const std::wstring& detail)
{
    ++failures;
    wprintf(L"FAIL: %hs: %ls\n", what, detail.c_str());
}

std::wstring window_text(HWND w)
{
    wchar_t buf[512] = L"";
    SendMessageTimeoutW(w, WM_GETTEXT, 512, (LPARAM)buf, SMTO_ABORTIFHUNG, 2000, NULL);
    return buf;
}

std::wstring class_of(HWND w)
{
    wchar_t name[64] = L"";
    GetClassNameW(w, name, 64);
    return name;
}

RECT rect_in_parent(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(w), (POINT*)&r, 2);
    return r;
}

void expect_control(HWND parent, int id, const wchar_t* cls, const std::wstring& caption,
                    int x, int y, int width, int height)
{
    HWND w = GetDlgItem(parent, id);
    wchar_t where[64];
    swprintf(where, 64, L"control %d", id);
    if (!w) {
        fail("missing", where);
        return;
    }
    RECT r = rect_in_parent(w);
    wprintf(L"%4d %-8ls %08lx (%d, %d, %d, %d) \"%ls\"\n", id, class_of(w).c_str(),
            GetWindowLongW(w, GWL_STYLE), (int)r.left, (int)r.top, (int)(r.right - r.left),
            (int)(r.bottom - r.top), window_text(w).c_str());
    if (_wcsicmp(class_of(w).c_str(), cls) != 0)
        fail("class", std::wstring(where) + L" is " + class_of(w));
    if (window_text(w) != caption)
        fail("caption", std::wstring(where) + L" reads \"" + window_text(w) + L"\", not \"" + caption + L"\"");
    if (r.left != x || r.top != y || r.right - r.left != width || r.bottom - r.top != height)
        fail("position", where);
    if (!IsWindowVisible(w))
        fail("hidden", where);
}

WORD language_id(const char* code)
{
    struct Entry {
        const char* code;
        WORD id;
    } table[] = {{"zh", 0x0804}, {"hi", 0x0439}, {"ja", 0x0411}, {"ko", 0x0412},
                 {"es", 0x0C0A}, {"tr", 0x041F}, {"de", 0x0407}, {"ru", 0x0419},
                 {"it", 0x0410}, {"no", 0x0414}, {"pl", 0x0415}};
    for (const Entry& e : table)
        if (strcmp(e.code, code) == 0)
            return e.id;
    return 0;
}

std::wstring widen(const char* s)
{
    int n = MultiByteToWideChar(CP_ACP, 0, s, -1, NULL, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s, -1, w.data(), n);
    w.resize(n ? n - 1 : 0);
    return w;
}

std::string file_bytes(const std::wstring& path)
{
    std::string bytes;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[4096];
    DWORD got;
    while (ReadFile(f, chunk, sizeof chunk, &got, NULL) && got)
        bytes.append(chunk, got);
    CloseHandle(f);
    return bytes;
}

BOOL CALLBACK count_icon(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR p)
{
    auto* check = (std::pair<const std::string*, int>*)p;
    HRSRC r = FindResourceW(module, name, type);
    DWORD size = SizeofResource(module, r);
    const char* data = (const char*)LockResource(LoadResource(module, r));
    if (data && check->first->find(std::string(data, size)) == std::string::npos)
        check->second = -1000;  // an image that is not in the application icon
    else
        ++check->second;
    return TRUE;
}

void check_resources(const char* code, const std::wstring& exe, const std::wstring& icon)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    std::string info(size, '\0');
    if (!size || !GetFileVersionInfoW(exe.c_str(), 0, size, info.data())) {
        fail("version", L"no version resource in " + exe);
        return;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(info.data(), L"\\", (void**)&fixed, &len) || fixed->dwFileVersionMS != 0x00010001)
        fail("version", L"the file version is not 1.1");
    WORD* translation = nullptr;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", (void**)&translation, &len) ||
        len < 4 || translation[0] != language_id(code))
        fail("version", L"the version resource is not in the build's language");
    else {
        wchar_t key[64];
        swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translation[0], translation[1]);
        wchar_t* value = nullptr;
        if (!VerQueryValueW(info.data(), key, (void**)&value, &len) || wcscmp(value, L"1.1") != 0)
            fail("version", L"FileVersion is not \"1.1\"");
    }
    std::string ico = file_bytes(icon);
    HMODULE module = LoadLibraryExW(exe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    std::pair<const std::string*, int> check{&ico, 0};
    if (module) {
        if (!FindResourceW(module, MAKEINTRESOURCEW(1), (LPCWSTR)RT_GROUP_ICON))
            fail("icon", L"no application icon");
        EnumResourceNamesW(module, (LPCWSTR)RT_ICON, count_icon, (LONG_PTR)&check);
        FreeLibrary(module);
    }
    if (ico.empty() || check.second <= 0)
        fail("icon", L"the icon images are not the application icon's");
    wprintf(L"resources: version and icon checked\n");
}

const LangSet* set_for(const char* code)
{
    struct Entry {
        const char* code;
        const LangSet* set;
    } table[] = {{"zh", &lang_zh}, {"hi", &lang_hi}, {"ja", &lang_ja}, {"ko", &lang_ko},
                 {"es", &lang_es}, {"tr", &lang_tr}, {"de", &lang_de}, {"ru", &lang_ru},
                 {"it", &lang_it}, {"no", &lang_no}, {"pl", &lang_pl}};
    for (const Entry& e : table)
        if (strcmp(e.code, code) == 0)
            return e.set;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_U8TEXT);
    const LangSet* set = argc > 1 ? set_for(argv[1]) : nullptr;
    if (!set) {
        wprintf(L"usage: window_tree <zh|hi|ja|ko|es|tr|de|ru|it|no|pl>\n");
        return 2;
    }
    HWND main_window = NULL, top = NULL, jump = NULL;
    for (int tries = 0; tries < 300; ++tries) {
        main_window = find_own_window(L"MainWindowClass", NULL, 0, argc > 2 ? widen(argv[2]) : std::wstring());
        if (main_window) {
            top = GetDlgItem(main_window, 300);
            jump = GetDlgItem(main_window, 350);
            if (top && jump && GetDlgItem(jump, 369) && IsWindowVisible(main_window) &&
                window_text(GetDlgItem(jump, 369)) != L" ")
                break;
        }
        Sleep(100);
    }
    if (!main_window || !top || !jump) {
        wprintf(L"FAIL: the main window did not appear\n");
        return 1;
    }
    Sleep(300);  // let the first paint finish before the caller takes a screenshot

    const int CX = GetSystemMetrics(SM_CXSCREEN), CY = GetSystemMetrics(SM_CYSCREEN);
    if (!window_text(main_window).empty())
        fail("title", window_text(main_window));
    expect_control(main_window, 300, L"Static", L"", 0, 0, CX, 33);
    expect_control(main_window, 350, L"Static", L"", CX - 101, 33, 99, CY - 98);
    expect_control(main_window, 1001, L"Edit", L"", 1, 33, CX - 102, CY - 203);
    expect_control(main_window, 224, L"Edit", L"", 1, CY - 170, CX - 102, 170);

    const int W = set->top_button_width;
    const int ids[8] = {301, 302, 303, 304, 305, 306, 313, 317};
    for (int k = 0; k < 8; ++k)
        expect_control(top, ids[k], L"Button", set->langs[k], k == 0 ? 2 : W * k, 2, W, 25);
    struct Small {
        int id;
        const wchar_t* cls;
        const wchar_t* caption;
    } right[9] = {{315, L"Edit", L""},    {316, L"Button", set->langs[9]},
                  {310, L"Edit", L"1"},   {311, L"Button", L"-"},
                  {312, L"Button", L"+"}, {307, L"Button", L"<---"},
                  {308, L"Button", L"--->"}, {314, L"Button", L"?"},
                  {309, L"Button", L">"}};
    for (int k = 0; k < 9; ++k)
        expect_control(top, right[k].id, right[k].cls, right[k].caption, CX - 370 + 41 * k, 2, 40, 25);
    int count = 0;
    for (HWND c = GetWindow(top, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ++count;
    if (count != 17)
        fail("top bar", L"holds " + std::to_wstring(count) + L" controls, not 17");

    for (int j = 0; j < 19; ++j) {
        wchar_t name[8];
        swprintf(name, 8, L"//--?%02d", j);
        expect_control(jump, 351 + j, L"Button", name, 2, 5 + 22 * j, 87, 20);
    }
    if (argc > 3)
        check_resources(argv[1], widen(argv[2]), widen(argv[3]));
    wprintf(failures ? L"window tree: %d differences\n" : L"window tree: as expected\n", failures);
    return failures ? 1 : 0;
}
