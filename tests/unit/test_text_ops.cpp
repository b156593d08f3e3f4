// The editor's text transforms: indentation, lines shifted right and left, search, markers.
#include "editor/text_ops.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include <string>

namespace {

std::wstring right(const std::wstring& text, int n)
{
    size_t length = 0;
    EXPECT_TRUE(shifted_right_length(text.size(), count_line_breaks(text.data(), text.size()), n,
                                     &length));
    std::wstring out(length + 1, L'#');
    size_t written = shift_lines_right(text.data(), text.size(), n, out.data());
    EXPECT_EQ(written, length);
    EXPECT_EQ(out[written], L'\0');
    out.resize(written);
    return out;
}

std::wstring left(const std::wstring& text, int n)
{
    std::wstring out(text.size() + 1, L'#');
    size_t written = shift_lines_left(text.data(), text.size(), n, out.data());
    EXPECT_EQ(out[written], L'\0');
    out.resize(written);
    return out;
}

TEST(TextOps, LeadingSpacesCountSpacesOnly)
{
    struct Case {
        const wchar_t* text;
        size_t length;
        size_t spaces;
    } cases[] = {
        {L"", 0, 0},          {L"x", 1, 0},           {L"    x", 5, 4},
        {L"\t  x", 4, 0},     {L"  \tx", 4, 2},       {L"   ", 3, 3},
        {L"      ", 2, 2},    {L"  \r\n  x", 7, 2},   {L"\xA0 x", 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(count_leading_spaces(c.text, c.length), c.spaces);
    }
}

TEST(TextOps, LineStartIsAfterTheLastLineFeed)
{
    const wchar_t text[] = L"ab\r\n  cd\r\n\r\nx";
    EXPECT_EQ(line_start(text, 0), 0u);
    EXPECT_EQ(line_start(text, 2), 0u);
    EXPECT_EQ(line_start(text, 3), 0u) << "between CR and LF: still the first line";
    EXPECT_EQ(line_start(text, 4), 4u);
    EXPECT_EQ(line_start(text, 8), 4u);
    EXPECT_EQ(line_start(text, 10), 10u);
    EXPECT_EQ(line_start(text, 13), 12u);
    EXPECT_EQ(line_start(L"a\rb", 3), 0u) << "a lone CR does not end a line";
}

TEST(TextOps, FindTextFromAPosition)
{
    const std::wstring t = L"aaab aab";
    struct Case {
        const wchar_t* needle;
        size_t from;
        size_t found;
    } cases[] = {
        {L"aa", 0, 0},  {L"aa", 1, 1},  {L"aa", 2, 5},  {L"aab", 0, 1},   {L"aab", 2, 5},
        {L"b", 4, 7},   {L"b", 8, TEXT_NOT_FOUND},      {L"aab ", 6, TEXT_NOT_FOUND},
        {L"x", 0, TEXT_NOT_FOUND},      {L"aaab aab!", 0, TEXT_NOT_FOUND},
        {L"", 3, 3},    {L"", 8, 8},    {L"", 9, TEXT_NOT_FOUND},       {L"aa", 100, TEXT_NOT_FOUND},
        {L"Aa", 0, TEXT_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.needle)) + " from " + std::to_string(c.from));
        EXPECT_EQ(find_text(t.data(), t.size(), c.needle, wcslen(c.needle), c.from), c.found);
    }
    // Only the given length is searched, whatever follows it.
    EXPECT_EQ(find_text(L"abcabc", 5, L"bc", 2, 2), TEXT_NOT_FOUND);
    EXPECT_EQ(find_text(L"abcabc", 6, L"bc", 2, 2), 4u);
}

TEST(TextOps, NewLineWithIndentHoldsAnyWidth)
{
    for (size_t spaces : {0u, 1u, 8u, 297u, 298u, 5000u}) {
        wchar_t* line = new_line_with_indent(spaces);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(std::wstring(line), L"\r\n" + std::wstring(spaces, L' '));
        free(line);
    }
    EXPECT_EQ(new_line_with_indent((size_t)-1), nullptr);
}

TEST(TextOps, AlignmentSpacesFillTheWidthWithoutDividingByNothing)
{
    EXPECT_EQ(alignment_spaces(40, 5), 8u);
    EXPECT_EQ(alignment_spaces(44, 5), 8u) << "truncated";
    EXPECT_EQ(alignment_spaces(4, 5), 0u);
    EXPECT_EQ(alignment_spaces(0, 5), 0u);
    EXPECT_EQ(alignment_spaces(40, 0), 0u) << "a space that measures nothing";
    EXPECT_EQ(alignment_spaces(0, 0), 0u);
    EXPECT_EQ(alignment_spaces(40, -2), 0u);
    EXPECT_EQ(alignment_spaces(INT_MAX, 1), (size_t)INT_MAX);
}

TEST(TextOps, ShiftRightPutsSpacesAfterEveryWholeLineBreak)
{
    struct Case {
        const wchar_t* text;
        int n;
        const wchar_t* shifted;
    } cases[] = {
        {L"a\r\nb\r\n", 2, L"a\r\n  b\r\n  "},
        {L"a\r\nb\r\nc", 4, L"a\r\n    b\r\n    c"},
        {L"abc", 8, L"abc"},
        {L"\r\n", 1, L"\r\n "},
        {L"\n\r\nx", 1, L"\n\r\n x"},       // starts between a CR and its LF
        {L"x\r", 3, L"x\r"},                // ends between a CR and its LF
        {L"\r\r\n\n", 1, L"\r\r\n \n"},
        {L"a\r\n\tb", 2, L"a\r\n  \tb"},
        {L"a\r\nb", 0, L"a\r\nb"},
        {L"a\r\nb", -3, L"a\r\nb"},
        {L"a\r\nb", INT_MIN, L"a\r\nb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)) + " by " + std::to_string(c.n));
        EXPECT_EQ(right(c.text, c.n), c.shifted);
    }
}

TEST(TextOps, ShiftedLengthIsCheckedAgainstTheLargestText)
{
    size_t length = 0;
    EXPECT_TRUE(shifted_right_length(6, 2, 2, &length));
    EXPECT_EQ(length, 10u);
    EXPECT_TRUE(shifted_right_length(6, 0, INT_MAX, &length));
    EXPECT_EQ(length, 6u);
    EXPECT_TRUE(shifted_right_length(6, 3, -5, &length));
    EXPECT_EQ(length, 6u);
    EXPECT_FALSE(shifted_right_length(4, 1, INT_MAX, &length)) << "past what the edit can hold";
    EXPECT_FALSE(shifted_right_length(200000, 100000, INT_MAX, &length)) << "would wrap an int";
    EXPECT_FALSE(shifted_right_length((size_t)-1 / 2, (size_t)-1 / 4, INT_MAX, &length))
        << "would wrap a size_t";
    EXPECT_TRUE(shifted_right_length(EDIT_TEXT_MAX - 10, 5, 2, &length));
    EXPECT_EQ(length, EDIT_TEXT_MAX);
    EXPECT_FALSE(shifted_right_length(EDIT_TEXT_MAX - 10, 11, 1, &length));
}

TEST(TextOps, ShiftLeftRemovesUpToNSpacesAfterEveryWholeLineBreak)
{
    struct Case {
        const wchar_t* text;
        int n;
        const wchar_t* shifted;
    } cases[] = {
        {L"a\r\n  b\r\n  c", 2, L"a\r\nb\r\nc"},
        {L"  a\r\n    b", 2, L"  a\r\n  b"},      // the first line keeps its spaces
        {L"a\r\n  b", 8, L"a\r\nb"},               // no more than there are
        {L"a\r\n \tb", 4, L"a\r\n\tb"},            // tabs stay
        {L"a\r\n\t b", 4, L"a\r\n\t b"},
        {L"a\r\n  b", 0, L"a\r\n  b"},
        {L"a\r\n  b", -1, L"a\r\n  b"},
        {L"a\r\n  b", INT_MIN, L"a\r\n  b"},
        {L"a\r\n  b", INT_MAX, L"a\r\nb"},
        {L"\n  x\r\n  y", 2, L"\n  x\r\ny"},       // starts between a CR and its LF
        {L"x\r", 2, L"x\r"},                       // ends between a CR and its LF
        {L"x\r\n   ", 2, L"x\r\n "},
        {L"x\r\n\r\n  y", 2, L"x\r\n\r\ny"},       // after an empty line too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)) + " by " + std::to_string(c.n));
        EXPECT_EQ(left(c.text, c.n), c.shifted);
    }
    // The spaces to remove must lie within the given length.
    EXPECT_EQ(left(std::wstring(L"a\r\n  b").substr(0, 4), 2), L"a\r\n");
    const wchar_t spaced[] = L"a\r\n  b";
    wchar_t out[8];
    EXPECT_EQ(shift_lines_left(spaced, 3, 2, out), 3u);
    EXPECT_EQ(std::wstring(out), L"a\r\n");
}

TEST(TextOps, ShiftRightThenLeftGivesTheTextBack)
{
    std::wstring text;
    for (int i = 0; i < 50; ++i)
        text += std::wstring(i % 7, L' ') + L"line " + std::to_wstring(i) + L"\r\n";
    for (int n : {1, 4, 8, 100})
        EXPECT_EQ(left(right(text, n), n), text) << n;
}

TEST(TextOps, MarkerTexts)
{
    wchar_t marker[8];
    jump_marker_text(0, marker);
    EXPECT_STREQ(marker, L"//--?00");
    jump_marker_text(9, marker);
    EXPECT_STREQ(marker, L"//--?09");
    jump_marker_text(18, marker);
    EXPECT_STREQ(marker, L"//--?18");
    for (int index = 1; index <= 9; ++index) {
        jump_marker_text(index - 1, marker);
        ASSERT_NE(marker_line_text(index), nullptr);
        EXPECT_EQ(std::wstring(marker_line_text(index)), L"\r\n" + std::wstring(marker) + L"\r\n");
        EXPECT_EQ(wcslen(marker_line_text(index)), MARKER_LINE_LENGTH);
    }
    EXPECT_EQ(marker_line_text(0), nullptr);
    EXPECT_EQ(marker_line_text(10), nullptr);
    EXPECT_EQ(marker_line_text(-1), nullptr);
}

}  // namespace
