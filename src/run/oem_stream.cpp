// Streaming decoder for the console output of captured commands.
#include "run/oem_stream.h"

#include <string.h>

enum { SINGLE_BYTE, LEAD_BYTE, UTF8 };

void stream_decoder_start(StreamDecoder* decoder, UINT code_page)
{
    decoder->code_page = code_page;
    decoder->carried = 0;
    decoder->kind = SINGLE_BYTE;
    CPINFO info;
    if (code_page == CP_UTF8)
        decoder->kind = UTF8;
    else if (GetCPInfo(code_page, &info) && info.MaxCharSize == 2)
        decoder->kind = LEAD_BYTE;
}

size_t stream_decode_room(size_t count)
{
    return count + sizeof(((StreamDecoder*)0)->carry) + 1;
}

size_t complete_length(const StreamDecoder* decoder, const unsigned char* b, size_t count)
{
    if (decoder->kind == LEAD_BYTE) {
        // A byte that cannot lead ends a character (a single one or a trail);
        // the lead-byte values after it pair up from there.
        size_t run = 0;
        while (run < count && IsDBCSLeadByteEx(decoder->code_page, b[count - 1 - run]))
            ++run;
        return run % 2 ? count - 1 : count;
    }
    if (decoder->kind == UTF8) {
        for (size_t back = 1; back <= 4 && back <= count; ++back) {
            unsigned char c = b[count - back];
            if ((c & 0xC0) == 0x80)
                continue;
            size_t need = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 1;
            return back < need ? count - back : count;
        }
    }
    return count;
}

// Converts bytes that end between characters; 0 units are dropped. When more of
// the stream follows, a broken UTF-8 sequence at the end is one U+FFFD, as it is
// with the next byte in sight (the converter would otherwise treat it as the end).
static size_t convert(const StreamDecoder* d, const unsigned char* bytes, size_t count, wchar_t* out,
                      bool followed)
{
    if (!count)
        return 0;
    size_t broken = 0;
    if (followed && d->kind == UTF8) {
        size_t whole = complete_length(d, bytes, count);
        broken = count - whole;
        count = whole;
    }
    int units = 0;
    if (count) {
        units = MultiByteToWideChar(d->code_page, 0, (const char*)bytes, (int)count, out, (int)count + 1);
        if (units < 0)
            units = 0;
    }
    if (broken)
        out[units++] = 0xFFFD;
    size_t kept = 0;
    for (int i = 0; i < units; ++i)
        if (out[i])
            out[kept++] = out[i];
    return kept;
}

size_t stream_decode(StreamDecoder* d, const unsigned char* bytes, size_t count, wchar_t* out, bool at_end)
{
    size_t written = 0;
    if (d->carried) {
        // Finish the held character with the first bytes of this piece.
        unsigned char joined[8];
        size_t taken = count < 4 ? count : 4;
        memcpy(joined, d->carry, d->carried);
        memcpy(joined + d->carried, bytes, taken);
        size_t total = d->carried + taken;
        size_t whole = complete_length(d, joined, total);
        if (whole < d->carried) {
            // Still not complete, and this piece was too short to finish it.
            if (!at_end) {
                memcpy(d->carry, joined, total);
                d->carried = total;
                return 0;
            }
            whole = total;
        }
        written = convert(d, joined, whole, out, whole < total || taken < count);
        size_t used = whole - d->carried;
        bytes += used;
        count -= used;
        d->carried = 0;
    }
    size_t whole = at_end ? count : complete_length(d, bytes, count);
    written += convert(d, bytes, whole, out + written, !at_end);
    d->carried = count - whole;
    memcpy(d->carry, bytes + whole, d->carried);
    return written;
}
