// Decoding text files for the editor and encoding its text as UTF-8.
#include "editor/encoding.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

bool is_valid_utf8(const unsigned char* b, size_t size)
{
    size_t i = 0;
    while (i < size) {
        unsigned char c = b[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t need;
        unsigned char low = 0x80, high = 0xBF;  // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            need = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            need = 2;
            if (c == 0xE0) low = 0xA0;
            if (c == 0xED) high = 0x9F;  // D800..DFFF are not characters
        } else if (c >= 0xF0 && c <= 0xF4) {
            need = 3;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (size - i - 1 < need)
            return false;
        if (b[i + 1] < low || b[i + 1] > high)
            return false;
        for (size_t k = 2; k <= need; ++k)
            if ((b[i + k] & 0xC0) != 0x80)
                return false;
        i += need + 1;
    }
    return true;
}

static wchar_t* decode_code_page(UINT code_page, const unsigned char* bytes, size_t size,
                                 size_t* length)
{
    // MultiByteToWideChar counts in int; a text this long could not be shown anyway.
    if (size > 0x7FFFFFFF)
        return NULL;
    int units = 0;
    if (size) {
        units = MultiByteToWideChar(code_page, 0, (const char*)bytes, (int)size, NULL, 0);
        if (units <= 0)
            return NULL;
    }
    wchar_t* text = (wchar_t*)malloc(((size_t)units + 1) * sizeof(wchar_t));
    if (!text)
        return NULL;
    if (units)
        units = MultiByteToWideChar(code_page, 0, (const char*)bytes, (int)size, text, units);
    text[units] = L'\0';
    *length = (size_t)units;
    return text;
}

wchar_t* decode_file_bytes(const unsigned char* bytes, size_t size, size_t* length)
{
    *length = 0;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        size_t units = (size - 2) / 2;
        wchar_t* text = (wchar_t*)malloc((units + 1) * sizeof(wchar_t));
        if (!text)
            return NULL;
        for (size_t i = 0; i < units; ++i)
            text[i] = (wchar_t)(bytes[2 + 2 * i] | bytes[3 + 2 * i] << 8);
        text[units] = L'\0';
        *length = units;
        return text;
    }
    bool marked = size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    if (marked) {
        bytes += 3;
        size -= 3;
    }
    const void* zero = memchr(bytes, 0, size);
    if (zero)
        size = (size_t)((const unsigned char*)zero - bytes);
    UINT code_page = marked || is_valid_utf8(bytes, size) ? CP_UTF8 : CP_ACP;
    return decode_code_page(code_page, bytes, size, length);
}

unsigned char* encode_utf8(const wchar_t* text, size_t length, size_t* size)
{
    size_t total = 0;
    for (size_t i = 0; i < length; ++i) {
        unsigned c = text[i];
        if (c < 0x80)
            total += 1;
        else if (c < 0x800)
            total += 2;
        else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
                 text[i + 1] <= 0xDFFF) {
            total += 4;
            ++i;
        } else
            total += 3;  // also U+FFFD for a lone surrogate
    }
    unsigned char* out = (unsigned char*)malloc(total ? total : 1);
    if (!out)
        return NULL;
    unsigned char* p = out;
    for (size_t i = 0; i < length; ++i) {
        unsigned c = text[i];
        if (c < 0x80) {
            *p++ = (unsigned char)c;
        } else if (c < 0x800) {
            *p++ = (unsigned char)(0xC0 | c >> 6);
            *p++ = (unsigned char)(0x80 | (c & 0x3F));
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            if (c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                unsigned cp = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
                *p++ = (unsigned char)(0xF0 | cp >> 18);
                *p++ = (unsigned char)(0x80 | ((cp >> 12) & 0x3F));
                *p++ = (unsigned char)(0x80 | ((cp >> 6) & 0x3F));
                *p++ = (unsigned char)(0x80 | (cp & 0x3F));
            } else {
                *p++ = 0xEF;
                *p++ = 0xBF;
                *p++ = 0xBD;
            }
        } else {
            *p++ = (unsigned char)(0xE0 | c >> 12);
            *p++ = (unsigned char)(0x80 | ((c >> 6) & 0x3F));
            *p++ = (unsigned char)(0x80 | (c & 0x3F));
        }
    }
    *size = total;
    return out;
}
