// Shifting the selected lines and inserting markers, on the real edit area.
#include "kit.h"

#include "EditWindow.h"

#include <gtest/gtest.h>

#include <limits.h>

#include <string>

namespace {

using Sel = std::pair<int, int>;

class LineTools : public ::testing::Test {
protected:
    void SetUp() override { kit::start_editor(); }
    void TearDown() override { kit::stop_editor(); }
};

struct ShiftCase {
    const char* name;
    std::wstring text;
    Sel selection;
    int n;
    std::wstring result;
    Sel selected;
};

void check_shifts(void (*tool)(HWND, int), const ShiftCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const ShiftCase& c = cases[i];
        SCOPED_TRACE(c.name);
        kit::set_text(hEdit, c.text);
        kit::select(hEdit, c.selection.first, c.selection.second);
        tool(hEdit, c.n);
        EXPECT_EQ(kit::text(hEdit), c.result);
        EXPECT_EQ(kit::selection(hEdit), c.selected);
        EXPECT_TRUE(IsWindowVisible(hEdit)) << "redrawing is on again";
        EXPECT_FALSE(SendMessageW(hEdit, EM_CANUNDO, 0, 0)) << "written without undo";
    }
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(LineTools, ShiftRightPutsSpacesAfterTheLineBreaksOfTheSelection)
{
    const ShiftCase cases[] = {
        {"the three-line example", L"a\r\nb\r\nc", {0, 6}, 2, L"a\r\n  b\r\n  c", {0, 10}},
        {"the selection's first line stays", L"x\r\nab\r\ncd\r\ne", {4, 9}, 4,
         L"x\r\nab\r\n    cd\r\ne", {4, 13}},
        {"starting between CR and LF", L"a\r\nb\r\nc", {2, 6}, 1, L"a\r\nb\r\n c", {2, 7}},
        {"ending between CR and LF", L"a\r\nb\r\nc", {0, 5}, 1, L"a\r\n b\r\nc", {0, 6}},
        {"no line break", L"abc def", {1, 5}, 3, L"abc def", {1, 5}},
        {"n of 0", L"a\r\nb", {0, 4}, 0, L"a\r\nb", {0, 4}},
        {"negative n", L"a\r\nb", {0, 4}, -3, L"a\r\nb", {0, 4}},
        {"the whole text", L"a\r\n\tb\r\n", {0, 7}, 8,
         L"a\r\n        \tb\r\n        ", {0, 23}},
    };
    check_shifts(addLineBreaks, cases, std::size(cases));
}

TEST_F(LineTools, ShiftLeftRemovesUpToNSpacesAfterTheLineBreaksOfTheSelection)
{
    const ShiftCase cases[] = {
        {"back from the example", L"a\r\n  b\r\n  c", {0, 10}, 2, L"a\r\nb\r\nc", {0, 6}},
        {"the first line keeps its spaces", L"  a\r\n  b", {0, 8}, 1, L"  a\r\n b", {0, 7}},
        {"more than there are", L"a\r\n  b\r\n      c", {0, 15}, 4, L"a\r\nb\r\n  c", {0, 9}},
        {"tabs stay", L"a\r\n \tb", {0, 6}, 4, L"a\r\n\tb", {0, 5}},
        {"starting between CR and LF", L"a\r\n  b", {2, 6}, 2, L"a\r\n  b", {2, 6}},
        {"ending between CR and LF", L"a\r\n  b", {0, 2}, 2, L"a\r\n  b", {0, 2}},
        {"spaces past the selection stay", L"a\r\n    b", {0, 5}, 4, L"a\r\n  b", {0, 3}},
        {"n of 0", L"a\r\n  b", {0, 6}, 0, L"a\r\n  b", {0, 6}},
        {"negative n", L"a\r\n  b", {0, 6}, -2, L"a\r\n  b", {0, 6}},
        {"large n", L"a\r\n   b", {0, 7}, INT_MAX, L"a\r\nb", {0, 4}},
    };
    check_shifts(removeExtraSpaces, cases, std::size(cases));
}

TEST_F(LineTools, ShiftingAnEmptySelection)
{
    kit::set_text(hEdit, L"a\r\n  b");
    kit::select(hEdit, 3, 3);
    removeExtraSpaces(hEdit, 2);
    EXPECT_EQ(kit::text(hEdit), L"a\r\n  b");
    EXPECT_TRUE(kit::boxes().empty()) << "nothing visible";
    EXPECT_TRUE(IsWindowVisible(hEdit));

    addLineBreaks(hEdit, 2);
    EXPECT_EQ(kit::text(hEdit), L"a\r\n  b");
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].caption, L"Błąd");
    EXPECT_EQ(kit::boxes()[0].text, L"Brak zaznaczenia.");
    EXPECT_EQ(kit::boxes()[0].icon, (UINT)MB_ICONERROR);
    EXPECT_EQ(kit::boxes()[0].owner, nullptr);
    EXPECT_TRUE(IsWindowVisible(hEdit));
}

TEST_F(LineTools, ShiftRightByAHugeNReportsTheSizeAndKeepsTheText)
{
    for (int n : {INT_MAX, 1 << 30}) {
        SCOPED_TRACE(n);
        kit::clear_boxes();
        kit::set_text(hEdit, L"a\r\nb\r\nc");
        kit::select(hEdit, 0, 6);
        addLineBreaks(hEdit, n);
        EXPECT_EQ(kit::text(hEdit), L"a\r\nb\r\nc");
        EXPECT_EQ(kit::selection(hEdit), Sel(0, 6));
        ASSERT_EQ(kit::boxes().size(), 1u);
        EXPECT_EQ(kit::boxes()[0].caption, L"Błąd");
        EXPECT_EQ(kit::boxes()[0].text, L"Błąd alokacji pamięci dla nowego tekstu.");
        EXPECT_EQ(kit::boxes()[0].icon, (UINT)MB_ICONERROR);
        EXPECT_TRUE(IsWindowVisible(hEdit));
    }
}

TEST_F(LineTools, ShiftRightIsWrittenWholePastTheTypingLimit)
{
    std::wstring text;
    for (int i = 0; i < 20; ++i)
        text += L"line\r\n";
    kit::set_text(hEdit, text);
    SendMessageW(hEdit, EM_SETLIMITTEXT, text.size() + 10, 0);
    kit::select(hEdit, 0, (int)text.size());
    addLineBreaks(hEdit, 8);
    std::wstring expected;
    for (int i = 0; i < 20; ++i)
        expected += std::wstring(i ? 8 : 0, L' ') + L"line\r\n";
    expected += std::wstring(8, L' ');
    EXPECT_EQ(kit::text(hEdit), expected);
    EXPECT_EQ(kit::selection(hEdit), Sel(0, (int)expected.size()));
    EXPECT_EQ(SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0), (LRESULT)text.size() + 10);

    // Back left while the text is above the limit: nothing is cut either.
    removeExtraSpaces(hEdit, 8);
    EXPECT_EQ(kit::text(hEdit), text);
    EXPECT_EQ(SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0), (LRESULT)text.size() + 10);
}

TEST_F(LineTools, MarkerSplitsTheLineAndCanBeUndone)
{
    struct Case {
        const char* name;
        std::wstring text;
        Sel selection;
        int index;
        std::wstring result;
    } cases[] = {
        {"middle of a line", L"int a;\r\nint b;", {3, 3}, 3, L"int\r\n//--?02\r\n a;\r\nint b;"},
        {"start of a line", L"x\r\nint b;", {3, 3}, 1, L"x\r\n\r\n//--?00\r\nint b;"},
        {"over a selection", L"abcdef", {1, 5}, 9, L"a\r\n//--?08\r\nf"},
        {"an empty text", L"", {0, 0}, 5, L"\r\n//--?04\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit::set_text(hEdit, c.text);
        kit::select(hEdit, c.selection.first, c.selection.second);
        InsertTextAtCursor(hEdit, c.index);
        EXPECT_EQ(kit::text(hEdit), c.result);
        const int caret = c.selection.first + 11;
        EXPECT_EQ(kit::selection(hEdit), Sel(caret, caret));
        EXPECT_TRUE(SendMessageW(hEdit, EM_CANUNDO, 0, 0));
        SendMessageW(hEdit, EM_UNDO, 0, 0);
        EXPECT_EQ(kit::text(hEdit), c.text);
    }

    // Past the typing limit the marker still goes in whole.
    kit::set_text(hEdit, L"abc");
    SendMessageW(hEdit, EM_SETLIMITTEXT, 5, 0);
    kit::select(hEdit, 1, 1);
    InsertTextAtCursor(hEdit, 2);
    EXPECT_EQ(kit::text(hEdit), L"a\r\n//--?01\r\nbc");
    EXPECT_EQ(SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0), 5);
}

}  // namespace
