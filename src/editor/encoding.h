// Text file bytes to editor text and back, with no window involved.
#pragma once

#include <stddef.h>

// Decodes the bytes of a text file: FF FE starts UTF-16 little-endian (an odd
// last byte is dropped); a UTF-8 mark or bytes that are valid UTF-8 are read as
// UTF-8 (mark dropped); anything else is read in the ANSI code page. UTF-8 and
// ANSI texts end at the first 0 byte. Returns a malloc'd text terminated at
// *length, or NULL when no memory is left.
wchar_t* decode_file_bytes(const unsigned char* bytes, size_t size, size_t* length);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing past U+10FFFF).
bool is_valid_utf8(const unsigned char* bytes, size_t size);

// Encodes length code units as UTF-8, a pair of surrogates as one four-byte
// character and a lone surrogate as U+FFFD. Returns malloc'd bytes (*size of
// them, no terminator counted) or NULL when no memory is left.
unsigned char* encode_utf8(const wchar_t* text, size_t length, size_t* size);
