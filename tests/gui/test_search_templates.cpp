// The search and help dialog templates as stored, and their captions when open.
#include "kit.h"

#include "EditWindow.h"
#include "lang/strings.h"
#include "messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Item {
    int id;
    std::wstring cls;
    DWORD style;
    int x, y, cx, cy;
};

struct Template {
    DWORD style;
    int cx, cy;
    int point_size;
    std::wstring face;
    std::vector<Item> items;
};

// Reads a string or an ordinal field of a template; ordinals of the standard
// classes come back as their names.
const WORD* read_sz_or_ord(const WORD* p, std::wstring* out)
{
    if (*p == 0xFFFF) {
        switch (p[1]) {
        case 0x80: *out = L"BUTTON"; break;
        case 0x81: *out = L"EDIT"; break;
        case 0x82: *out = L"STATIC"; break;
        default: *out = L"#" + std::to_wstring(p[1]);
        }
        return p + 2;
    }
    const wchar_t* s = (const wchar_t*)p;
    *out = s;
    return p + out->size() + 1;
}

const WORD* align_dword(const BYTE* base, const WORD* p)
{
    size_t offset = (const BYTE*)p - base;
    return (const WORD*)(base + ((offset + 3) & ~(size_t)3));
}

// Parses an extended dialog template (DLGTEMPLATEEX) from the test's resources.
Template load_template(int id)
{
    Template t{};
    HRSRC res = FindResourceW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(id), (LPCWSTR)RT_DIALOG);
    EXPECT_NE(res, nullptr) << "template " << id;
    if (!res)
        return t;
    const BYTE* base = (const BYTE*)LockResource(LoadResource(GetModuleHandleW(NULL), res));
    const WORD* p = (const WORD*)base;
    EXPECT_EQ(p[0], 1) << "extended template";
    EXPECT_EQ(p[1], 0xFFFF);
    const DWORD* d = (const DWORD*)(p + 2);
    t.style = d[2];  // help ID, extended style, style
    p = (const WORD*)(d + 3);
    int count = p[0];
    t.cx = (short)p[3];
    t.cy = (short)p[4];
    p += 5;
    std::wstring ignored;
    p = read_sz_or_ord(p, &ignored);  // menu
    p = read_sz_or_ord(p, &ignored);  // class
    p = read_sz_or_ord(p, &ignored);  // title
    t.point_size = p[0];
    p += 3;  // size, weight, italic and charset
    p = read_sz_or_ord(p, &t.face);
    for (int i = 0; i < count; ++i) {
        p = align_dword(base, p);
        const DWORD* c = (const DWORD*)p;
        Item item{};
        item.style = c[2];
        const short* pos = (const short*)(c + 3);
        item.x = pos[0];
        item.y = pos[1];
        item.cx = pos[2];
        item.cy = pos[3];
        item.id = (int)*(const DWORD*)(pos + 4);
        p = (const WORD*)(pos + 6);
        p = read_sz_or_ord(p, &item.cls);
        p = read_sz_or_ord(p, &ignored);
        WORD extra = *p++;
        p = (const WORD*)((const BYTE*)p + extra);
        t.items.push_back(item);
    }
    return t;
}

void expect_items(const Template& t, const std::vector<Item>& expected)
{
    ASSERT_EQ(t.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Item& got = t.items[i];
        const Item& want = expected[i];
        SCOPED_TRACE(testing::Message() << "control " << want.id);
        EXPECT_EQ(got.id, want.id) << "in template order";
        EXPECT_EQ(got.cls, want.cls);
        EXPECT_EQ(got.style, want.style) << std::hex << got.style;
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

TEST(SearchTemplate, SizeStyleFontAndControlsAreStoredExactly)
{
    Template search = load_template(IDD_SEARCH);
    EXPECT_EQ(search.style, 0x80C800C0u);
    EXPECT_EQ(search.cx, 300);
    EXPECT_EQ(search.cy, 200);
    EXPECT_EQ(search.point_size, 9);
    EXPECT_EQ(search.face, L"MS Sans Serif");
    expect_items(search, {
        {601, L"STATIC", 0x50020000, 10, 10, 50, 14},
        {602, L"EDIT", 0x50810080, 70, 10, 150, 14},
        {604, L"BUTTON", 0x50010000, 10, 40, 100, 20},
        {605, L"STATIC", 0x50020000, 10, 80, 50, 14},
        {606, L"EDIT", 0x50810080, 70, 80, 150, 14},
        {607, L"STATIC", 0x50020000, 10, 110, 50, 14},
        {608, L"EDIT", 0x50810080, 70, 110, 150, 14},
        {609, L"BUTTON", 0x50010000, 10, 140, 100, 20},
        {610, L"BUTTON", 0x50010000, 200, 160, 80, 20},
    });

    Template help = load_template(IDD_HELP);
    EXPECT_EQ(help.style, 0x80C800C0u);
    EXPECT_EQ(help.cx, 300);
    EXPECT_EQ(help.cy, 200);
    EXPECT_EQ(help.point_size, 9);
    EXPECT_EQ(help.face, L"Segoe UI");
    expect_items(help, {
        {701, L"STATIC", 0x50020001, 10, 10, 280, 10},
        {702, L"EDIT", 0x50A10804, 10, 30, 280, 100},
        {703, L"STATIC", 0x50020001, 10, 140, 280, 40},
        {704, L"BUTTON", 0x50010000, 115, 180, 70, 14},
    });
}

struct Shown {
    std::wstring title;
    std::vector<kit::Control> controls;
    HFONT font_601 = NULL;
    LONG_PTR ex_style = 0;
};

Shown capture_open(int template_id, DLGPROC proc)
{
    Shown shown;
    kit::on_next_dialog(kit::then_close([&](HWND dialog) {
        shown.title = kit::text(dialog);
        shown.controls = kit::controls(dialog);
        shown.font_601 = (HFONT)SendMessageW(GetDlgItem(dialog, IDC_SR_SEARCH_LBL), WM_GETFONT, 0, 0);
        shown.ex_style = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    }));
    run_dialog(template_id, proc);
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
    return shown;
}

void expect_texts(const Shown& shown, const std::vector<std::pair<int, std::wstring>>& texts)
{
    ASSERT_EQ(shown.controls.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "control " << texts[i].first);
        EXPECT_EQ(shown.controls[i].id, texts[i].first);
        EXPECT_EQ(shown.controls[i].text, texts[i].second);
    }
}

TEST(SearchTemplate, CaptionsComeFromTheLanguageOfTheBuild)
{
    for (const LangSet* set : {&lang_pl, &lang_zh, &lang_ko}) {
        SCOPED_TRACE(testing::Message() << "set " << (set == &lang_pl ? "pl" : set == &lang_zh ? "zh" : "ko"));
        kit::start_editor(set);
        wcscpy(last_search, L"szukane");
        wcscpy(last_replace_from, L"z");
        wcscpy(last_replace_to, L"na");

        Shown search = capture_open(IDD_SEARCH, SearchReplaceProc);
        EXPECT_EQ(search.title, set->search_langs[0]);
        expect_texts(search, {
            {601, set->search_langs[1]}, {602, L"szukane"}, {604, set->search_langs[2]},
            {605, set->search_langs[3]}, {606, L"z"}, {607, set->search_langs[4]},
            {608, L"na"}, {609, set->search_langs[5]}, {610, set->search_langs[6]},
        });
        EXPECT_EQ(search.font_601, hOldFont);
        EXPECT_TRUE(search.ex_style & WS_EX_TOPMOST);

        Shown help = capture_open(IDD_HELP, HelpDialogProc);
        EXPECT_EQ(help.title, set->info_langs_1);
        expect_texts(help, {
            {701, set->info_langs_2}, {702, set->info_langs_3},
            {703, set->info_langs_4}, {704, L"Zamknij"},
        });
        EXPECT_FALSE(help.ex_style & WS_EX_TOPMOST);
    }
}

}  // namespace
