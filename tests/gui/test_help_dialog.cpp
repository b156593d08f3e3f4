// The shortcut help dialog driven under Wine.
#include "kit.h"

#include "EditWindow.h"
#include "lang/strings.h"
#include "messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring line_of(HWND edit, int line)
{
    wchar_t buffer[256] = {};
    *(WORD*)buffer = 255;
    int n = (int)SendMessageW(edit, EM_GETLINE, line, (LPARAM)buffer);
    return std::wstring(buffer, n);
}

TEST(HelpDialog, ShowsNineShortcutLinesReadOnlyAndStaysOpenOnEnterAndEscape)
{
    kit::start_editor();
    bool closed_by_button = false;
    kit::on_next_dialog([&](HWND d) {
        HWND list = GetDlgItem(d, IDC_HELP_LIST);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_HELP_CLOSE));
        EXPECT_EQ(SendMessageW(list, EM_GETLINECOUNT, 0, 0), 10);
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(testing::Message() << "line " << i);
            EXPECT_NE(line_of(list, i).find(L" - "), std::wstring::npos);
        }
        EXPECT_EQ(line_of(list, 0).substr(0, 6), L"Ctrl+o");
        EXPECT_EQ(line_of(list, 8).substr(0, 6), L"Ctrl+B");
        EXPECT_EQ(line_of(list, 9), L"");

        kit::send_char(list, L'x');
        kit::key_down(list, VK_DELETE);
        EXPECT_EQ(kit::text(list), info_langs_3) << "the list cannot be edited";

        kit::post_key(GetDlgItem(d, IDC_HELP_CLOSE), VK_RETURN);
        kit::post_key(GetDlgItem(d, IDC_HELP_CLOSE), VK_ESCAPE);
        kit::later_in_dialog(d, [&](HWND d) {
            EXPECT_TRUE(IsWindowVisible(d)) << "Enter and Escape leave it open";
            closed_by_button = true;
            SendMessageW(GetDlgItem(d, IDC_HELP_CLOSE), BM_CLICK, 0, 0);
        });
    });
    run_dialog(IDD_HELP, HelpDialogProc);
    EXPECT_TRUE(closed_by_button);

    // The close box ends it too.
    kit::on_next_dialog([](HWND d) { SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); });
    run_dialog(IDD_HELP, HelpDialogProc);
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
    EXPECT_EQ(kit::dialogs_seen().size(), 2u);
    EXPECT_EQ(kit::pending_handlers(), 0u);
}

}  // namespace
