// The jump bar: its frame, and its buttons jumping to their markers whatever their captions.
#include "kit.h"

#include "EditWindow.h"
#include "settings/record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Sel = std::pair<int, int>;

class JumpBar : public ::testing::Test {
protected:
    void SetUp() override { kit::start_editor(); }
    void TearDown() override { kit::stop_editor(); }
};

std::wstring marker(int k)
{
    wchar_t m[8];
    wsprintfW(m, L"//--?%02d", k);
    return m;
}

TEST_F(JumpBar, EveryButtonJumpsToItsMarker)
{
    // The markers stand in reverse order, each also typed a second time further down.
    std::wstring text = L"head\r\n";
    for (int k = 18; k >= 0; --k)
        text += L"    " + marker(k) + L"\r\nint f" + std::to_wstring(k) + L"();\r\n";
    text += marker(4) + L" again\r\n";
    kit::set_text(hEdit, text);
    for (int k = 0; k < 19; ++k) {
        SCOPED_TRACE(k);
        kit::select(hEdit, 0, 0);
        SetFocus(okno_dzialan.okna[0]);
        SendMessageW(okno_skoku.okna[k], BM_CLICK, 0, 0);
        const int p = (int)text.find(marker(k));
        EXPECT_EQ(kit::selection(hEdit), Sel(p, p + 7));
        EXPECT_EQ(GetFocus(), hEdit);
    }
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(JumpBar, CommandsOfTheButtonRangeJumpWhateverTheirCode)
{
    kit::set_text(hEdit, L"a //--?011 b //--?01");
    struct Case {
        int id;
        WORD code;
        bool jumps;
    } cases[] = {
        {352, BN_CLICKED, true},  {352, 0x1234, true},  {351 + 1, BN_DOUBLECLICKED, true},
        {350, BN_CLICKED, false}, {370, BN_CLICKED, false}, {301, BN_CLICKED, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        kit::select(hEdit, 0, 0);
        SendMessageW(hJump, WM_COMMAND, MAKEWPARAM(c.id, c.code), 0);
        // A marker followed by more digits is still the marker.
        EXPECT_EQ(kit::selection(hEdit), c.jumps ? Sel(2, 9) : Sel(0, 0));
    }
}

TEST_F(JumpBar, ARenamedButtonStillJumpsToItsMarker)
{
    kit::set_text(hEdit, L"x\r\n//--?03\r\n//--?02\r\n");
    SetWindowTextW(okno_skoku.okna[3], L"");
    ustawienia.jumpNames[3][0] = L'\0';
    SendMessageW(okno_skoku.okna[3], BM_CLICK, 0, 0);
    EXPECT_EQ(kit::selection(hEdit), Sel(3, 10));
    SetWindowTextW(okno_skoku.okna[2], L"//--?03");
    SendMessageW(okno_skoku.okna[2], BM_CLICK, 0, 0);
    EXPECT_EQ(kit::selection(hEdit), Sel(12, 19)) << "the caption is only a label";
}

TEST_F(JumpBar, AJumpWithoutTextOrMarker)
{
    kit::set_text(hEdit, L"no markers");
    kit::select(hEdit, 1, 2);
    SendMessageW(okno_skoku.okna[0], BM_CLICK, 0, 0);
    EXPECT_EQ(kit::selection(hEdit), Sel(1, 2));
    EXPECT_TRUE(kit::boxes().empty());
    kit::set_text(hEdit, L"");
    SendMessageW(okno_skoku.okna[0], BM_CLICK, 0, 0);
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].text, L"No text in the edit control.");
    EXPECT_EQ(kit::boxes()[0].caption, L"Error");
}

TEST_F(JumpBar, PaintsADarkFillInALightFrame)
{
    EXPECT_EQ(SendMessageW(hJump, WM_ERASEBKGND, 0, 0), 1);
    RECT r;
    GetClientRect(hJump, &r);
    InvalidateRect(hJump, NULL, TRUE);
    UpdateWindow(hJump);
    // The jump bar's own drawing, copied out of the window.
    HDC window_dc = GetDC(hJump);
    HDC dc = CreateCompatibleDC(window_dc);
    HBITMAP bitmap = CreateCompatibleBitmap(window_dc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, r.right, r.bottom, window_dc, 0, 0, SRCCOPY);
    const int y = r.bottom - 5;  // below the last button
    EXPECT_EQ(GetPixel(dc, 0, y), 0x00CDCDCDu);
    EXPECT_EQ(GetPixel(dc, r.right - 1, y), 0x00CDCDCDu);
    EXPECT_EQ(GetPixel(dc, 10, r.bottom - 1), 0x00CDCDCDu);
    EXPECT_EQ(GetPixel(dc, 10, y), 0x00141414u);
    EXPECT_EQ(GetPixel(dc, r.right - 4, 100), 0x00141414u) << "beside the buttons";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(hJump, window_dc);
}

}  // namespace
