// GUI test kit: the editor in-process, keys with modifier state, dialogs answered.
#include "kit.h"

#include "EditWindow.h"
#include "lang/strings.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace kit {
namespace {

HHOOK cbt_hook;
std::vector<Box> recorded_boxes;
std::deque<int> box_answers;
std::deque<DialogHandler> handlers;
std::map<HWND, DialogHandler> running;
std::vector<std::wstring> seen_dialogs;
std::vector<std::wstring> unexpected;

const UINT_PTR HANDLER_TIMER = 0x4B01;
const UINT_PTR WATCHDOG_TIMER = 0x4B02;
const UINT_PTR CANCEL_TIMER = 0x4B03;
const UINT WATCHDOG_MS = 15000;
const wchar_t SEEN_PROP[] = L"kit.seen";

std::wstring class_of(HWND w)
{
    wchar_t name[64] = L"";
    GetClassNameW(w, name, 64);
    return name;
}

bool has_child_of_class(HWND w, int id, const wchar_t* cls)
{
    HWND c = GetDlgItem(w, id);
    return c && _wcsicmp(class_of(c).c_str(), cls) == 0;
}

bool is_message_box(HWND w)
{
    return has_child_of_class(w, 0xFFFF, L"Static") &&
           (has_child_of_class(w, 1088, L"Static") || has_child_of_class(w, 20, L"Static")) &&
           !GetDlgItem(w, 0x47c);
}

UINT box_icon(HWND w)
{
    HWND icon = GetDlgItem(w, 1088);
    if (!icon)
        icon = GetDlgItem(w, 20);
    if (!icon || !(GetWindowLongW(icon, GWL_STYLE) & WS_VISIBLE))
        return 0;
    HICON h = (HICON)SendMessageW(icon, STM_GETICON, 0, 0);
    if (!h)
        return 0;
    if (h == LoadIconW(NULL, IDI_ERROR)) return MB_ICONERROR;
    if (h == LoadIconW(NULL, IDI_WARNING)) return MB_ICONWARNING;
    if (h == LoadIconW(NULL, IDI_INFORMATION)) return MB_ICONINFORMATION;
    if (h == LoadIconW(NULL, IDI_QUESTION)) return MB_ICONQUESTION;
    return 0xFFFFFFFF;
}

bool has_visible_button(HWND w, int id)
{
    HWND b = GetDlgItem(w, id);
    return b && (GetWindowLongW(b, GWL_STYLE) & WS_VISIBLE);
}

void answer_box(HWND w)
{
    recorded_boxes.push_back(Box{text(w), text(GetDlgItem(w, 0xFFFF)), box_icon(w),
                                 GetWindow(w, GW_OWNER)});
    int answer = 0;
    if (!box_answers.empty()) {
        answer = box_answers.front();
        box_answers.pop_front();
    }
    if (!answer || !has_visible_button(w, answer)) {
        for (int id : {IDOK, IDYES, IDCANCEL, IDNO, IDRETRY, IDABORT, IDIGNORE}) {
            if (has_visible_button(w, id)) {
                answer = id;
                break;
            }
        }
    }
    PostMessageW(w, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(w, answer));
}

void force_close(HWND w)
{
    if (!IsWindow(w))
        return;
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (IsWindow(w) && IsWindowEnabled(w))
        SendMessageW(w, WM_CLOSE, 0, 0);
    if (IsWindow(w))
        EndDialog(w, 0);
}

void CALLBACK dialog_timer(HWND w, UINT, UINT_PTR id, DWORD)
{
    KillTimer(w, id);
    if (id == HANDLER_TIMER) {
        auto it = running.find(w);
        if (it == running.end())
            return;
        // A dialog that made itself topmost while starting is activated before it
        // is shown: wait until its modal loop has shown it.
        if (!IsWindowVisible(w)) {
            SetTimer(w, HANDLER_TIMER, 10, dialog_timer);
            return;
        }
        seen_dialogs.push_back(text(w));
        DialogHandler handler = std::move(it->second);
        running.erase(it);
        handler(w);
    } else if (id == WATCHDOG_TIMER) {
        unexpected.push_back(L"watchdog: " + text(w));
        running.erase(w);
        force_close(w);
    } else if (id == CANCEL_TIMER) {
        force_close(w);
    }
}

void handle_dialog(HWND w)
{
    SetTimer(w, WATCHDOG_TIMER, WATCHDOG_MS, dialog_timer);
    if (handlers.empty()) {
        seen_dialogs.push_back(text(w));
        unexpected.push_back(text(w));
        SetTimer(w, CANCEL_TIMER, 10, dialog_timer);
        return;
    }
    running[w] = std::move(handlers.front());
    handlers.pop_front();
    SetTimer(w, HANDLER_TIMER, 20, dialog_timer);
}

LRESULT CALLBACK cbt_proc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND w = (HWND)wParam;
        if (class_of(w) == L"#32770" && !GetPropW(w, SEEN_PROP)) {
            SetPropW(w, SEEN_PROP, (HANDLE)1);
            if (is_message_box(w))
                answer_box(w);
            else
                handle_dialog(w);
        }
    }
    return CallNextHookEx(cbt_hook, code, wParam, lParam);
}

void ensure_hook()
{
    if (!cbt_hook)
        cbt_hook = SetWindowsHookExW(WH_CBT, cbt_proc, NULL, GetCurrentThreadId());
}

void drain_quit()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace

void pump()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void pump_for(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        pump();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

void stop_editor()
{
    if (mHwnd && IsWindow(mHwnd))
        DestroyWindow(mHwnd);
    pump();
    drain_quit();
    mHwnd = NULL;
    UnregisterClassW(CLASS_NAME, GetModuleHandleW(NULL));
}

void start_editor(const LangSet* language)
{
    build_language = language ? language : &lang_pl;
    ensure_hook();
    stop_editor();
    textColor = 0x00FFFFFF;
    backgroundColor = 0x00000000;
    last_search[0] = last_replace_from[0] = last_replace_to[0] = L'\0';
    lastDial = 0;
    clear_boxes();
    clear_dialogs();
    ASSERT_TRUE(create_main_window(GetModuleHandleW(NULL)));
    ShowWindow(mHwnd, SW_SHOWNORMAL);
    UpdateWindow(mHwnd);
    pump();
}

// ---- Keys ------------------------------------------------------------------------

HeldKeys::HeldKeys(int modifiers)
{
    GetKeyboardState(saved_);
    BYTE state[256];
    memcpy(state, saved_, sizeof state);
    auto set = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
    set(VK_SHIFT, modifiers & SHIFT);
    set(VK_LSHIFT, modifiers & SHIFT);
    set(VK_CONTROL, modifiers & CTRL);
    set(VK_LCONTROL, modifiers & CTRL);
    set(VK_MENU, modifiers & ALT);
    set(VK_LMENU, modifiers & ALT);
    SetKeyboardState(state);
}

HeldKeys::~HeldKeys()
{
    SetKeyboardState(saved_);
}

static LPARAM key_lparam(UINT vk, bool up)
{
    LPARAM scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    LPARAM l = 1 | (scan << 16);
    if (up)
        l |= (LPARAM)(0xC0000000u);
    return l;
}

LRESULT key_down(HWND window, UINT vk, int modifiers)
{
    HeldKeys held(modifiers);
    LRESULT r = SendMessageW(window, WM_KEYDOWN, vk, key_lparam(vk, false));
    SendMessageW(window, WM_KEYUP, vk, key_lparam(vk, true));
    return r;
}

LRESULT send_char(HWND window, wchar_t ch, int modifiers)
{
    HeldKeys held(modifiers);
    return SendMessageW(window, WM_CHAR, ch, 1);
}

void press(HWND window, UINT vk, int modifiers)
{
    HeldKeys held(modifiers);
    PostMessageW(window, WM_KEYDOWN, vk, key_lparam(vk, false));
    pump();
    PostMessageW(window, WM_KEYUP, vk, key_lparam(vk, true));
    pump();
}

// ---- Edit controls ---------------------------------------------------------------

std::wstring text(HWND window)
{
    int n = GetWindowTextLengthW(window);
    std::wstring s(n + 1, L'\0');
    n = GetWindowTextW(window, s.data(), n + 1);
    s.resize(n);
    return s;
}

void set_text(HWND window, const std::wstring& t)
{
    SetWindowTextW(window, t.c_str());
}

void select(HWND edit, int start, int end)
{
    SendMessageW(edit, EM_SETSEL, start, end);
}

std::pair<int, int> selection(HWND edit)
{
    DWORD s = 0, e = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    return {(int)s, (int)e};
}

int first_visible_line(HWND edit)
{
    return (int)SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
}

HWND find_control(HWND parent, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, NULL};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = (Search*)p;
            if (GetDlgCtrlID(w) == s->id) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

RECT child_rect(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), (POINT*)&r, 2);
    return r;
}

// ---- Message boxes and dialogs -----------------------------------------------------

const std::vector<Box>& boxes() { return recorded_boxes; }

void clear_boxes()
{
    recorded_boxes.clear();
    box_answers.clear();
}

void answer_next_boxes(std::vector<int> buttons)
{
    ensure_hook();
    box_answers.assign(buttons.begin(), buttons.end());
}

void on_next_dialog(DialogHandler handler)
{
    ensure_hook();
    handlers.push_back(std::move(handler));
}

const std::vector<std::wstring>& dialogs_seen() { return seen_dialogs; }
const std::vector<std::wstring>& unexpected_dialogs() { return unexpected; }
size_t pending_handlers() { return handlers.size(); }

void clear_dialogs()
{
    handlers.clear();
    seen_dialogs.clear();
    unexpected.clear();
}

DialogHandler choose_file(const std::wstring& path)
{
    return [path](HWND dialog) {
        HWND name = GetDlgItem(dialog, 0x47c);
        if (!name)
            name = GetDlgItem(dialog, 0x480);
        SetWindowTextW(name, path.c_str());
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}

DialogHandler cancel_dialog()
{
    return [](HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    };
}

DialogHandler then_close(DialogHandler handler)
{
    return [handler](HWND dialog) {
        handler(dialog);
        if (IsWindow(dialog))
            PostMessageW(dialog, WM_CLOSE, 0, 0);
    };
}

namespace {
std::map<HWND, std::deque<DialogHandler>> later_handlers;

void CALLBACK later_timer(HWND w, UINT, UINT_PTR id, DWORD)
{
    KillTimer(w, id);
    auto it = later_handlers.find(w);
    if (it == later_handlers.end() || it->second.empty())
        return;
    DialogHandler handler = std::move(it->second.front());
    it->second.pop_front();
    if (it->second.empty())
        later_handlers.erase(it);
    handler(w);
}
}  // namespace

void later_in_dialog(HWND dialog, DialogHandler handler, DWORD milliseconds)
{
    later_handlers[dialog].push_back(std::move(handler));
    // One timer per queued handler, each with its own ID, so none replaces another.
    static UINT_PTR next_id = 0x4C00;
    SetTimer(dialog, ++next_id, milliseconds, later_timer);
}

void post_key(HWND window, UINT vk)
{
    PostMessageW(window, WM_KEYDOWN, vk, key_lparam(vk, false));
    PostMessageW(window, WM_KEYUP, vk, key_lparam(vk, true));
}

std::vector<Control> controls(HWND dialog)
{
    std::vector<Control> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        out.push_back(Control{GetDlgCtrlID(c), class_of(c), text(c),
                              (DWORD)GetWindowLongW(c, GWL_STYLE), child_rect(c)});
    return out;
}

// ---- Files -----------------------------------------------------------------------

std::wstring temp_dir()
{
    static int counter;
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    wchar_t dir[MAX_PATH];
    wsprintfW(dir, L"%sewtest_%lu_%lu_%d", base, GetCurrentProcessId(), GetTickCount(), ++counter);
    CreateDirectoryW(dir, NULL);
    return dir;
}

std::string read_file(const std::wstring& path)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(f, chunk, sizeof chunk, &got, NULL) && got)
        bytes.append(chunk, got);
    CloseHandle(f);
    return bytes;
}

bool write_file(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD put = 0;
    BOOL ok = WriteFile(f, bytes.data(), (DWORD)bytes.size(), &put, NULL);
    CloseHandle(f);
    return ok && put == bytes.size();
}

}  // namespace kit
