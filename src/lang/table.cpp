// The UI string table and its filling at start-up.
#include "strings.h"

#include <wchar.h>

wchar_t langs[LANG_SLOTS][LANG_WIDTH];
wchar_t set_langs[LANG_SLOTS][SET_LANG_WIDTH];
wchar_t search_langs[LANG_SLOTS][LANG_WIDTH];
wchar_t info_langs_1[INFO_LINE_WIDTH];
wchar_t info_langs_2[INFO_LINE_WIDTH];
wchar_t info_langs_3[INFO_LIST_WIDTH];
wchar_t info_langs_4[INFO_ABOUT_WIDTH];
int top_button_width = 109;

// Every source text is terminated inside a slot of the same width as its
// destination, so a plain copy cannot overrun.
void load_langs_from(const LangSet& set)
{
    for (int i = 0; i < LANGS_USED; ++i)
        wcscpy(langs[i], set.langs[i]);
    for (int i = 0; i < SET_LANGS_USED; ++i)
        wcscpy(set_langs[i], set.set_langs[i]);
    for (int i = 0; i < SEARCH_LANGS_USED; ++i)
        wcscpy(search_langs[i], set.search_langs[i]);
    wcscpy(info_langs_1, set.info_langs_1);
    wcscpy(info_langs_2, set.info_langs_2);
    wcscpy(info_langs_3, set.info_langs_3);
    wcscpy(info_langs_4, set.info_langs_4);
    top_button_width = set.top_button_width;
}

void load_langs()
{
    load_langs_from(build_lang_set());
}
