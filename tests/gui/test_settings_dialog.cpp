// The settings dialog under Wine: its template, captions, closing, choosers and jump names.
#include "kit.h"
#include "test_settings_kit.h"

#include "EditWindow.h"
#include "lang/strings.h"
#include "messages.h"
#include "settings/record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using settings_kit::click;
using settings_kit::is_topmost;
using settings_kit::with_settings;

struct TemplateControl {
    int id;
    const wchar_t* cls;
    int x, y, width, height;
    DWORD style;
    int caption_slot;  // set_langs slot, or -1 for none
};

const TemplateControl TEMPLATE[] = {
    {508, L"ComboBox", 20, 30, 180, 100, 0x50210003, -1},
    {509, L"Edit", 210, 30, 80, 20, 0x50810080, -1},
    {515, L"Button", 300, 30, 50, 20, 0x50010000, 0},
    {511, L"Static", 20, 70, 150, 14, 0x50020000, 1},
    {510, L"Edit", 20, 90, 480, 50, 0x50A10044, -1},
    {516, L"Static", 20, 150, 150, 14, 0x50020000, 2},
    {517, L"Edit", 20, 170, 480, 50, 0x50A10044, -1},
    {504, L"Button", 20, 240, 140, 25, 0x50010000, 3},
    {505, L"Button", 180, 240, 140, 25, 0x50010000, 4},
    {506, L"Button", 340, 240, 140, 25, 0x50010000, 5},
    {512, L"Button", 20, 280, 140, 25, 0x50010000, 6},
    {513, L"Button", 180, 280, 140, 25, 0x50010000, 7},
    {514, L"Button", 340, 280, 140, 25, 0x50010000, 8},
    {2, L"Button", 400, 340, 80, 25, 0x50010001, 9},
};

// The style a control of this class reports when made with the given style; Wine
// hides some bits (WS_BORDER of edits), so templates are compared with this.
DWORD reported_style(HWND parent, const wchar_t* cls, DWORD style)
{
    HWND reference = CreateWindowExW(0, cls, L"", style, 0, 0, 50, 50, parent, NULL,
                                     GetModuleHandleW(NULL), NULL);
    DWORD reported = (DWORD)GetWindowLongW(reference, GWL_STYLE);
    DestroyWindow(reference);
    return reported;
}

void expect_template(HWND dialog, const LangSet& set)
{
    // The dialog manager adds the visible, clip-siblings and 3D-look bits itself.
    EXPECT_EQ((DWORD)GetWindowLongW(dialog, GWL_STYLE) & ~(DWORD)(WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK),
              0x80C800C0u);
    RECT size = {0, 0, 520, 400};
    MapDialogRect(dialog, &size);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    EXPECT_EQ(kit::text(dialog), set.set_langs[10]);
    EXPECT_TRUE(is_topmost(dialog));

    std::vector<kit::Control> found = kit::controls(dialog);
    ASSERT_EQ(found.size(), std::size(TEMPLATE));
    for (size_t i = 0; i < found.size(); ++i) {
        const TemplateControl& want = TEMPLATE[i];
        const kit::Control& got = found[i];
        SCOPED_TRACE(testing::Message() << "control " << want.id);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(_wcsicmp(got.class_name.c_str(), want.cls), 0) << "class";
        EXPECT_EQ(got.style, reported_style(dialog, want.cls, want.style));
        // Position and size are converted from dialog units separately.
        RECT place = {want.x, want.y, want.width, want.height};
        MapDialogRect(dialog, &place);
        EXPECT_EQ(got.rect.left, place.left);
        EXPECT_EQ(got.rect.top, place.top);
        EXPECT_EQ(got.rect.right - got.rect.left, place.right);
        if (want.id != IDC_SET_JUMPLIST)  // a closed drop-down list is one line high
            EXPECT_EQ(got.rect.bottom - got.rect.top, place.bottom);
        if (want.caption_slot >= 0)
            EXPECT_EQ(got.text, set.set_langs[want.caption_slot]);
        HWND control = GetDlgItem(dialog, want.id);
        EXPECT_EQ((HFONT)SendMessageW(control, WM_GETFONT, 0, 0), hOldFont);
    }

    HWND list = GetDlgItem(dialog, IDC_SET_JUMPLIST);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 19);
    for (int k = 0; k < 19; ++k) {
        wchar_t entry[32] = L"";
        SendMessageW(list, CB_GETLBTEXT, k, (LPARAM)entry);
        EXPECT_EQ(std::wstring(entry), L"Jump " + std::to_wstring(k + 1));
    }
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_JUMPNAME)), L"//--?00");
    EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_COMPILER)), L"gcc -o out_file main.c");
    EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_SYSTEM)), L"");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SET_COMPILER, EM_GETLIMITTEXT, 0, 0), 599);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SET_SYSTEM, EM_GETLIMITTEXT, 0, 0), 599);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SET_JUMPNAME, EM_GETLIMITTEXT, 0, 0), 19);

    // The refresh also gives both bars the dialog font.
    for (int i = 0; i < okno_dzialan.liczba_okien; ++i)
        EXPECT_EQ((HFONT)SendMessageW(okno_dzialan.okna[i], WM_GETFONT, 0, 0), hOldFont) << "top bar " << i;
    for (int i = 0; i < okno_skoku.liczba_okien; ++i)
        EXPECT_EQ((HFONT)SendMessageW(okno_skoku.okna[i], WM_GETFONT, 0, 0), hOldFont) << "jump " << i;
}

TEST(SettingsDialog, OpensWithTheTemplateCaptionsAndRecordInPolishAndHindi)
{
    for (const LangSet* set : {&lang_pl, &lang_hi}) {
        SCOPED_TRACE(set == &lang_pl ? "Polish" : "Hindi");
        kit::start_editor(set);
        bool ran = with_settings([&](HWND dialog) { expect_template(dialog, *set); });
        EXPECT_TRUE(ran);
    }
    // The 35-character Hindi caption of Save as is whole on its button.
    kit::start_editor(&lang_hi);
    with_settings([](HWND dialog) {
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_SAVE_PROJ_AS)),
                  L"\u092A\u094D\u0930\u094B\u091C\u0947\u0915\u094D\u091F \u0915\u094B "
                  L"\u0935\u093F\u092D\u093F\u0928\u094D\u0928 \u0930\u0942\u092A \u092E\u0947\u0902 "
                  L"\u0938\u0939\u0947\u091C\u0947\u0902");
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_SAVE_PROJ_AS)).size(), 35u);
    });
}

TEST(SettingsDialog, LabelsAreWhiteOnTheDialogsOwnBrushWhichClosingDeletes)
{
    kit::start_editor();
    HBRUSH brush = NULL;
    with_settings([&](HWND dialog) {
        HDC dc = CreateCompatibleDC(NULL);
        brush = (HBRUSH)SendMessageW(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc,
                                     (LPARAM)GetDlgItem(dialog, IDC_SET_COMPILER_LBL));
        EXPECT_EQ(GetTextColor(dc), 0x00FFFFFFu);
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        DeleteDC(dc);
        LOGBRUSH lb{};
        ASSERT_EQ(GetObjectW(brush, sizeof lb, &lb), (int)sizeof lb);
        EXPECT_EQ(lb.lbColor, 0x00141414u);
    });
    EXPECT_EQ(GetObjectType(brush), 0u) << "the brush is deleted when the dialog closes";
}

// Every way of closing commits both command edits.
TEST(SettingsDialog, ButtonCloseBoxAndEscAllCommitBothCommands)
{
    struct CloseCase {
        const char* name;
        void (*close)(HWND dialog);
    };
    const CloseCase cases[] = {
        {"button 2", [](HWND d) { click(d, IDC_SET_DONE); }},
        {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Esc in the jump list",
         [](HWND d) {
             HWND list = GetDlgItem(d, IDC_SET_JUMPLIST);
             SetFocus(list);
             PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         }},
        {"Esc in the compiler edit",
         [](HWND d) {
             HWND edit = GetDlgItem(d, IDC_SET_COMPILER);
             SetFocus(edit);
             PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         }},
    };
    kit::start_editor();
    int n = 0;
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring compiler = L"gcc -o prog" + std::to_wstring(++n) + L" main.c";
        std::wstring system = L"dir /b " + std::to_wstring(n);
        bool still_open_after_close = true;
        kit::on_next_dialog([&](HWND dialog) {
            kit::set_text(GetDlgItem(dialog, IDC_SET_COMPILER), compiler);
            kit::set_text(GetDlgItem(dialog, IDC_SET_SYSTEM), system);
            c.close(dialog);
            still_open_after_close = false;
        });
        run_dialog(IDD_SETTINGS, DialogProc);
        EXPECT_FALSE(still_open_after_close);
        EXPECT_TRUE(kit::unexpected_dialogs().empty());
        EXPECT_STREQ(ustawienia.compilerCommand, compiler.c_str());
        EXPECT_STREQ(ustawienia.systemCommand, system.c_str());
    }
    // The next opening starts from the committed record.
    with_settings([&](HWND dialog) {
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_SYSTEM)), L"dir /b 4");
    });
}

TEST(SettingsDialog, CommandsAndNamesAreLimitedToWhatTheirFieldsHold)
{
    kit::start_editor();
    with_settings([](HWND dialog) {
        const std::wstring long_text(700, L'a');
        for (int id : {IDC_SET_COMPILER, IDC_SET_SYSTEM, IDC_SET_JUMPNAME}) {
            HWND edit = GetDlgItem(dialog, id);
            kit::set_text(edit, L"");
            SendMessageW(edit, EM_REPLACESEL, TRUE, (LPARAM)long_text.c_str());
        }
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_COMPILER)).size(), 599u);
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_JUMPNAME)).size(), 19u);
        click(dialog, IDC_SET_JUMPSET);
        click(dialog, IDC_SET_DONE);
    });
    EXPECT_EQ(wcslen(ustawienia.compilerCommand), 599u);
    EXPECT_EQ(wcslen(ustawienia.systemCommand), 599u);
    EXPECT_EQ(std::wstring(ustawienia.jumpNames[0]), std::wstring(19, L'a'));
    EXPECT_EQ(kit::text(okno_skoku.okna[0]), std::wstring(19, L'a'));
}

TEST(SettingsDialog, ColourChoosersSetTheColourWhenConfirmedAndKeepItWhenCancelled)
{
    struct ColourCase {
        const char* name;
        int button;
        COLORREF* live;
        COLORREF* stored;
        bool confirm;
    };
    const ColourCase cases[] = {
        {"background confirmed", IDC_SET_BACKGROUND, &backgroundColor, &ustawienia.backgroundColorSetting, true},
        {"background cancelled", IDC_SET_BACKGROUND, &backgroundColor, &ustawienia.backgroundColorSetting, false},
        {"text confirmed", IDC_SET_TEXTCOLOR, &textColor, &ustawienia.textColorSetting, true},
        {"text cancelled", IDC_SET_TEXTCOLOR, &textColor, &ustawienia.textColorSetting, false},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.name);
        kit::start_editor();
        *c.live = *c.stored = 0x00336699;
        bool chooser_seen = false;
        with_settings([&](HWND dialog) {
            kit::on_next_dialog([&](HWND chooser) {
                chooser_seen = true;
                if (!c.confirm) {
                    kit::cancel_dialog()(chooser);
                    return;
                }
                SetDlgItemInt(chooser, 706, 10, FALSE);
                SetDlgItemInt(chooser, 707, 20, FALSE);
                SetDlgItemInt(chooser, 708, 30, FALSE);
                PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            });
            click(dialog, c.button);
            EXPECT_TRUE(is_topmost(dialog));
        });
        EXPECT_TRUE(chooser_seen);
        COLORREF expected = c.confirm ? RGB(10, 20, 30) : 0x00336699;
        EXPECT_EQ(*c.live, expected);
        EXPECT_EQ(*c.stored, expected);
    }
}

// Picks the first face of the font chooser that is not the editor's Arial, and a size.
std::wstring pick_font(HWND chooser, int points)
{
    HWND faces = GetDlgItem(chooser, 0x470);
    wchar_t face[LF_FACESIZE] = L"";
    int count = (int)SendMessageW(faces, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        SendMessageW(faces, CB_GETLBTEXT, i, (LPARAM)face);
        if (face[0] != L'@' && wcscmp(face, L"Arial") != 0) {
            SendMessageW(faces, CB_SETCURSEL, i, 0);
            SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), (LPARAM)faces);
            break;
        }
    }
    SetDlgItemInt(chooser, 0x472, points, FALSE);
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return face;
}

TEST(SettingsDialog, FontChooserAppliesToEditorAndOutputOnlyAndRestoresTopmost)
{
    kit::start_editor();
    HFONT before = hNormalFont;
    std::wstring face;
    with_settings([&](HWND dialog) {
        bool topmost_during = true;
        kit::on_next_dialog([&](HWND chooser) {
            topmost_during = is_topmost(dialog);
            face = pick_font(chooser, 20);
        });
        click(dialog, IDC_SET_FONT);
        EXPECT_FALSE(topmost_during) << "the chooser is not hidden behind a topmost dialog";
        EXPECT_TRUE(is_topmost(dialog));
        EXPECT_EQ((HFONT)SendDlgItemMessageW(dialog, IDC_SET_COMPILER, WM_GETFONT, 0, 0), hOldFont);
    });
    ASSERT_FALSE(face.empty());
    EXPECT_NE(hNormalFont, before);
    EXPECT_EQ(GetObjectType(before), 0u) << "the old editor font is deleted";
    LOGFONTW made{};
    GetObjectW(hNormalFont, sizeof made, &made);
    EXPECT_EQ(std::wstring(made.lfFaceName), face);
    EXPECT_EQ(std::wstring(ustawienia.fontSetting.lfFaceName), face);
    EXPECT_EQ(memcmp(&ustawienia.fontSetting, &lf, sizeof lf), 0);
    EXPECT_LT(ustawienia.fontSetting.lfHeight, 0);
    EXPECT_EQ((HFONT)SendMessageW(hEdit, WM_GETFONT, 0, 0), hNormalFont);
    EXPECT_EQ((HFONT)SendMessageW(hOutput, WM_GETFONT, 0, 0), hNormalFont);
    EXPECT_EQ((HFONT)SendMessageW(okno_dzialan.okna[0], WM_GETFONT, 0, 0), hOldFont);
    EXPECT_EQ((HFONT)SendMessageW(okno_skoku.okna[0], WM_GETFONT, 0, 0), hOldFont);

    // Cancelled: the font and its description stay.
    LOGFONTW kept = ustawienia.fontSetting;
    HFONT chosen = hNormalFont;
    with_settings([&](HWND dialog) {
        bool topmost_during = true;
        kit::on_next_dialog([&](HWND chooser) {
            topmost_during = is_topmost(dialog);
            kit::cancel_dialog()(chooser);
        });
        click(dialog, IDC_SET_FONT);
        EXPECT_FALSE(topmost_during);
        EXPECT_TRUE(is_topmost(dialog));
    });
    EXPECT_EQ(hNormalFont, chosen);
    EXPECT_EQ(memcmp(&ustawienia.fontSetting, &kept, sizeof kept), 0);
}

TEST(SettingsDialog, JumpNamesAreShownSetAndCaptionedOnTheirButtonOnly)
{
    kit::start_editor();
    with_settings([](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_SET_JUMPLIST);
        HWND name = GetDlgItem(dialog, IDC_SET_JUMPNAME);
        SendMessageW(list, CB_SETCURSEL, 3, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SET_JUMPLIST, CBN_SELCHANGE), (LPARAM)list);
        EXPECT_EQ(kit::text(name), L"//--?03");
        kit::set_text(name, L"Main loop");
        click(dialog, IDC_SET_JUMPSET);

        // Another notification from the list does not refresh the edit.
        SendMessageW(list, CB_SETCURSEL, 18, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SET_JUMPLIST, CBN_DROPDOWN), (LPARAM)list);
        EXPECT_EQ(kit::text(name), L"Main loop");
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SET_JUMPLIST, CBN_SELCHANGE), (LPARAM)list);
        EXPECT_EQ(kit::text(name), L"//--?18");
        kit::set_text(name, L"");
        click(dialog, IDC_SET_JUMPSET);

        // Without a selection nothing is stored.
        SendMessageW(list, CB_SETCURSEL, (WPARAM)-1, 0);
        kit::set_text(name, L"lost");
        click(dialog, IDC_SET_JUMPSET);
    });
    for (int k = 0; k < 19; ++k) {
        SCOPED_TRACE(k);
        wchar_t marker[8];
        swprintf(marker, 8, L"//--?%02d", k);
        const wchar_t* want = k == 3 ? L"Main loop" : k == 18 ? L"" : marker;
        EXPECT_STREQ(ustawienia.jumpNames[k], want);
        EXPECT_EQ(kit::text(okno_skoku.okna[k]), want);
        EXPECT_EQ(GetDlgCtrlID(okno_skoku.okna[k]), IDC_JUMP_FIRST + k);
    }
    // Each opening shows the first jump again.
    with_settings([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SET_JUMPLIST, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_JUMPNAME)), L"//--?00");
    });
}

TEST(SettingsDialog, ASecondOpeningBringsTheOpenDialogForwardAndKeepsItsBrush)
{
    kit::start_editor();
    HBRUSH brush = NULL;
    with_settings([&](HWND dialog) {
        HDC dc = CreateCompatibleDC(NULL);
        HWND label = GetDlgItem(dialog, IDC_SET_SYSTEM_LBL);
        brush = (HBRUSH)SendMessageW(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)label);
        kit::set_text(GetDlgItem(dialog, IDC_SET_SYSTEM), L"typed before");
        // The handler may run before the modal loop first shows the dialog.
        BOOL visible = IsWindowVisible(dialog);

        // As the top bar's settings button does while this dialog is open.
        run_dialog(IDD_SETTINGS, DialogProc);
        EXPECT_EQ(kit::dialogs_seen().size(), 1u) << "no second dialog was shown";
        EXPECT_TRUE(kit::unexpected_dialogs().empty());
        EXPECT_EQ(GetForegroundWindow(), dialog);
        EXPECT_TRUE(kit::boxes().empty());
        EXPECT_EQ(IsWindowVisible(dialog), visible);
        EXPECT_TRUE(IsWindowEnabled(dialog));
        EXPECT_EQ(kit::text(GetDlgItem(dialog, IDC_SET_SYSTEM)), L"typed before");
        EXPECT_EQ((HBRUSH)SendMessageW(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)label), brush);
        EXPECT_EQ(GetObjectType(brush), (DWORD)OBJ_BRUSH);
        DeleteDC(dc);
    });
    EXPECT_STREQ(ustawienia.systemCommand, L"typed before");
    EXPECT_EQ(GetObjectType(brush), 0u);
    // Once closed, the dialog opens again as usual.
    EXPECT_TRUE(with_settings([](HWND) {}));
}

}  // namespace
