// Running commands through the command interpreter with their output in the pane.
#include "../shell/EditWindow.h"

#include "run/oem_stream.h"
#include "run/options.h"
#include "shell/messages.h"

#include <stdlib.h>
#include <string.h>

enum {
    READ_SIZE = 65536,
    // Decoded output goes to the pane in pieces at least this long, and at least
    // as long as what the pane already shows: each hand-over costs the control a
    // pass over its text, so growing pieces keep a long run linear. Nothing is
    // painted while the command runs anyway.
    PANE_BATCH = 1 << 20,
    PANE_LIMIT = 0x7FFFFFFE,
};

// Output of one run on its way to the pane.
struct PaneWriter {
    wchar_t* pending;
    size_t length;
    size_t capacity;
    size_t shown;  // units already handed to the pane in this run
};

static void hand_to_pane(PaneWriter* w)
{
    if (!w->length)
        return;
    w->pending[w->length] = L'\0';
    if (!w->shown) {
        // The first piece replaces the pane's text; the default typing limit
        // would cut the later appends at 30000 characters.
        SendMessageW(hOutput, EM_SETLIMITTEXT, PANE_LIMIT, 0);
        SendMessageW(hOutput, WM_SETTEXT, 0, (LPARAM)w->pending);
    } else {
        int end = GetWindowTextLengthW(hOutput);
        SendMessageW(hOutput, EM_SETSEL, end, end);
        SendMessageW(hOutput, EM_REPLACESEL, FALSE, (LPARAM)w->pending);
    }
    w->shown += w->length;
    w->length = 0;
}

// Makes room for one more decoded read; when the buffer cannot grow, what it
// holds goes to the pane first.
static void make_room(PaneWriter* w)
{
    size_t needed = w->length + stream_decode_room(READ_SIZE);
    if (needed <= w->capacity)
        return;
    size_t grown = w->capacity * 2 > needed ? w->capacity * 2 : needed;
    wchar_t* bigger = (wchar_t*)realloc(w->pending, grown * sizeof(wchar_t));
    if (bigger) {
        w->pending = bigger;
        w->capacity = grown;
    } else {
        hand_to_pane(w);
    }
}

static void read_output(HANDLE pipe, unsigned char* bytes, PaneWriter* w)
{
    StreamDecoder decoder;
    stream_decoder_start(&decoder, GetOEMCP());
    for (;;) {
        DWORD got = 0;
        bool more = ReadFile(pipe, bytes, READ_SIZE, &got, NULL) && got > 0;
        make_room(w);
        w->length += stream_decode(&decoder, bytes, more ? got : 0, w->pending + w->length, !more);
        size_t batch = w->shown > (size_t)PANE_BATCH ? w->shown : (size_t)PANE_BATCH;
        if (!more || w->length >= batch)
            hand_to_pane(w);
        if (!more)
            return;
    }
}

static void show_start_failure(DWORD code)
{
    wchar_t text[256];
    wsprintfW(text, L"Nie udało się uruchomić procesu! Kod błędu: %lu", code);
    show_error(hOutput, text, L"Błąd");
}

void RunCommandAndRedirect(const wchar_t* command)
{
    // Sized for the whole command: a long one is neither cut nor overrun.
    wchar_t* line = build_command_line(command);
    unsigned char* bytes = (unsigned char*)malloc(READ_SIZE);
    PaneWriter writer = {};
    writer.capacity = 4 * stream_decode_room(READ_SIZE);
    writer.pending = (wchar_t*)malloc(writer.capacity * sizeof(wchar_t));
    HANDLE read_end = NULL, write_end = NULL;
    SECURITY_ATTRIBUTES security = {sizeof security, NULL, TRUE};
    STARTUPINFOW startup = {};
    PROCESS_INFORMATION process = {};

    if (!line || !bytes || !writer.pending) {
        show_allocation_failure();
        goto done;
    }
    if (!CreatePipe(&read_end, &write_end, &security, 0)) {
        read_end = write_end = NULL;
        show_error(hOutput, L"Nie udało się utworzyć potoku!", L"Błąd");
        goto done;
    }
    if (!SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0)) {
        show_error(hOutput, L"Nie udało się ustawić właściwości potoku!", L"Błąd");
        goto done;
    }
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = NULL;
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    if (!CreateProcessW(NULL, line, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process)) {
        show_start_failure(GetLastError());
        goto done;
    }
    // Only the child may hold the write end, or the pipe never reports its end.
    CloseHandle(write_end);
    write_end = NULL;
    read_output(read_end, bytes, &writer);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

done:
    if (write_end)
        CloseHandle(write_end);
    if (read_end)
        CloseHandle(read_end);
    free(writer.pending);
    free(bytes);
    free(line);
}

void ExecuteSystemCommand(const wchar_t* command)
{
    if (!command || !command[0]) {
        show_error(NULL, L"Brak komendy do wykonania.", L"Błąd");
        return;
    }
    if (_wsystem(command) == -1)
        show_error(NULL, L"Wystąpił błąd podczas wykonania komendy.", L"Błąd");
}
