// The search and replace dialog driven under Wine: search, replace, both Enter
// routes, Escape, the remembered texts and a second opening while one is open.
#include "kit.h"

#include "EditWindow.h"
#include "messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void click(HWND dialog, int id) { SendMessageW(item(dialog, id), BM_CLICK, 0, 0); }

// Opens the search dialog and runs the steps inside its modal loop, each a little
// after the one before, so keys posted by a step have gone through the dialog's
// own loop. The dialog is closed after the last step if still open.
void with_search_dialog(std::vector<kit::DialogHandler> steps)
{
    auto run = std::make_shared<std::function<void(HWND, size_t)>>();
    *run = [steps, run](HWND dialog, size_t i) {
        steps[i](dialog);
        if (!IsWindow(dialog))
            return;
        if (i + 1 < steps.size())
            kit::later_in_dialog(dialog, [run, i](HWND d) { (*run)(d, i + 1); });
        else
            PostMessageW(dialog, WM_CLOSE, 0, 0);
    };
    // The dialog makes itself topmost, which activates it before it is shown; the
    // first step waits for the modal loop to have shown it.
    kit::on_next_dialog([run](HWND dialog) {
        kit::later_in_dialog(dialog, [run](HWND d) { (*run)(d, 0); });
    });
    run_dialog(IDD_SEARCH, SearchReplaceProc);
    EXPECT_EQ(kit::pending_handlers(), 0u) << "the dialog opened";
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
    *run = nullptr;
}

// Holds Enter down in the thread's keyboard state, as while the key is pressed.
struct EnterHeld {
    BYTE saved[256];
    EnterHeld()
    {
        GetKeyboardState(saved);
        BYTE state[256];
        memcpy(state, saved, sizeof state);
        state[VK_RETURN] = 0x80;
        SetKeyboardState(state);
    }
    ~EnterHeld() { SetKeyboardState(saved); }
};

TEST(SearchDialog, SearchFindsTheNextOccurrenceAndWrapsAround)
{
    kit::start_editor();
    kit::set_text(hEdit, L"aaa");
    kit::select(hEdit, 0, 0);
    std::pair<int, int> first, second;
    HWND focus_after = NULL;
    with_search_dialog({[&](HWND d) {
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"aa");
        click(d, IDC_SR_FIND);
        first = kit::selection(hEdit);
        focus_after = GetFocus();
        click(d, IDC_SR_FIND);
        second = kit::selection(hEdit);

        // Found only by the wrap-around, before the caret.
        kit::set_text(hEdit, L"xx ab yy");
        kit::select(hEdit, 6, 6);
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"ab");
        click(d, IDC_SR_FIND);
        EXPECT_EQ(kit::selection(hEdit), std::make_pair(3, 5));

        // Backslash + n is searched as those two characters, never as a line break.
        kit::set_text(hEdit, L"a\r\nb\\nc");
        kit::select(hEdit, 0, 0);
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"\\n");
        click(d, IDC_SR_FIND);
        EXPECT_EQ(kit::selection(hEdit), std::make_pair(4, 6));

        // Not found: the selection stays.
        kit::select(hEdit, 1, 2);
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"zzz");
        click(d, IDC_SR_FIND);
        EXPECT_EQ(kit::selection(hEdit), std::make_pair(1, 2));
    }});
    EXPECT_EQ(first, std::make_pair(1, 3));
    EXPECT_EQ(second, std::make_pair(0, 2));
    EXPECT_EQ(focus_after, hEdit);
    EXPECT_STREQ(last_search, L"zzz");
}

TEST(SearchDialog, EmptyEditorLeavesTheFocusInTheDialog)
{
    kit::start_editor();
    with_search_dialog({[&](HWND d) {
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"a");
        SetFocus(item(d, IDC_SR_SEARCH));
        click(d, IDC_SR_FIND);
        EXPECT_NE(GetFocus(), hEdit);
        SetDlgItemTextW(d, IDC_SR_FROM, L"a");
        SetDlgItemTextW(d, IDC_SR_TO, L"b");
        click(d, IDC_SR_REPLACE);
        EXPECT_EQ(kit::text(hEdit), L"");
    }});
    EXPECT_STREQ(last_search, L"a");
    EXPECT_STREQ(last_replace_from, L"a");
}

TEST(SearchDialog, ReplaceButtonReplacesEveryOccurrence)
{
    struct Case {
        const char* name;
        const wchar_t* text;
        const wchar_t* from;
        const wchar_t* to;
        const wchar_t* expected;
        bool set_anew;
    } cases[] = {
        {"no rescanning", L"aaa", L"a", L"aa", L"aaaaaa", true},
        {"lines joined", L"int a;\r\nint b;\r\n", L"\\n", L" ", L"int a; int b; ", true},
        {"x to line breaks", L"axbx", L"x", L"\\n", L"a\r\nb\r\n", true},
        {"no match: same text, set anew", L"abc", L"q", L"r", L"abc", true},
        {"empty From: untouched", L"abc", L"", L"r", L"abc", false},
    };
    kit::start_editor();
    with_search_dialog({[&](HWND d) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            kit::set_text(hEdit, c.text);
            SendMessageW(hEdit, EM_SETMODIFY, TRUE, 0);
            SetDlgItemTextW(d, IDC_SR_FROM, c.from);
            SetDlgItemTextW(d, IDC_SR_TO, c.to);
            click(d, IDC_SR_REPLACE);
            EXPECT_EQ(kit::text(hEdit), c.expected);
            // Setting the text clears the modified flag.
            EXPECT_EQ(SendMessageW(hEdit, EM_GETMODIFY, 0, 0) == 0, c.set_anew);
            EXPECT_STREQ(last_replace_from, c.from);
            EXPECT_STREQ(last_replace_to, c.to);
        }
    }});
}

TEST(SearchDialog, EnterInAFieldSearchesOrReplacesAndEscapeKeepsItOpen)
{
    kit::start_editor();
    kit::set_text(hEdit, L"aaa");
    kit::select(hEdit, 0, 0);
    with_search_dialog({
        [](HWND d) {
            SetDlgItemTextW(d, IDC_SR_SEARCH, L"aa");
            SetFocus(item(d, IDC_SR_SEARCH));
            kit::post_key(item(d, IDC_SR_SEARCH), VK_RETURN);
        },
        [](HWND d) {
            EXPECT_EQ(kit::selection(hEdit), std::make_pair(1, 3)) << "Enter in the search field";
            EXPECT_EQ(GetFocus(), hEdit);
            EXPECT_STREQ(last_search, L"aa");
            SetDlgItemTextW(d, IDC_SR_FROM, L"a");
            SetDlgItemTextW(d, IDC_SR_TO, L"b");
            SetFocus(item(d, IDC_SR_FROM));
            kit::post_key(item(d, IDC_SR_FROM), VK_RETURN);
        },
        [](HWND d) {
            EXPECT_EQ(kit::text(hEdit), L"bbb") << "Enter in the From field";
            EXPECT_STREQ(last_replace_from, L"a");
            EXPECT_STREQ(last_replace_to, L"b");
            SetDlgItemTextW(d, IDC_SR_FROM, L"b");
            SetDlgItemTextW(d, IDC_SR_TO, L"cc");
            SetFocus(item(d, IDC_SR_TO));
            kit::post_key(item(d, IDC_SR_TO), VK_RETURN);
        },
        [](HWND d) {
            EXPECT_EQ(kit::text(hEdit), L"cccccc") << "Enter in the To field";
            EXPECT_STREQ(last_replace_from, L"b");
            EXPECT_STREQ(last_replace_to, L"cc");
            SetFocus(item(d, IDC_SR_SEARCH));
            kit::post_key(item(d, IDC_SR_SEARCH), VK_ESCAPE);
        },
        [](HWND d) {
            EXPECT_TRUE(IsWindowVisible(d)) << "Escape leaves the dialog open";
            // Enter on a button is no field's Enter: nothing runs.
            kit::set_text(hEdit, L"aaa");
            SetDlgItemTextW(d, IDC_SR_FROM, L"a");
            SetFocus(item(d, IDC_SR_DONE));
            kit::post_key(item(d, IDC_SR_DONE), VK_RETURN);
        },
        [](HWND d) {
            EXPECT_EQ(kit::text(hEdit), L"aaa");
            EXPECT_TRUE(IsWindowVisible(d));
        },
    });
}

TEST(SearchDialog, EnterHeldDuringAFieldNotificationRunsItsAction)
{
    kit::start_editor();
    kit::set_text(hEdit, L"abab");
    kit::select(hEdit, 0, 0);
    with_search_dialog({[](HWND d) {
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"ab");
        SetDlgItemTextW(d, IDC_SR_FROM, L"b");
        SetDlgItemTextW(d, IDC_SR_TO, L"X");
        SetFocus(item(d, IDC_SR_DONE));
        last_search[0] = L'\0';

        // Without Enter down, moving the focus and typing change nothing.
        SetFocus(item(d, IDC_SR_FROM));
        kit::send_char(item(d, IDC_SR_FROM), L'b');
        EXPECT_EQ(kit::text(hEdit), L"abab");
        EXPECT_STREQ(last_replace_from, L"");
        SetDlgItemTextW(d, IDC_SR_FROM, L"b");

        {
            EnterHeld enter;
            SetFocus(item(d, IDC_SR_SEARCH));  // EN_SETFOCUS with Enter down
        }
        EXPECT_EQ(kit::selection(hEdit), std::make_pair(2, 4));
        EXPECT_STREQ(last_search, L"ab");

        SetFocus(item(d, IDC_SR_DONE));
        {
            EnterHeld enter;
            SetFocus(item(d, IDC_SR_TO));
        }
        EXPECT_EQ(kit::text(hEdit), L"aXaX");
        EXPECT_STREQ(last_replace_from, L"b");
        EXPECT_STREQ(last_replace_to, L"X");
    }});
}

TEST(SearchDialog, ReopeningShowsTheLastTexts)
{
    kit::start_editor();
    kit::set_text(hEdit, L"one two");
    std::wstring long_text(250, L'q');
    // Closed by Done after a search and a replace.
    with_search_dialog({[&](HWND d) {
        SetDlgItemTextW(d, IDC_SR_SEARCH, long_text.c_str());
        click(d, IDC_SR_FIND);
        SetDlgItemTextW(d, IDC_SR_FROM, L"two");
        SetDlgItemTextW(d, IDC_SR_TO, L"2\\n");
        click(d, IDC_SR_REPLACE);
        click(d, IDC_SR_DONE);
    }});
    EXPECT_EQ(kit::text(hEdit), L"one 2\r\n");
    EXPECT_EQ(std::wstring(last_search), std::wstring(199, L'q')) << "a field is read up to 199 characters";

    // Typed but not used: not remembered. Closed by the close box.
    with_search_dialog({[&](HWND d) {
        EXPECT_EQ(kit::text(item(d, IDC_SR_SEARCH)), std::wstring(199, L'q'));
        EXPECT_EQ(kit::text(item(d, IDC_SR_FROM)), L"two");
        EXPECT_EQ(kit::text(item(d, IDC_SR_TO)), L"2\\n");
        SetDlgItemTextW(d, IDC_SR_SEARCH, L"typed");
        SetDlgItemTextW(d, IDC_SR_TO, L"typed");
        SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
    with_search_dialog({[&](HWND d) {
        EXPECT_EQ(kit::text(item(d, IDC_SR_SEARCH)), std::wstring(199, L'q'));
        EXPECT_EQ(kit::text(item(d, IDC_SR_TO)), L"2\\n");
    }});
    EXPECT_EQ(kit::dialogs_seen().size(), 3u);
}

TEST(SearchDialog, ASecondOpeningBringsTheOpenOneToTheFront)
{
    kit::start_editor();
    HBRUSH brush = NULL;
    with_search_dialog({[&](HWND d) {
        HDC dc = GetDC(d);
        brush = (HBRUSH)SendMessageW(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)item(d, IDC_SR_FROM_LBL));
        EXPECT_EQ(GetTextColor(dc), 0x00FFFFFFu);
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        ReleaseDC(d, dc);
        EXPECT_EQ(GetObjectType(brush), (DWORD)OBJ_BRUSH);

        SetForegroundWindow(mHwnd);
        run_dialog(IDD_SEARCH, SearchReplaceProc);  // as the top bar's Search button does
        EXPECT_TRUE(kit::boxes().empty());
        EXPECT_EQ(kit::dialogs_seen().size(), 1u) << "no second dialog shown";
        EXPECT_EQ(GetForegroundWindow(), d);
        EXPECT_TRUE(IsWindowVisible(d));

        // The open dialog still paints with a live brush.
        dc = GetDC(d);
        EXPECT_EQ((HBRUSH)SendMessageW(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)item(d, IDC_SR_TO_LBL)), brush);
        ReleaseDC(d, dc);
        EXPECT_EQ(GetObjectType(brush), (DWORD)OBJ_BRUSH);
        RedrawWindow(d, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }});
    EXPECT_EQ(GetObjectType(brush), 0u) << "the brush goes with its dialog";

    // Once closed, the dialog opens again.
    bool opened = false;
    with_search_dialog({[&](HWND) { opened = true; }});
    EXPECT_TRUE(opened);
}

TEST(SearchReplace, AResultPastTheTypingLimitIsSetWhole)
{
    kit::start_editor();
    std::wstring line(78, L'a');
    std::wstring text;
    for (int i = 0; i < 2000; ++i)
        text += line + L"\r\n";
    kit::set_text(hEdit, text);
    replaceExactTextInEdit(hEdit, L"a", L"aaa");
    int expected = 2000 * (78 * 3 + 2);
    ASSERT_GT(expected, 400000);
    EXPECT_EQ(GetWindowTextLengthW(hEdit), expected);
    std::wstring result = kit::text(hEdit);
    EXPECT_EQ(result.substr(0, 236), std::wstring(234, L'a') + L"\r\n");
    EXPECT_EQ(result.substr(result.size() - 236), std::wstring(234, L'a') + L"\r\n");
}

}  // namespace
