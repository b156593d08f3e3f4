// The replace and the backslash-n conversion behind the search and replace dialog.
#include "EditWindow.h"
#include "dialogs/replace_text.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

namespace {

std::wstring convert(const wchar_t* text)
{
    wchar_t* out = replaceNewlineWithCRLF(text);
    EXPECT_NE(out, nullptr);
    std::wstring s = out ? out : L"";
    free(out);
    return s;
}

// The dialog's replace over a text: From and To converted, then every occurrence replaced.
std::wstring replace(const std::wstring& text, const wchar_t* from, const wchar_t* to)
{
    wchar_t* pattern = replaceNewlineWithCRLF(from);
    wchar_t* replacement = replaceNewlineWithCRLF(to);
    size_t length = 12345;
    wchar_t* out = replace_every_occurrence(text.c_str(), text.size(), pattern, replacement, &length);
    EXPECT_NE(out, nullptr);
    std::wstring s = out ? std::wstring(out, length) : L"";
    if (out)
        EXPECT_EQ(wcslen(out), length) << "terminated at its length";
    free(out);
    free(replacement);
    free(pattern);
    return s;
}

TEST(ReplaceAll, BackslashNBecomesCrLfAndNothingElseIsAnEscape)
{
    struct Case {
        const wchar_t* in;
        const wchar_t* out;
    } cases[] = {
        {L"", L""},
        {L"a\\nb", L"a\r\nb"},
        {L"\\n\\n", L"\r\n\r\n"},
        {L"\\\\n", L"\\\r\n"},      // backslash, backslash, n: only the last pair converts
        {L"end\\", L"end\\"},        // a final lone backslash stays
        {L"\\t\\r\\N", L"\\t\\r\\N"},  // no other escapes, and the n is case-sensitive
        {L"n\\", L"n\\"},
        {L"\\\\", L"\\\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "input of " << wcslen(c.in) << " chars");
        EXPECT_EQ(convert(c.in), c.out);
    }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceInOnePass)
{
    struct Case {
        const char* name;
        std::wstring text;
        const wchar_t* from;
        const wchar_t* to;
        std::wstring expected;
    } cases[] = {
        {"inserted text is not rescanned", L"aaa", L"a", L"aa", L"aaaaaa"},
        {"occurrences do not overlap", L"aaaa", L"aa", L"b", L"bb"},
        {"odd overlap leaves the tail", L"aaa", L"aa", L"b", L"ba"},
        {"no match keeps the text", L"int main()", L"xyz", L"q", L"int main()"},
        {"empty From changes nothing", L"abc", L"", L"zz", L"abc"},
        {"empty To deletes", L"a-b-c", L"-", L"", L"abc"},
        {"case-sensitive", L"Aa aA", L"a", L"x", L"Ax xA"},
        {"whole text replaced", L"abc", L"abc", L"", L""},
        {"match at both ends", L"xmidx", L"x", L"[]", L"[]mid[]"},
        {"backslash-n in From joins lines", L"one\r\ntwo\r\nthree", L"\\n", L" ", L"one two three"},
        {"backslash-n in To breaks lines", L"axbxc", L"x", L"\\n", L"a\r\nb\r\nc"},
        {"backslash-backslash-n", L"a\\\r\nb", L"\\\\n", L"|", L"a|b"},
        {"final lone backslash is literal", L"c:\\dir\\", L"dir\\", L"x", L"c:\\x"},
        {"a lone LF is not a line break", L"a\nb\r\nc", L"\\n", L"+", L"a\nb+c"},
        {"non-ASCII text", L"zażółć gęślą", L"ęś", L"ES", L"zażółć gESlą"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replace(c.text, c.from, c.to), c.expected);
    }
}

TEST(ReplaceAll, ResultManyTimesLongerThanTheTextIsBuiltWhole)
{
    std::wstring text(5000, L'a');
    std::wstring to(199, L'b');
    std::wstring result = replace(text, L"a", to.c_str());
    ASSERT_EQ(result.size(), 5000u * 199u);
    EXPECT_EQ(result.find_first_not_of(L'b'), std::wstring::npos);

    // Shrinking works the same way.
    EXPECT_EQ(replace(result, to.c_str(), L"c"), std::wstring(5000, L'c'));
}

TEST(ReplaceAll, UsesOnlyTheGivenLengthOfTheText)
{
    const wchar_t text[] = L"abab";
    size_t length = 0;
    wchar_t* out = replace_every_occurrence(text, 3, L"b", L"X", &length);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(std::wstring(out, length), L"aXa");
    EXPECT_EQ(out[length], L'\0');
    free(out);
}

}  // namespace
