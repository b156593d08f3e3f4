// Jumping to markers, finding the next occurrence, going to a line, on the real edit area.
#include "kit.h"

#include "EditWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Numbered lines of ordinary length, CR LF after each.
std::wstring lines(int count, int first = 0)
{
    std::wstring t;
    for (int i = first; i < first + count; ++i)
        t += L"int value_" + std::to_wstring(i) + L" = compute(" + std::to_wstring(i) + L");\r\n";
    return t;
}

int line_of(int pos)
{
    return (int)SendMessageW(hEdit, EM_LINEFROMCHAR, pos, 0);
}

int visible_lines()
{
    RECT r;
    SendMessageW(hEdit, EM_GETRECT, 0, (LPARAM)&r);
    HDC dc = GetDC(hEdit);
    HGDIOBJ old = SelectObject(dc, (HGDIOBJ)SendMessageW(hEdit, WM_GETFONT, 0, 0));
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hEdit, dc);
    return (r.bottom - r.top) / tm.tmHeight;
}

class Navigation : public ::testing::Test {
protected:
    void SetUp() override { kit::start_editor(); }
    void TearDown() override { kit::stop_editor(); }
};

TEST_F(Navigation, ScrollToTextSelectsTheFirstOccurrenceAtTheTopOfTheView)
{
    const std::wstring before = lines(120);
    const std::wstring text = before + L"//--?03 first\r\n" + lines(120, 200) + L"//--?03 second\r\n" + lines(40, 400);
    kit::set_text(hEdit, text);
    SetFocus(okno_dzialan.okna[0]);
    ScrollToText(hEdit, L"//--?03");
    const int p = (int)before.size();
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(p, p + 7));
    EXPECT_EQ(kit::first_visible_line(hEdit), line_of(p));
    EXPECT_EQ(GetFocus(), hEdit);
    EXPECT_TRUE(kit::boxes().empty());

    // From a view scrolled far below it, the marker's line comes back to the top.
    SendMessageW(hEdit, EM_LINESCROLL, 0, 200);
    ASSERT_GT(kit::first_visible_line(hEdit), line_of(p));
    kit::select(hEdit, 0, 0);
    ScrollToText(hEdit, L"//--?03");
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(p, p + 7));
    EXPECT_EQ(kit::first_visible_line(hEdit), line_of(p));
}

TEST_F(Navigation, ScrollToTextFromAHalfScrolledViewToAMarkerNearTheStart)
{
    const std::wstring text = lines(3) + L"    //--?00\r\n" + lines(300, 3);
    kit::set_text(hEdit, text);
    SendMessageW(hEdit, EM_LINESCROLL, 0, 150);
    ASSERT_EQ(kit::first_visible_line(hEdit), 150);
    ScrollToText(hEdit, L"//--?00");
    const int p = (int)lines(3).size() + 4;
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(p, p + 7));
    EXPECT_EQ(kit::first_visible_line(hEdit), 3);
}

TEST_F(Navigation, ScrollToTextNearTheEndStaysInTheLastPage)
{
    const std::wstring text = lines(300) + L"//--?07\r\nlast";
    kit::set_text(hEdit, text);
    ScrollToText(hEdit, L"//--?07");
    const int p = (int)lines(300).size();
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(p, p + 7));
    const int first = kit::first_visible_line(hEdit);
    EXPECT_LT(first, line_of(p));
    EXPECT_GE(first + visible_lines(), line_of(p) + 1) << "the marker is in view";
}

TEST_F(Navigation, ScrollToTextWithoutTheMarkerOrWithoutText)
{
    kit::set_text(hEdit, lines(200) + L"//--?1 //--?0 /--?01");
    kit::select(hEdit, 5, 9);
    SendMessageW(hEdit, EM_LINESCROLL, 0, 40);
    SetFocus(okno_dzialan.okna[0]);
    ScrollToText(hEdit, L"//--?01");
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(5, 9));
    EXPECT_EQ(kit::first_visible_line(hEdit), 40);
    EXPECT_EQ(GetFocus(), okno_dzialan.okna[0]) << "nothing happens";
    EXPECT_TRUE(kit::boxes().empty());

    kit::set_text(hEdit, L"");
    ScrollToText(hEdit, L"//--?01");
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].caption, L"Error");
    EXPECT_EQ(kit::boxes()[0].text, L"No text in the edit control.");
    EXPECT_EQ(kit::boxes()[0].icon, 0u);
    EXPECT_EQ(kit::boxes()[0].owner, nullptr);
}

TEST_F(Navigation, FindTextVisitsEveryOccurrenceThenWrapsAround)
{
    // "aa" overlaps itself in "aaa": each start is visited.
    kit::set_text(hEdit, L"x aaa y aa\r\nz aa");
    kit::select(hEdit, 0, 0);
    const std::pair<int, int> visits[] = {{2, 4}, {3, 5}, {8, 10}, {14, 16}, {2, 4}, {3, 5}};
    for (const auto& expected : visits) {
        findTextInEdit(hEdit, L"aa");
        EXPECT_EQ(kit::selection(hEdit), expected);
    }
    EXPECT_TRUE(kit::boxes().empty());

    // The caret at 0 with a match there: the search starts after it and wraps back.
    kit::set_text(hEdit, L"key value key");
    kit::select(hEdit, 0, 0);
    findTextInEdit(hEdit, L"key");
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(10, 13));
    findTextInEdit(hEdit, L"key");
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(0, 3));
}

TEST_F(Navigation, FindTextWithTheOnlyOccurrenceOrNoneOrCaseDiffering)
{
    kit::set_text(hEdit, L"one Two three");
    kit::select(hEdit, 4, 7);
    SetFocus(okno_dzialan.okna[0]);
    findTextInEdit(hEdit, L"Two");
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(4, 7)) << "found again by the wrap-around";
    EXPECT_EQ(GetFocus(), hEdit);

    kit::select(hEdit, 1, 2);
    SetFocus(okno_dzialan.okna[0]);
    findTextInEdit(hEdit, L"two");
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(1, 2)) << "the search is case-sensitive";
    EXPECT_EQ(GetFocus(), hEdit) << "the focus goes to the editor, found or not";
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(Navigation, FindTextFollowsTheViewToAMatchFarBelow)
{
    kit::set_text(hEdit, lines(300) + L"needle\r\n");
    kit::select(hEdit, 0, 0);
    findTextInEdit(hEdit, L"needle");
    const int p = (int)lines(300).size();
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(p, p + 6));
    const int first = kit::first_visible_line(hEdit);
    EXPECT_LE(first, line_of(p));
    EXPECT_GT(first + visible_lines(), line_of(p));
}

TEST_F(Navigation, FindTextOfAnEmptyTextMovesTheCaretOneOn)
{
    kit::set_text(hEdit, L"abc");
    struct Case {
        int start, end;
        int caret;
    } cases[] = {{0, 0, 1}, {1, 3, 2}, {2, 2, 3}, {3, 3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        kit::select(hEdit, c.start, c.end);
        findTextInEdit(hEdit, L"");
        EXPECT_EQ(kit::selection(hEdit), std::make_pair(c.caret, c.caret));
    }
}

TEST_F(Navigation, FindTextInAnEmptyEditorDoesNothing)
{
    kit::set_text(hEdit, L"");
    SetFocus(okno_dzialan.okna[0]);
    findTextInEdit(hEdit, L"x");
    findTextInEdit(hEdit, L"");
    EXPECT_EQ(GetFocus(), okno_dzialan.okna[0]);
    EXPECT_EQ(kit::selection(hEdit), std::make_pair(0, 0));
    EXPECT_TRUE(kit::boxes().empty());
}

struct GoCase {
    const wchar_t* typed;
    int start, end;        // the expected selection, when no box is expected
    int first_visible;     // -1: not checked
    const wchar_t* box;    // nullptr: none
    UINT icon;
};

TEST_F(Navigation, GoToLineSelectsTheLineOrWarns)
{
    // Line 2 of the text (control line 1) is empty; line 4 onwards are the rest.
    const std::wstring text = L"first\r\n\r\nthird line\r\n" + lines(200);
    kit::set_text(hEdit, text);
    const int l12 = (int)(L"first\r\n\r\nthird line\r\n" + lines(8)).size();
    const int l12_len = (int)lines(1, 8).size() - 2;
    const GoCase cases[] = {
        {L"1", 0, 5, 0, nullptr, 0},
        {L"3", 9, 19, 2, nullptr, 0},
        {L"12abc", l12, l12 + l12_len, 11, nullptr, 0},
        {L"000000000000012", l12, l12 + l12_len, 11, nullptr, 0},   // 15 characters: all read
        {L"0000000000000012", 0, 5, 0, nullptr, 0},                 // the 16th is not: line 1
        {L"2", -1, -1, 1, L"Nie można podświetlić linii!", MB_ICONWARNING},
        {L"9999", -1, -1, -1, L"Nie można podświetlić linii!", MB_ICONWARNING},
        {L"0", -1, -1, -1, L"Podano nieprawidłowy numer linii!", MB_ICONWARNING},
        {L"-4", -1, -1, -1, L"Podano nieprawidłowy numer linii!", MB_ICONWARNING},
        {L"abc", -1, -1, -1, L"Podano nieprawidłowy numer linii!", MB_ICONWARNING},
        {L"", -1, -1, -1, L"Podano nieprawidłowy numer linii!", MB_ICONWARNING},
    };
    HWND field = kit::find_control(hTopBar, 315);
    ASSERT_NE(field, nullptr);
    for (const GoCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.typed)));
        kit::set_text(field, c.typed);
        kit::select(hEdit, 1, 1);
        SendMessageW(hEdit, EM_LINESCROLL, 0, 50);
        kit::clear_boxes();
        ScrollEditAndHighlightLine(hTopBar, hEdit);
        if (c.box) {
            ASSERT_EQ(kit::boxes().size(), 1u);
            EXPECT_EQ(kit::boxes()[0].caption, L"Błąd");
            EXPECT_EQ(kit::boxes()[0].text, c.box);
            EXPECT_EQ(kit::boxes()[0].icon, c.icon);
            // A box owned by a child window is owned by its top-level window.
            EXPECT_EQ(kit::boxes()[0].owner, mHwnd);
            EXPECT_EQ(kit::selection(hEdit), std::make_pair(1, 1));
        } else {
            EXPECT_TRUE(kit::boxes().empty());
            EXPECT_EQ(kit::selection(hEdit), std::make_pair(c.start, c.end));
        }
        if (c.first_visible >= 0)
            EXPECT_EQ(kit::first_visible_line(hEdit), c.first_visible);
    }
}

TEST_F(Navigation, GoToLineCountsTheDisplayedLinesOfAWrappedLine)
{
    std::wstring words;
    while (words.size() < 400)
        words += L"wrapping words ";
    const std::wstring text = L"short\r\n" + words + L"\r\n" + lines(100);
    kit::set_text(hEdit, text);
    ASSERT_GE(SendMessageW(hEdit, EM_GETLINECOUNT, 0, 0), 5) << "the long line wraps";
    kit::set_text(kit::find_control(hTopBar, 315), L"3");
    ScrollEditAndHighlightLine(hTopBar, hEdit);
    auto [start, end] = kit::selection(hEdit);
    const int long_start = 7, long_end = 7 + (int)words.size();
    EXPECT_GT(start, long_start) << "not the start of the text line";
    EXPECT_LT(start, end);
    EXPECT_LE(end, long_end);
    EXPECT_EQ(text[start - 1], L' ') << "a displayed line begins after a space";
    EXPECT_EQ(line_of(start), 2);
    EXPECT_EQ(kit::first_visible_line(hEdit), 2);
}

TEST_F(Navigation, GoToLineWithoutTheFieldSaysSo)
{
    kit::set_text(hEdit, L"x");
    ScrollEditAndHighlightLine(mHwnd, hEdit);
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].caption, L"Błąd");
    EXPECT_EQ(kit::boxes()[0].text, L"Nie znaleziono pola tekstowego o ID 315!");
    EXPECT_EQ(kit::boxes()[0].icon, (UINT)MB_ICONERROR);
    EXPECT_EQ(kit::boxes()[0].owner, mHwnd);
}

TEST_F(Navigation, TextWidthIsTheExtentOfTheWholeText)
{
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, hNormalFont);
    SIZE s;
    GetTextExtentPoint32W(dc, L"int main", 8, &s);
    EXPECT_EQ(CalculateTextWidth(dc, L"int main"), s.cx);
    EXPECT_GT(CalculateTextWidth(dc, L"WWW"), CalculateTextWidth(dc, L"iii"));
    EXPECT_EQ(CalculateTextWidth(dc, L""), 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(CalculateTextWidth(NULL, L"abc"), 0) << "a failed measurement";
}

}  // namespace
