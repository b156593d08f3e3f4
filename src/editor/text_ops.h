// Text transforms behind the editor's commands, over plain text with no window handles.
#pragma once

#include <stddef.h>
#include <wchar.h>

// What find_text gives when there is no occurrence.
const size_t TEXT_NOT_FOUND = (size_t)-1;

// The most characters the edit area can hold: its positions are ints.
const size_t EDIT_TEXT_MAX = 0x7FFFFFFE;

// Spaces (U+0020 only) at the start of text, stopping at the first other character
// or after length characters.
size_t count_leading_spaces(const wchar_t* text, size_t length);

// Start of the line that holds pos: just after the last LF before pos, or 0.
size_t line_start(const wchar_t* text, size_t pos);

// First occurrence of needle (needle_length characters) that begins at from or later
// and ends within text[0, length). An empty needle is found at from when from <= length.
size_t find_text(const wchar_t* text, size_t length, const wchar_t* needle,
                 size_t needle_length, size_t from);

// A new, terminated buffer holding CR LF and the given number of spaces; NULL when
// it cannot be allocated. Release with free.
wchar_t* new_line_with_indent(size_t spaces);

// Spaces that fill a width, given the width of one space: none when either measures
// nothing (a failed measurement gives 0).
size_t alignment_spaces(int width, int space_width);

// CR LF pairs lying wholly inside text[0, length).
size_t count_line_breaks(const wchar_t* text, size_t length);

// Length of text after shift_lines_right with the given line-break count; false when
// it passes EDIT_TEXT_MAX (or size_t). n <= 0 leaves the length as it is.
bool shifted_right_length(size_t length, size_t breaks, int n, size_t* result);

// Puts n spaces after every CR LF inside text[0, length). out holds the length that
// shifted_right_length gives, plus the terminator. Returns the output length.
size_t shift_lines_right(const wchar_t* text, size_t length, int n, wchar_t* out);

// Removes up to n spaces after every CR LF inside text[0, length); the spaces must lie
// inside it too. out holds length + 1. Returns the output length.
size_t shift_lines_left(const wchar_t* text, size_t length, int n, wchar_t* out);

// Marker of jump k (0 to 99) into out: "//--?" and two digits, terminated.
void jump_marker_text(int jump, wchar_t out[8]);

// Length of every marker line: CR LF, the marker, CR LF.
const size_t MARKER_LINE_LENGTH = 11;

// The text that Ctrl+Shift+index inserts (index 1 to 9): the marker of jump index - 1
// on a line of its own. NULL for any other index.
const wchar_t* marker_line_text(int index);
