// The UI string table holds every language set whole.
#include "lang/strings.h"

#include <gtest/gtest.h>

#include <wchar.h>

namespace {

struct NamedSet {
    const char* code;
    const LangSet* set;
};

const NamedSet ALL_SETS[] = {{"zh", &lang_zh}, {"hi", &lang_hi}, {"ja", &lang_ja},
                             {"ko", &lang_ko}, {"es", &lang_es}, {"tr", &lang_tr},
                             {"de", &lang_de}, {"ru", &lang_ru}, {"it", &lang_it},
                             {"no", &lang_no}, {"pl", &lang_pl}};

// Poisons the whole table so that a slot the load leaves alone shows up.
void poison_table()
{
    wmemset(&langs[0][0], L'#', sizeof langs / sizeof(wchar_t));
    wmemset(&set_langs[0][0], L'#', sizeof set_langs / sizeof(wchar_t));
    wmemset(&search_langs[0][0], L'#', sizeof search_langs / sizeof(wchar_t));
}

void PrintTo(const NamedSet& s, std::ostream* os) { *os << s.code; }

class EveryLanguage : public ::testing::TestWithParam<NamedSet> {};

TEST_P(EveryLanguage, LoadsEverySlotWholeWithoutTouchingItsNeighbours)
{
    const LangSet& s = *GetParam().set;
    poison_table();
    load_langs_from(s);
    for (int i = 0; i < LANGS_USED; ++i) {
        EXPECT_STREQ(langs[i], s.langs[i]) << "langs[" << i << "]";
        EXPECT_EQ(langs[i][LANG_WIDTH - 1], wcslen(s.langs[i]) == LANG_WIDTH - 1 ? 0 : L'#');
    }
    for (int i = 0; i < SET_LANGS_USED; ++i)
        EXPECT_STREQ(set_langs[i], s.set_langs[i]) << "set_langs[" << i << "]";
    for (int i = 0; i < SEARCH_LANGS_USED; ++i)
        EXPECT_STREQ(search_langs[i], s.search_langs[i]) << "search_langs[" << i << "]";
    EXPECT_EQ(langs[LANGS_USED][0], L'#') << "unused entries are not written";
    EXPECT_STREQ(info_langs_3, s.info_langs_3);
    EXPECT_STREQ(info_langs_4, s.info_langs_4);
}

TEST_P(EveryLanguage, FollowsTheRulesEverySetShares)
{
    const LangSet& s = *GetParam().set;
    EXPECT_STREQ(s.langs[8], L"") << "the line-number box starts empty";
    EXPECT_STREQ(s.set_langs[10], s.langs[5]);
    EXPECT_STREQ(s.search_langs[6], s.set_langs[9]);
    EXPECT_EQ(s.top_button_width, strcmp(GetParam().code, "pl") == 0 ? 94 : 109);

    // Nine shortcut lines, each ended by CR LF, each "keys - description".
    int lines = 0;
    for (const wchar_t* p = s.info_langs_3; *p;) {
        const wchar_t* end = wcsstr(p, L"\r\n");
        ASSERT_NE(end, nullptr) << "line " << lines + 1 << " has no CR LF";
        std::wstring line(p, end);
        EXPECT_NE(line.find(L" - "), std::wstring::npos) << line.size();
        EXPECT_EQ(line.rfind(L"Ctrl", 0) == 0 || line.rfind(L"Shift", 0) == 0, true);
        ++lines;
        p = end + 2;
    }
    EXPECT_EQ(lines, 9);

    // Four about lines, no CR LF after the last, version 1.1 on the second.
    std::wstring about = s.info_langs_4;
    EXPECT_NE(about.substr(about.size() - 2), L"\r\n");
    size_t first = about.find(L"\r\n"), second = about.find(L"\r\n", first + 2),
           third = about.find(L"\r\n", second + 2);
    ASSERT_NE(third, std::wstring::npos);
    EXPECT_EQ(about.find(L"\r\n", third + 2), std::wstring::npos);
    EXPECT_EQ(about.substr(second - 3, 3), L"1.1");
    EXPECT_NE(about.substr(0, first).find(L": "), std::wstring::npos);
    EXPECT_NE(about.find(L"editwindow@example.org"), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(Sets, EveryLanguage, ::testing::ValuesIn(ALL_SETS),
                         [](const auto& info) { return std::string(info.param.code); });

TEST(LanguageTexts, LongestAndSpecialTextsAreStoredWhole)
{
    EXPECT_EQ(wcslen(lang_hi.set_langs[8]), 35u);
    EXPECT_STREQ(lang_hi.set_langs[8], L"प्रोजेक्ट को विभिन्न रूप में सहेजें");
    EXPECT_STREQ(lang_hi.set_langs[9], L"समाप्त");
    EXPECT_EQ(wcslen(lang_no.set_langs[1]), 28u);
    EXPECT_EQ(wcslen(lang_it.info_langs_2), 30u);
    EXPECT_EQ(wcslen(lang_it.info_langs_3), 291u);
    EXPECT_STREQ(lang_zh.langs[6], L"搜索");
    EXPECT_STREQ(lang_zh.search_langs[2], L"查找");
    for (const LangSet* s : {&lang_zh, &lang_ja, &lang_ko})
        EXPECT_STREQ(s->set_langs[0], s->langs[5]);
    EXPECT_EQ(std::wstring(lang_pl.info_langs_3).substr(0, 22), L"Ctrl+o - otwórz plik\r\n");
    EXPECT_NE(std::wstring(lang_ru.info_langs_4).find(L"Команда ЭдитВиндоу"), std::wstring::npos);
}

TEST(LanguageTexts, TheBuildSetIsPolishInTests)
{
    load_langs();
    EXPECT_STREQ(langs[0], L"Otwórz");
    EXPECT_STREQ(set_langs[8], L"Zapisz projekt jako");
    EXPECT_STREQ(search_langs[0], L"Szukaj/Zamień");
    EXPECT_STREQ(info_langs_1, L"O programie");
    EXPECT_EQ(top_button_width, 94);
}

}  // namespace
