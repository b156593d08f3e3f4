// The top bar's own commands: the number and its steppers, the jump-bar toggle,
// and the report of a dialog that cannot be opened.
#include "kit.h"

#include "EditWindow.h"
#include "messages.h"

#include <gtest/gtest.h>

namespace {

HWND number_edit() { return okno_dzialan.okna[10]; }
HWND toggle() { return okno_dzialan.okna[16]; }

void click(int id)
{
    SendMessageW(kit::find_control(hTopBar, id), BM_CLICK, 0, 0);
    kit::pump();
}

TEST(TopBarNumber, StepsStopAtOneAndEightAndTypedValuesMoveTowardTheRange)
{
    kit::start_editor();
    struct Case {
        const wchar_t* typed;
        int button;
        int times;
        const wchar_t* expected;
    } cases[] = {
        {L"1", IDC_NUMBER_UP, 10, L"8"},    {L"8", IDC_NUMBER_DOWN, 10, L"1"},
        {L"1", IDC_NUMBER_DOWN, 1, L"1"},   {L"8", IDC_NUMBER_UP, 1, L"8"},
        {L"0", IDC_NUMBER_UP, 1, L"1"},     {L"-5", IDC_NUMBER_UP, 1, L"-4"},
        {L"100", IDC_NUMBER_DOWN, 1, L"99"}, {L"100", IDC_NUMBER_UP, 1, L"100"},
        {L"-5", IDC_NUMBER_DOWN, 1, L"-5"}, {L"abc", IDC_NUMBER_UP, 1, L"1"},
        {L"abc", IDC_NUMBER_DOWN, 1, L"abc"}, {L"3x", IDC_NUMBER_UP, 1, L"4"},
        {L"99999", IDC_NUMBER_DOWN, 1, L"9999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " x" << c.times << " from " << (int)wcslen(c.typed) << " characters");
        kit::set_text(number_edit(), c.typed);
        SetFocus(number_edit());
        for (int i = 0; i < c.times; ++i)
            click(c.button);
        EXPECT_EQ(kit::text(number_edit()), c.expected) << "from typed value";
        EXPECT_EQ(GetFocus(), hEdit) << "the steppers give the focus to the editor";
    }
}

TEST(TopBarNumber, ReadsLikeWtoi)
{
    kit::start_editor();
    struct Case {
        const wchar_t* text;
        int value;
    } cases[] = {{L"7", 7}, {L"  12abc", 12}, {L"-3", -3}, {L"abc", 0}, {L"", 0}, {L"+4", 4}};
    for (const Case& c : cases) {
        kit::set_text(number_edit(), c.text);
        EXPECT_EQ(getIntegerFromWindow(number_edit()), c.value) << c.value;
    }
}

TEST(TopBarToggle, HidesAndShowsTheJumpBarAndRestoresTheLayout)
{
    kit::start_editor();
    const int CX = GetSystemMetrics(SM_CXSCREEN), CY = GetSystemMetrics(SM_CYSCREEN);
    auto width_of = [](HWND w) {
        RECT r = kit::child_rect(w);
        return r.right - r.left;
    };
    EXPECT_EQ(kit::text(toggle()), L">");

    SetFocus(toggle());
    click(IDC_JUMP_TOGGLE);
    EXPECT_EQ(kit::text(toggle()), L"<");
    EXPECT_FALSE(IsWindowVisible(hJump));
    EXPECT_FALSE(IsWindowVisible(okno_skoku.okna[0])) << "hidden with its bar";
    EXPECT_EQ(width_of(hEdit), CX - 2);
    EXPECT_EQ(width_of(hOutput), CX - 2);
    RECT edit = kit::child_rect(hEdit), output = kit::child_rect(hOutput);
    EXPECT_EQ(edit.top, 33);
    EXPECT_EQ(edit.bottom - edit.top, CY - 203);
    EXPECT_EQ(output.top, CY - 170);
    EXPECT_EQ(GetFocus(), hEdit);

    click(IDC_JUMP_TOGGLE);
    EXPECT_EQ(kit::text(toggle()), L">");
    EXPECT_TRUE(IsWindowVisible(hJump));
    EXPECT_EQ(width_of(hEdit), CX - 102);
    EXPECT_EQ(width_of(hOutput), CX - 102);
    EXPECT_EQ(kit::child_rect(hEdit).left, 1);
    EXPECT_EQ(GetFocus(), hEdit);
}

TEST(TopBarCommands, OtherIdsPassThroughUnhandled)
{
    kit::start_editor();
    // The two edits' notifications and unknown IDs go on to the default handling.
    for (int id : {IDC_NUMBER, IDC_LINE_NUMBER, 300, 318, 999})
        EXPECT_EQ(SendMessageW(hTopBar, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), 0), 0);
    EXPECT_TRUE(kit::boxes().empty());
    EXPECT_TRUE(kit::dialogs_seen().empty());
}

TEST(Dialogs, ATemplateThatCannotBeCreatedIsReported)
{
    kit::start_editor();
    run_dialog(4242, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
    ASSERT_EQ(kit::boxes().size(), 1u);
    const kit::Box& box = kit::boxes()[0];
    EXPECT_EQ(box.caption, L"Error");
    EXPECT_EQ(box.text.rfind(L"DialogBox failed! Error code: ", 0), 0u); 
    EXPECT_GT(box.text.size(), wcslen(L"DialogBox failed! Error code: "));
    EXPECT_EQ(box.icon, (UINT)MB_ICONERROR);
    EXPECT_EQ(box.owner, nullptr);
}

}  // namespace
