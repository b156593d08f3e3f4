// Names the language set of this executable; the build defines EDITWINDOW_LANG.
#include "strings.h"

#ifndef EDITWINDOW_LANG
#error "EDITWINDOW_LANG must name one language set, for example lang_pl"
#endif

const LangSet& build_lang_set()
{
    return EDITWINDOW_LANG;
}
