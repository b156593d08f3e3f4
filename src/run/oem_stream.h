// Decodes a byte stream from one code page in pieces, so that a character cut
// between two reads comes out whole.
#pragma once

#include <windows.h>
#include <stddef.h>

struct StreamDecoder {
    UINT code_page;
    int kind;                 // single-byte, lead-byte (DBCS) or UTF-8
    unsigned char carry[4];   // start of a character that the last piece cut
    size_t carried;
};

void stream_decoder_start(StreamDecoder* decoder, UINT code_page);

// Room that out must have for a piece of count bytes.
size_t stream_decode_room(size_t count);

// Decodes the next count bytes of the stream into out, holding back a character
// that is not complete yet. At the end of the stream (at_end) everything held is
// decoded. 0 bytes of the stream are left out. Returns the units written (no
// terminator).
size_t stream_decode(StreamDecoder* decoder, const unsigned char* bytes, size_t count, wchar_t* out,
                     bool at_end);

// Length of the longest start of bytes that ends between two characters, for a
// stream that begins between two characters.
size_t complete_length(const StreamDecoder* decoder, const unsigned char* bytes, size_t count);
