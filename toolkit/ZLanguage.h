#pragma once

#include "toolkit/ZString.h"

// The interface's language. German is the default and the texts are written in German; those
// texts are the keys of the English table, which the window half of the toolkit loads and hands
// in as a lookup. Layers without Qt ask here, so they word their texts alike.
class ZLanguage {
  public:
    // The English of a German text, or an empty text when the table has none.
    using Lookup = ZString (*)(const char* german);

    // English while a lookup is set; null switches back to German.
    static void setLookup(Lookup lookup);
    static bool isEnglish();
    // The text in the interface's language: the German as written, or its English from the
    // table (the German when the table lacks it).
    static ZString text(const char* german);
};

// A German text of the interface, in the interface's language. Formatted texts pass their
// format (and their words) through it before the values go in.
inline ZString ztr(const char* german) {
    return ZLanguage::text(german);
}

// Marks a German text that is worded in the interface's language where it is shown (a menu, a
// title, a message box, a table of constants), so that the table's test finds it.
#define ZTEXT(german) german
