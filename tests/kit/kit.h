// GUI test kit: runs the real editor window tree in the test process, types keys
// with real modifier state, and answers message boxes and dialogs by itself.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct LangSet;

namespace kit {

// The language set that load_langs() copies; Polish unless a test sets another.
extern const LangSet* build_language;

// Starts a fresh main window tree (as the program does up to its message loop);
// an editor started earlier is destroyed first.
void start_editor(const LangSet* language = nullptr);
void stop_editor();
// Dispatches every pending message of the thread.
void pump();
// Pumps for the given time, so timers and posted messages run.
void pump_for(DWORD milliseconds);

// ---- Keys ------------------------------------------------------------------------
enum Modifiers { NONE = 0, SHIFT = 1, CTRL = 2, ALT = 4 };

// Holds the given modifiers down in the thread's keyboard state while alive.
class HeldKeys {
public:
    explicit HeldKeys(int modifiers);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
private:
    BYTE saved_[256];
};

// Sends WM_KEYDOWN (and WM_KEYUP) of vk straight to the window.
LRESULT key_down(HWND window, UINT vk, int modifiers = NONE);
// Sends WM_CHAR of ch straight to the window.
LRESULT send_char(HWND window, wchar_t ch, int modifiers = NONE);
// Types a key as the keyboard would: key-down through TranslateMessage (which
// makes the character message, if any) and key-up.
void press(HWND window, UINT vk, int modifiers = NONE);

// ---- Edit controls ---------------------------------------------------------------
std::wstring text(HWND window);
void set_text(HWND window, const std::wstring& text);
void select(HWND edit, int start, int end);
std::pair<int, int> selection(HWND edit);
int first_visible_line(HWND edit);

// The control with the given ID anywhere below a window.
HWND find_control(HWND parent, int id);
RECT child_rect(HWND child);  // in the parent's client coordinates

// ---- Message boxes and dialogs -----------------------------------------------------
struct Box {
    std::wstring caption;
    std::wstring text;
    UINT icon;  // MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONQUESTION or 0
    HWND owner;
};

// Message boxes shown since the last clear; each was answered at once.
const std::vector<Box>& boxes();
void clear_boxes();
// Answers the next message boxes with these button IDs in turn (IDOK or IDYES,
// whichever the box has, once the list is used up).
void answer_next_boxes(std::vector<int> buttons);

using DialogHandler = std::function<void(HWND dialog)>;
// Queues a handler for the next dialog that is not a message box. The handler runs
// inside the dialog's own modal loop, shortly after the dialog is shown. A dialog
// with no handler queued is recorded and cancelled.
void on_next_dialog(DialogHandler handler);
// Captions of the dialogs (not message boxes) shown since the last clear.
const std::vector<std::wstring>& dialogs_seen();
// Dialogs that arrived with no handler or outlived their watchdog.
const std::vector<std::wstring>& unexpected_dialogs();
void clear_dialogs();
// Handlers still queued (a test that expected a dialog sees it never came).
size_t pending_handlers();

// Common file dialogs: type the full path and confirm, or cancel.
DialogHandler choose_file(const std::wstring& path);
DialogHandler cancel_dialog();
// Runs a handler then closes the dialog with WM_CLOSE when it is still open.
DialogHandler then_close(DialogHandler handler);

// Runs a handler a little later inside the dialog's own modal loop. Keys posted
// to the dialog's controls before it then arrive through that loop (and so through
// IsDialogMessage), as typed keys do; kit::press dispatches them directly instead.
void later_in_dialog(HWND dialog, DialogHandler handler, DWORD milliseconds = 50);
// Posts a key's down and up messages to a window without dispatching them.
void post_key(HWND window, UINT vk);

// Captions and IDs of a dialog's direct children, for checking a template.
struct Control {
    int id;
    std::wstring class_name;
    std::wstring text;
    DWORD style;
    RECT rect;  // in the dialog's client coordinates
};
std::vector<Control> controls(HWND dialog);

// Unix paths to Windows paths and temporary folders.
std::wstring temp_dir();                       // a fresh folder for this test
std::string read_file(const std::wstring& path);
bool write_file(const std::wstring& path, const std::string& bytes);

}  // namespace kit
