// The window tree that start-up builds, and the window-group operations.
#include "kit.h"

#include "EditWindow.h"
#include "lang/strings.h"
#include "settings/record.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    int id;
    const wchar_t* cls;
    int x, y, width, height;
};

void expect_at(HWND w, const Expected& e)
{
    ASSERT_NE(w, nullptr) << "control " << e.id;
    EXPECT_EQ(GetDlgCtrlID(w), e.id);
    wchar_t cls[32];
    GetClassNameW(w, cls, 32);
    EXPECT_EQ(_wcsicmp(cls, e.cls), 0) << "control " << e.id;
    RECT r = kit::child_rect(w);
    EXPECT_EQ(r.left, e.x) << "control " << e.id;
    EXPECT_EQ(r.top, e.y) << "control " << e.id;
    EXPECT_EQ(r.right - r.left, e.width) << "control " << e.id;
    EXPECT_EQ(r.bottom - r.top, e.height) << "control " << e.id;
    EXPECT_TRUE(IsWindowVisible(w)) << "control " << e.id;
}

int CX() { return GetSystemMetrics(SM_CXSCREEN); }
int CY() { return GetSystemMetrics(SM_CYSCREEN); }

TEST(WindowTree, MainWindowChildrenHaveTheirClassesIdsStylesAndPlaces)
{
    kit::start_editor();
    EXPECT_EQ(kit::text(mHwnd), L"");
    wchar_t cls[32];
    GetClassNameW(mHwnd, cls, 32);
    EXPECT_STREQ(cls, L"MainWindowClass");
    EXPECT_EQ(GetWindowLongW(mHwnd, GWL_STYLE) & 0x00CF0000, 0x00CA0000) << "caption, system menu, minimise box only";

    expect_at(hTopBar, {300, L"Static", 0, 0, CX(), 33});
    expect_at(hJump, {350, L"Static", CX() - 101, 33, 99, CY() - 98});
    expect_at(hEdit, {1001, L"Edit", 1, 33, CX() - 102, CY() - 203});
    expect_at(hOutput, {224, L"Edit", 1, CY() - 170, CX() - 102, 170});
    EXPECT_EQ(GetParent(hEdit), mHwnd);
    EXPECT_EQ(GetParent(hOutput), mHwnd);
    EXPECT_EQ((DWORD)GetWindowLongW(hTopBar, GWL_STYLE), 0x50010001u);
    EXPECT_EQ((DWORD)GetWindowLongW(hJump, GWL_STYLE), 0x50010001u);

    // Wine hides WS_BORDER of edits in GWL_STYLE: compare with an edit made alike.
    HWND reference = CreateWindowExW(0, L"EDIT", L"", 0x50A00044, 0, 0, 10, 10, mHwnd, NULL,
                                     GetModuleHandleW(NULL), NULL);
    DWORD edit_style = GetWindowLongW(reference, GWL_STYLE);
    DestroyWindow(reference);
    EXPECT_EQ(GetWindowLongW(hEdit, GWL_STYLE), (LONG)edit_style);
    EXPECT_EQ(GetWindowLongW(hOutput, GWL_STYLE), (LONG)edit_style);

    EXPECT_EQ(GetFocus(), hEdit);
    EXPECT_EQ(SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0), 400000);
    EXPECT_EQ(kit::text(hEdit), L"");
    EXPECT_EQ((HFONT)SendMessageW(hEdit, WM_GETFONT, 0, 0), hNormalFont);
    EXPECT_EQ((HFONT)SendMessageW(hOutput, WM_GETFONT, 0, 0), hNormalFont);
    EXPECT_NE(hNormalFont, hOldFont);
    LOGFONTW f{};
    GetObjectW(hNormalFont, sizeof f, &f);
    EXPECT_EQ(f.lfHeight, 18);
    EXPECT_EQ(f.lfWeight, 400);
    EXPECT_EQ(f.lfPitchAndFamily, 0x20);
    EXPECT_STREQ(f.lfFaceName, L"Arial");
}

struct LayoutCase {
    const char* name;
    const LangSet* set;
    int width;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class TopBarLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TopBarLayout, SeventeenControlsInSlotOrderAtTheirPlaces)
{
    kit::start_editor(GetParam().set);
    const int W = GetParam().width;
    const int ids[17] = {301, 302, 303, 304, 305, 306, 313, 317, 315, 316, 310, 311, 312, 307, 308, 314, 309};
    const wchar_t* small[9] = {L"", langs[9], L"1", L"-", L"+", L"<---", L"--->", L"?", L">"};
    ASSERT_EQ(okno_dzialan.liczba_okien, 17);
    EXPECT_EQ(okno_dzialan.widoczne, 1);
    HWND child = GetWindow(hTopBar, GW_CHILD);
    for (int k = 0; k < 17; ++k, child = GetWindow(child, GW_HWNDNEXT)) {
        HWND w = okno_dzialan.okna[k];
        EXPECT_EQ(w, child) << "creation order, slot " << k;
        bool edit = ids[k] == 310 || ids[k] == 315;
        int x = k == 0 ? 2 : k < 8 ? W * k : CX() - 370 + 41 * (k - 8);
        int width = k < 8 ? W : 40;
        expect_at(w, {ids[k], edit ? L"Edit" : L"Button", x, 2, width, 25});
        const RECT& p = okno_dzialan.pozycje[k];
        EXPECT_EQ(p.left, x);
        EXPECT_EQ(p.top, 2);
        EXPECT_EQ(p.right, width) << "pozycje holds the size";
        EXPECT_EQ(p.bottom, 25);
        EXPECT_EQ(kit::text(w), k < 8 ? std::wstring(langs[k]) : std::wstring(small[k - 8]));
        if (!edit)
            EXPECT_EQ((DWORD)GetWindowLongW(w, GWL_STYLE), 0x50010001u);
        EXPECT_EQ((HFONT)SendMessageW(w, WM_GETFONT, 0, 0), hNormalFont);
    }
    EXPECT_EQ(child, nullptr) << "nothing else in the top bar";
}

INSTANTIATE_TEST_SUITE_P(Builds, TopBarLayout,
                         ::testing::Values(LayoutCase{"Polish", &lang_pl, 94},
                                           LayoutCase{"German", &lang_de, 109},
                                           LayoutCase{"Hindi", &lang_hi, 109}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowTree, JumpBarHoldsNineteenButtonsNamedAfterTheirMarkers)
{
    kit::start_editor();
    ASSERT_EQ(okno_skoku.liczba_okien, 19);
    for (int j = 0; j < 19; ++j) {
        HWND b = okno_skoku.okna[j];
        expect_at(b, {351 + j, L"Button", 2, 5 + 22 * j, 87, 20});
        EXPECT_EQ(GetParent(b), hJump);
        EXPECT_EQ(kit::text(b), ustawienia.jumpNames[j]);
        EXPECT_EQ((HFONT)SendMessageW(b, WM_GETFONT, 0, 0), hOldFont);
    }
    EXPECT_EQ(kit::text(okno_skoku.okna[0]), L"//--?00");
    EXPECT_EQ(kit::text(okno_skoku.okna[18]), L"//--?18");
    EXPECT_EQ(okno_skoku.pokaz_wszystkie, &PokazWszystkieOkna);
    EXPECT_EQ(okno_skoku.ukryj_okna, &UkryjOkna);
}

TEST(WindowGroups, EmptyGroupOperationsTouchNothing)
{
    WManager empty{};
    PokazWszystkieOkna(&empty);
    UkryjWszystkieOkna(&empty);
    ResetujPozycjeOkien(&empty);
    PokazOkna(&empty, nullptr, 0);
    UkryjOkna(&empty, nullptr, 0);
    SUCCEED();
}

TEST(WindowGroups, OperationsOnAFilledGroupStayBelowItsCount)
{
    kit::start_editor();
    WManager g{};
    HWND made[3];
    for (int i = 0; i < 3; ++i)
        made[i] = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, mHwnd,
                                  NULL, GetModuleHandleW(NULL), NULL);
    g.liczba_okien = 2;  // the third slot is filled but not in use
    for (int i = 0; i < 3; ++i) {
        g.okna[i] = made[i];
        g.pozycje[i] = RECT{10 * i + 3, 7, 20 + i, 11};
    }
    UkryjWszystkieOkna(&g);
    EXPECT_FALSE(IsWindowVisible(made[0]));
    EXPECT_FALSE(IsWindowVisible(made[1]));
    EXPECT_TRUE(IsWindowVisible(made[2])) << "slots past the count are never touched";

    const int one[] = {1};
    PokazOkna(&g, one, 1);
    EXPECT_FALSE(IsWindowVisible(made[0]));
    EXPECT_TRUE(IsWindowVisible(made[1]));
    UkryjOkna(&g, one, 0);
    EXPECT_TRUE(IsWindowVisible(made[1])) << "a count of 0 does nothing";
    PokazWszystkieOkna(&g);
    EXPECT_TRUE(IsWindowVisible(made[0]));

    ResetujPozycjeOkien(&g);
    for (int i = 0; i < 2; ++i) {
        RECT r = kit::child_rect(made[i]);
        EXPECT_EQ(r.left, 10 * i + 3);
        EXPECT_EQ(r.top, 7);
        EXPECT_EQ(r.right, 10 * i + 3 + 20 + i);
        EXPECT_EQ(r.bottom, 18);
    }
    RECT third = kit::child_rect(made[2]);
    EXPECT_EQ(third.left, 0);
    for (HWND w : made)
        DestroyWindow(w);
}

TEST(CenterWindow, CentresOnTheScreenAndGoesNegativeWhenLarger)
{
    kit::start_editor();
    struct Case {
        int width, height;
    } cases[] = {{300, 200}, {CX() + 3, CY() + 5}, {CX() + 200, 100}};
    for (const Case& c : cases) {
        HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 10, 10, c.width, c.height, NULL,
                                 NULL, GetModuleHandleW(NULL), NULL);
        ASSERT_NE(w, nullptr);
        CenterWindow(w);
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, (CX() - c.width) / 2) << c.width;
        EXPECT_EQ(r.top, (CY() - c.height) / 2) << c.height;
        EXPECT_EQ(r.right - r.left, c.width);
        DestroyWindow(w);
    }
    EXPECT_EQ((CX() - (CX() + 3)) / 2, -1) << "truncation toward zero";
}

TEST(MainWindow, EditColouringUsesTheLiveColoursAndTheBlackBrush)
{
    kit::start_editor();
    textColor = 0x00112233;
    backgroundColor = 0x00445566;
    HDC dc = GetDC(hEdit);
    LRESULT brush = SendMessageW(mHwnd, WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)hEdit);
    EXPECT_EQ(brush, (LRESULT)hBrushBlack);
    EXPECT_EQ(GetTextColor(dc), 0x00112233u);
    EXPECT_EQ(GetBkColor(dc), 0x00445566u);
    brush = SendMessageW(mHwnd, WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)hOutput);
    EXPECT_EQ(brush, (LRESULT)hBrushBlack);
    EXPECT_EQ(GetTextColor(dc), 0x00FFFFFFu);
    EXPECT_EQ(GetBkColor(dc), 0x00000000u);
    ReleaseDC(hEdit, dc);
}

}  // namespace
