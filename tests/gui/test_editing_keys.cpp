// The editor's keys on the real edit area: line breaks, spaces, markers, jumps, top and bottom.
#include "kit.h"

#include "EditWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Sel = std::pair<int, int>;

class Keys : public ::testing::Test {
protected:
    void SetUp() override { kit::start_editor(); }
    void TearDown() override
    {
        if (mono_) {
            SendMessageW(hEdit, WM_SETFONT, (WPARAM)saved_font_, FALSE);
            hNormalFont = saved_font_;
            DeleteObject(mono_);
        }
        kit::stop_editor();
    }
    // The editor's font becomes a monospaced one, as the settings would make it.
    void use_monospaced_font()
    {
        mono_ = CreateFontW(18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FF_MODERN | FIXED_PITCH, L"Courier New");
        saved_font_ = hNormalFont;
        hNormalFont = mono_;
        SendMessageW(hEdit, WM_SETFONT, (WPARAM)mono_, FALSE);
    }
    HFONT mono_ = NULL;
    HFONT saved_font_ = NULL;
};

std::wstring spaces(size_t n) { return std::wstring(n, L' '); }

struct BreakCase {
    const char* name;
    std::wstring text;
    Sel selection;
    std::wstring result;
    int caret;
};

void check_breaks(const BreakCase* cases, size_t count, wchar_t ch, int modifiers)
{
    for (size_t i = 0; i < count; ++i) {
        const BreakCase& c = cases[i];
        SCOPED_TRACE(c.name);
        kit::set_text(hEdit, c.text);
        kit::select(hEdit, c.selection.first, c.selection.second);
        EXPECT_EQ(kit::send_char(hEdit, ch, modifiers), 0);
        EXPECT_EQ(kit::text(hEdit), c.result);
        EXPECT_EQ(kit::selection(hEdit), Sel(c.caret, c.caret));
    }
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(Keys, EnterRepeatsTheLeadingSpacesOfTheLine)
{
    const BreakCase cases[] = {
        {"inside the leading spaces", spaces(8) + L"x", {2, 2}, L"  \r\n" + spaces(14) + L"x", 12},
        {"at column 0 of an indented line", L"    abc", {0, 0}, L"\r\n        abc", 6},
        {"tabs are not counted", L"\tx", {2, 2}, L"\tx\r\n", 4},
        {"mixed: spaces up to the tab", L"  \t x", {5, 5}, L"  \t x\r\n  ", 9},
        {"a later line", L"a\r\n   b\r\nc", {7, 7}, L"a\r\n   b\r\n   \r\nc", 12},
        {"the selection is kept in the text", L"  abcdef", {4, 7}, L"  ab\r\n  cdef", 8},
        {"an empty text", L"", {0, 0}, L"\r\n", 2},
        {"between CR and LF", L"  a\r\nb", {4, 4}, L"  a\r\r\n  \nb", 8},
        {"more spaces than any fixed buffer", spaces(400) + L"y", {401, 401},
         spaces(400) + L"y\r\n" + spaces(400), 803},
    };
    check_breaks(cases, std::size(cases), L'\r', kit::NONE);
    // Ctrl+Enter arrives as LF and does the same.
    check_breaks(cases, std::size(cases), L'\n', kit::CTRL);
}

TEST_F(Keys, EnterFromTheKeyboardGivesOneIndentedBreak)
{
    kit::set_text(hEdit, L"    int x;");
    kit::select(hEdit, 10, 10);
    kit::press(hEdit, VK_RETURN);
    EXPECT_EQ(kit::text(hEdit), L"    int x;\r\n    ");
    kit::press(hEdit, VK_RETURN, kit::CTRL);
    EXPECT_EQ(kit::text(hEdit), L"    int x;\r\n    \r\n    ");
    kit::press(hEdit, VK_RETURN, kit::CTRL | kit::SHIFT);
    EXPECT_EQ(kit::text(hEdit), L"    int x;\r\n    \r\n    \r\n") << "the plain break, once";
}

TEST_F(Keys, ShiftEnterWithAMonospacedFontAlignsUnderTheCaret)
{
    use_monospaced_font();
    const BreakCase cases[] = {
        {"caret in the line", L"abc def", {4, 4}, L"abc \r\n    def", 10},
        {"caret at the line start", L"abc def", {0, 0}, L"\r\nabc def", 2},
        {"a later line", L"x\r\n  if (a", {10, 10}, L"x\r\n  if (a\r\n" + spaces(7), 19},
        {"selection kept", L"abcdef", {2, 5}, L"ab\r\n  cdef", 6},
        {"a caret far into its line", spaces(10) + std::wstring(340, L'w'), {350, 350},
         spaces(10) + std::wstring(340, L'w') + L"\r\n" + spaces(350), 702},
    };
    check_breaks(cases, std::size(cases), L'\r', kit::SHIFT);
}

TEST_F(Keys, ShiftEnterWithTheProportionalFontMeasuresTheEditorsFont)
{
    const std::wstring head = L"WWWW";
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, hNormalFont);
    SIZE w, s;
    GetTextExtentPoint32W(dc, head.c_str(), 4, &w);
    GetTextExtentPoint32W(dc, L" ", 1, &s);
    SelectObject(dc, old);
    DeleteDC(dc);
    const size_t m = (size_t)(w.cx / s.cx);
    ASSERT_GT(m, 4u) << "W is wider than a space in Arial";
    kit::set_text(hEdit, head + L"x");
    kit::select(hEdit, 4, 4);
    kit::press(hEdit, VK_RETURN, kit::SHIFT);
    EXPECT_EQ(kit::text(hEdit), head + L"\r\n" + spaces(m) + L"x");
}

TEST_F(Keys, CtrlShiftEnterIsABareBreakAtTheSelectionStart)
{
    kit::set_text(hEdit, L"    abc");
    kit::select(hEdit, 7, 7);
    EXPECT_EQ(kit::key_down(hEdit, VK_RETURN, kit::CTRL | kit::SHIFT), 0);
    EXPECT_EQ(kit::text(hEdit), L"    abc\r\n");
    kit::select(hEdit, 5, 9);
    kit::key_down(hEdit, 0x0A, kit::CTRL | kit::SHIFT);
    EXPECT_EQ(kit::text(hEdit), L"    a\r\nbc\r\n");
    EXPECT_EQ(kit::selection(hEdit), Sel(7, 7));
}

TEST_F(Keys, ShiftSpaceTypesSixSpacesOverTheSelection)
{
    kit::set_text(hEdit, L"int x;");
    kit::select(hEdit, 3, 5);
    kit::press(hEdit, VK_SPACE, kit::SHIFT);
    EXPECT_EQ(kit::text(hEdit), L"int" + spaces(6) + L";");
    EXPECT_EQ(kit::selection(hEdit), Sel(9, 9));
    kit::press(hEdit, VK_SPACE);
    EXPECT_EQ(kit::text(hEdit), L"int" + spaces(7) + L";") << "a plain space is one";
}

TEST_F(Keys, CtrlShiftDigitPutsTheMarkerOnALineOfItsOwn)
{
    kit::set_text(hEdit, L"abcdef");
    kit::select(hEdit, 3, 3);
    kit::press(hEdit, '3', kit::CTRL | kit::SHIFT);
    EXPECT_EQ(kit::text(hEdit), L"abc\r\n//--?02\r\ndef");
    EXPECT_EQ(kit::selection(hEdit), Sel(14, 14));
    for (int d = 1; d <= 9; ++d) {
        SCOPED_TRACE(d);
        kit::set_text(hEdit, L"");
        EXPECT_EQ(kit::key_down(hEdit, '0' + d, kit::CTRL | kit::SHIFT), 0);
        EXPECT_EQ(kit::text(hEdit), L"\r\n//--?0" + std::to_wstring(d - 1) + L"\r\n");
    }
}

TEST_F(Keys, CtrlDigitJumpsToItsMarker)
{
    std::wstring text = L"start\r\n";
    for (int k = 9; k >= 0; --k)
        text += L"//--?0" + std::to_wstring(k) + L" mark\r\n";
    struct Case {
        UINT key;
        int modifiers;
        int jump;  // -1: no jump
    } cases[] = {
        {'1', kit::CTRL, 0}, {'5', kit::CTRL, 4}, {'9', kit::CTRL, 8}, {'0', kit::CTRL, 9},
        {'0', kit::CTRL | kit::SHIFT, 9},        // no marker for 0: it jumps
        {'4', kit::CTRL | kit::ALT, 3},          // AltGr on the digit row
        {VK_NUMPAD2, kit::CTRL, -1}, {'2', kit::NONE, -1}, {'2', kit::ALT, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " with " + std::to_string(c.modifiers));
        kit::set_text(hEdit, text);
        kit::select(hEdit, 0, 1);
        kit::key_down(hEdit, c.key, c.modifiers);
        if (c.jump < 0) {
            EXPECT_EQ(kit::selection(hEdit), Sel(0, 1));
            continue;
        }
        EXPECT_EQ(kit::text(hEdit), text) << "jumping inserts nothing";
        const int p = (int)text.find(L"//--?0" + std::to_wstring(c.jump));
        EXPECT_EQ(kit::selection(hEdit), Sel(p, p + 7));
    }

    kit::set_text(hEdit, L"no markers here");
    kit::select(hEdit, 2, 2);
    kit::key_down(hEdit, '1', kit::CTRL);
    EXPECT_EQ(kit::selection(hEdit), Sel(2, 2));
    EXPECT_TRUE(kit::boxes().empty());
    kit::set_text(hEdit, L"");
    kit::key_down(hEdit, '1', kit::CTRL);
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].text, L"No text in the edit control.");
}

TEST_F(Keys, SelectAllTopAndBottom)
{
    std::wstring text;
    for (int i = 0; i < 200; ++i)
        text += L"line " + std::to_wstring(i) + L"\r\n";
    kit::set_text(hEdit, text);
    const int L = (int)text.size();
    kit::select(hEdit, 5, 5);
    EXPECT_EQ(kit::key_down(hEdit, 'A', kit::CTRL), 0);
    EXPECT_EQ(kit::selection(hEdit), Sel(0, L));

    kit::key_down(hEdit, 'B', kit::CTRL);
    EXPECT_EQ(kit::selection(hEdit), Sel(L, L)) << "after the final CR LF";
    EXPECT_GT(kit::first_visible_line(hEdit), 100);
    kit::send_char(hEdit, L'x');
    EXPECT_EQ(kit::text(hEdit), text + L"x") << "typing after Ctrl+B keeps the line break whole";

    kit::key_down(hEdit, 'T', kit::CTRL);
    EXPECT_EQ(kit::selection(hEdit), Sel(0, 0));
    EXPECT_EQ(kit::first_visible_line(hEdit), 0);

    kit::set_text(hEdit, L"");
    kit::key_down(hEdit, 'B', kit::CTRL);
    EXPECT_EQ(kit::selection(hEdit), Sel(0, 0));
    EXPECT_EQ(kit::text(hEdit), L"");
    kit::key_down(hEdit, 'A', kit::CTRL);
    EXPECT_EQ(kit::selection(hEdit), Sel(0, 0));
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(Keys, OtherKeysAndCharactersReachTheControl)
{
    kit::set_text(hEdit, L"abc");
    kit::select(hEdit, 3, 3);
    kit::press(hEdit, 'Q');
    kit::press(hEdit, VK_TAB);
    kit::press(hEdit, VK_LEFT, kit::SHIFT);
    EXPECT_EQ(kit::text(hEdit), L"abcq\t");
    EXPECT_EQ(kit::selection(hEdit), Sel(4, 5));
    kit::press(hEdit, VK_BACK);
    EXPECT_EQ(kit::text(hEdit), L"abcq");
    EXPECT_EQ(SendMessageW(hEdit, WM_ERASEBKGND, (WPARAM)GetDC(hEdit), 0), 1);
}

TEST_F(Keys, BreaksAndMarkersAreWrittenWholePastTheTypingLimit)
{
    const std::wstring text = spaces(6) + L"abcdefgh";
    struct Case {
        const char* name;
        UINT key;
        wchar_t ch;  // a character message when key is 0
        int modifiers;
        std::wstring result;
    } cases[] = {
        {"Enter", 0, L'\r', kit::NONE, text + L"\r\n" + spaces(6)},
        {"Shift+Enter", 0, L'\r', kit::SHIFT, L""},
        {"Ctrl+Shift+Enter", VK_RETURN, 0, kit::CTRL | kit::SHIFT, text + L"\r\n"},
        {"Ctrl+Shift+1", '1', 0, kit::CTRL | kit::SHIFT, text + L"\r\n//--?00\r\n"},
        {"Shift+Space", 0, L' ', kit::SHIFT, text + spaces(5)},  // the typed one is refused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit::set_text(hEdit, text);
        SendMessageW(hEdit, EM_SETLIMITTEXT, text.size(), 0);
        kit::select(hEdit, (int)text.size(), (int)text.size());
        if (c.key)
            kit::key_down(hEdit, c.key, c.modifiers);
        else
            kit::send_char(hEdit, c.ch, c.modifiers);
        if (!c.result.empty())
            EXPECT_EQ(kit::text(hEdit), c.result);
        else
            EXPECT_EQ(kit::text(hEdit).substr(0, text.size() + 2), text + L"\r\n");
        EXPECT_GT(kit::text(hEdit).size(), text.size());
        EXPECT_EQ(SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0), (LRESULT)text.size())
            << "the limit is put back";
    }
}

}  // namespace
