// Text transforms behind the replace of the search and replace dialog.
#pragma once

#include <stddef.h>

// A new buffer (malloc) holding text with every backslash + n turned into CR LF;
// every other character, a lone final backslash included, is copied as it is.
// Null when memory runs out.
wchar_t* backslash_n_to_crlf(const wchar_t* text);

// A new buffer (malloc) holding the first length characters of text with every
// occurrence of pattern replaced by replacement, in one left-to-right pass:
// occurrences never overlap and inserted text is never scanned again. An empty
// pattern matches nothing, so the result is a copy of the text. The result's
// length goes to *result_length. Null when memory runs out or the result would
// not fit in memory.
wchar_t* replace_every_occurrence(const wchar_t* text, size_t length, const wchar_t* pattern,
                                  const wchar_t* replacement, size_t* result_length);
