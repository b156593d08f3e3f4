// Text transforms behind the replace of the search and replace dialog.
#include "replace_text.h"

#include <stdint.h>
#include <stdlib.h>
#include <wchar.h>

wchar_t* backslash_n_to_crlf(const wchar_t* text)
{
    size_t length = wcslen(text);
    // The result is never longer than the input: two characters become two.
    wchar_t* out = (wchar_t*)malloc((length + 1) * sizeof(wchar_t));
    if (!out)
        return NULL;
    size_t w = 0;
    for (size_t r = 0; r < length; ++r) {
        if (text[r] == L'\\' && text[r + 1] == L'n') {
            out[w++] = L'\r';
            out[w++] = L'\n';
            ++r;
        } else {
            out[w++] = text[r];
        }
    }
    out[w] = L'\0';
    return out;
}

// Position of the first occurrence of pattern in text[from..length), or length.
static size_t find_from(const wchar_t* text, size_t length, size_t from, const wchar_t* pattern,
                        size_t pattern_length)
{
    while (length - from >= pattern_length) {
        const wchar_t* first =
            wmemchr(text + from, pattern[0], length - from - pattern_length + 1);
        if (!first)
            break;
        size_t at = (size_t)(first - text);
        if (wmemcmp(first, pattern, pattern_length) == 0)
            return at;
        from = at + 1;
    }
    return length;
}

wchar_t* replace_every_occurrence(const wchar_t* text, size_t length, const wchar_t* pattern,
                                  const wchar_t* replacement, size_t* result_length)
{
    size_t pattern_length = wcslen(pattern);
    size_t replacement_length = wcslen(replacement);

    // First pass counts, so the result is allocated once at its full size.
    size_t count = 0;
    if (pattern_length > 0) {
        for (size_t at = find_from(text, length, 0, pattern, pattern_length); at < length;
             at = find_from(text, length, at + pattern_length, pattern, pattern_length))
            ++count;
    }

    size_t total = length;
    if (replacement_length >= pattern_length) {
        size_t growth = replacement_length - pattern_length;
        if (growth && count > (SIZE_MAX / sizeof(wchar_t) - 1 - length) / growth)
            return NULL;
        total += count * growth;
    } else {
        total -= count * (pattern_length - replacement_length);
    }

    wchar_t* out = (wchar_t*)malloc((total + 1) * sizeof(wchar_t));
    if (!out)
        return NULL;
    size_t w = 0;
    size_t r = 0;
    if (count > 0) {
        for (size_t at = find_from(text, length, 0, pattern, pattern_length); at < length;
             at = find_from(text, length, r, pattern, pattern_length)) {
            wmemcpy(out + w, text + r, at - r);
            w += at - r;
            wmemcpy(out + w, replacement, replacement_length);
            w += replacement_length;
            r = at + pattern_length;
        }
    }
    wmemcpy(out + w, text + r, length - r);
    w += length - r;
    out[w] = L'\0';
    *result_length = w;
    return out;
}
