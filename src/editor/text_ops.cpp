// Text transforms behind the editor's commands, over plain text with no window handles.
#include "text_ops.h"

#include <stdlib.h>
#include <string.h>

size_t count_leading_spaces(const wchar_t* text, size_t length)
{
    size_t n = 0;
    while (n < length && text[n] == L' ')
        ++n;
    return n;
}

size_t line_start(const wchar_t* text, size_t pos)
{
    while (pos > 0 && text[pos - 1] != L'\n')
        --pos;
    return pos;
}

size_t find_text(const wchar_t* text, size_t length, const wchar_t* needle,
                 size_t needle_length, size_t from)
{
    if (from > length || needle_length > length - from)
        return TEXT_NOT_FOUND;
    if (needle_length == 0)
        return from;
    const wchar_t first = needle[0];
    const size_t last = length - needle_length;
    for (size_t i = from; i <= last; ++i) {
        const wchar_t* hit = wmemchr(text + i, first, last - i + 1);
        if (!hit)
            break;
        i = (size_t)(hit - text);
        if (wmemcmp(hit + 1, needle + 1, needle_length - 1) == 0)
            return i;
    }
    return TEXT_NOT_FOUND;
}

wchar_t* new_line_with_indent(size_t spaces)
{
    if (spaces > EDIT_TEXT_MAX)
        return NULL;
    wchar_t* out = (wchar_t*)malloc((spaces + 3) * sizeof(wchar_t));
    if (!out)
        return NULL;
    out[0] = L'\r';
    out[1] = L'\n';
    wmemset(out + 2, L' ', spaces);
    out[spaces + 2] = L'\0';
    return out;
}

size_t alignment_spaces(int width, int space_width)
{
    if (width <= 0 || space_width <= 0)
        return 0;
    return (size_t)(width / space_width);
}

size_t count_line_breaks(const wchar_t* text, size_t length)
{
    size_t breaks = 0;
    for (size_t i = 0; i + 1 < length; ++i) {
        if (text[i] == L'\r' && text[i + 1] == L'\n') {
            ++breaks;
            ++i;
        }
    }
    return breaks;
}

bool shifted_right_length(size_t length, size_t breaks, int n, size_t* result)
{
    if (length > EDIT_TEXT_MAX)
        return false;
    if (n <= 0 || breaks == 0) {
        *result = length;
        return true;
    }
    // Checked: breaks * n must not pass what is left below the most the edit holds.
    const size_t room = EDIT_TEXT_MAX - length;
    if (breaks > room / (size_t)n)
        return false;
    *result = length + breaks * (size_t)n;
    return true;
}

// Copies the text; after every CR LF it adds n spaces (right) or skips up to n
// spaces (left).
static size_t shift_lines(const wchar_t* text, size_t length, int n, bool right, wchar_t* out)
{
    size_t o = 0;
    size_t i = 0;
    while (i < length) {
        if (text[i] == L'\r' && i + 1 < length && text[i + 1] == L'\n') {
            out[o++] = L'\r';
            out[o++] = L'\n';
            i += 2;
            if (right && n > 0) {
                wmemset(out + o, L' ', (size_t)n);
                o += (size_t)n;
            }
            for (int skipped = 0; !right && skipped < n && i < length && text[i] == L' '; ++skipped)
                ++i;
            continue;
        }
        // Copy the run up to the next CR in one go.
        const wchar_t* cr = wmemchr(text + i + 1, L'\r', length - i - 1);
        size_t run = cr ? (size_t)(cr - text) - i : length - i;
        wmemcpy(out + o, text + i, run);
        o += run;
        i += run;
    }
    out[o] = L'\0';
    return o;
}

size_t shift_lines_right(const wchar_t* text, size_t length, int n, wchar_t* out)
{
    return shift_lines(text, length, n, true, out);
}

size_t shift_lines_left(const wchar_t* text, size_t length, int n, wchar_t* out)
{
    return shift_lines(text, length, n, false, out);
}

void jump_marker_text(int jump, wchar_t out[8])
{
    wmemcpy(out, L"//--?", 5);
    out[5] = (wchar_t)(L'0' + (jump / 10) % 10);
    out[6] = (wchar_t)(L'0' + jump % 10);
    out[7] = L'\0';
}

const wchar_t* marker_line_text(int index)
{
    static const wchar_t* const lines[9] = {
        L"\r\n//--?00\r\n", L"\r\n//--?01\r\n", L"\r\n//--?02\r\n",
        L"\r\n//--?03\r\n", L"\r\n//--?04\r\n", L"\r\n//--?05\r\n",
        L"\r\n//--?06\r\n", L"\r\n//--?07\r\n", L"\r\n//--?08\r\n",
    };
    if (index < 1 || index > 9)
        return NULL;
    return lines[index - 1];
}
