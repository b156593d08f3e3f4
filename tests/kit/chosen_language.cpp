// In the test programs the language set is chosen at run time (Polish unless a
// test asks for another), so one program can check several builds' captions.
#include "kit.h"

#include "lang/strings.h"

namespace kit {
const LangSet* build_language = &lang_pl;
}

const LangSet& build_lang_set()
{
    return *kit::build_language;
}
