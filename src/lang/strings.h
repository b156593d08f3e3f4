// The UI string table: the texts that change with the build's language.
#pragma once

// Capacities of the table's entries. set_langs is wider than the others because
// one Hindi caption has 35 characters.
enum {
    LANG_SLOTS = 30,
    LANG_WIDTH = 30,
    SET_LANG_WIDTH = 40,
    INFO_LINE_WIDTH = 64,
    INFO_LIST_WIDTH = 400,
    INFO_ABOUT_WIDTH = 300,
    LANGS_USED = 10,
    SET_LANGS_USED = 11,
    SEARCH_LANGS_USED = 7,
};

// One language set. Each field is a char array initialised from a literal, so a
// text that does not fit its slot (terminator included) fails to compile.
struct LangSet {
    int top_button_width;  // width and step of the eight left-hand top-bar buttons
    wchar_t langs[LANGS_USED][LANG_WIDTH];
    wchar_t set_langs[SET_LANGS_USED][SET_LANG_WIDTH];
    wchar_t search_langs[SEARCH_LANGS_USED][LANG_WIDTH];
    wchar_t info_langs_1[INFO_LINE_WIDTH];
    wchar_t info_langs_2[INFO_LINE_WIDTH];
    wchar_t info_langs_3[INFO_LIST_WIDTH];
    wchar_t info_langs_4[INFO_ABOUT_WIDTH];
};

extern wchar_t langs[LANG_SLOTS][LANG_WIDTH];
extern wchar_t set_langs[LANG_SLOTS][SET_LANG_WIDTH];
extern wchar_t search_langs[LANG_SLOTS][LANG_WIDTH];
extern wchar_t info_langs_1[INFO_LINE_WIDTH];
extern wchar_t info_langs_2[INFO_LINE_WIDTH];
extern wchar_t info_langs_3[INFO_LIST_WIDTH];
extern wchar_t info_langs_4[INFO_ABOUT_WIDTH];
extern int top_button_width;

// The set this executable was built with (src/lang/chosen.cpp).
const LangSet& build_lang_set();

// Fills the table with the build's set; called once by init.
void load_langs();
// Fills the table with the given set.
void load_langs_from(const LangSet& set);

extern const LangSet lang_zh, lang_hi, lang_ja, lang_ko, lang_es, lang_tr,
    lang_de, lang_ru, lang_it, lang_no, lang_pl;
