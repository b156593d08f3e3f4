// Helpers shared by the settings dialog's GUI tests.
#pragma once

#include "kit.h"

#include "EditWindow.h"
#include "messages.h"

#include <gtest/gtest.h>

#include <string>

namespace settings_kit {

// Sends a button's click notification to the dialog and returns when it is handled.
inline void click(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

inline bool is_topmost(HWND window)
{
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Opens the settings dialog as the top bar does and runs body inside it; the dialog
// is closed afterwards if body left it open. False when body never ran.
inline bool with_settings(kit::DialogHandler body)
{
    bool ran = false;
    kit::on_next_dialog(kit::then_close([&ran, body](HWND dialog) {
        ran = true;
        body(dialog);
    }));
    run_dialog(IDD_SETTINGS, DialogProc);
    return ran;
}

// File bytes compared without printing kilobytes on a mismatch.
inline testing::AssertionResult same_bytes(const std::string& got, const std::string& want)
{
    if (got == want)
        return testing::AssertionSuccess();
    size_t i = 0;
    while (i < got.size() && i < want.size() && got[i] == want[i])
        ++i;
    return testing::AssertionFailure() << got.size() << " bytes where " << want.size()
                                       << " were expected; first difference at byte " << i;
}

}  // namespace settings_kit
