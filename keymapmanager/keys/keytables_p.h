// The constant naming data of keys and buttons. Words are stored without their class prefix: a
// keyboard word w stands for the name "key.w", a mouse word for "btn.w". Where a list holds two rows
// for one code (or one word), the first row wins. keynames.cpp builds its lookups from these lists.
#pragma once

#include <cstddef>

namespace ovelkeymapmanager {
namespace keytables {

struct CodeWord {
    int code;
    const char* word;
};

struct WordCode {
    const char* word;
    int code;
};

struct WordText {
    const char* word;
    const char* text;
};

// Keypad and extended keys, consulted before the key words. The two tables that name keys (display
// and macro) differ only in which code is called "home": 327 on display, 172 in macro text.
extern const CodeWord extendedKeyWords[23];
extern const CodeWord extendedHomeDisplay;
extern const CodeWord extendedHomeMacro;

// Key words of the main block, by scan code; macro text also knows 158 as "back".
extern const CodeWord keyWords[161];
extern const CodeWord macroBackKeyWord;

// The extended arrow keys, consulted last.
extern const CodeWord directionWords[4];

// Button words for display (Qt buttons, input-event buttons, wheel notches), and the few buttons
// that macro text names.
extern const CodeWord buttonWords[74];
extern const CodeWord macroButtonWords[7];

// Key words read from macro text: these rows take precedence over the key words above.
extern const WordCode macroKeyCodeOverrides[27];
extern const WordCode macroButtonCodes[8];

// Short spellings accepted in macro text for a key word ("ctrl" for "leftctrl", "+" for "add").
extern const WordText keyAliases[16];

// Display texts that are not the capitalised word.
extern const WordText keyDisplayTexts[20];
extern const WordText buttonDisplayTexts[7];

} // namespace keytables
} // namespace ovelkeymapmanager
