// The macro checks of keymapctl lint: stored macro lines that the grammar check rejects, lines in
// the editing form where running text belongs, and running lines that change on the next edit.
#pragma once

#include "common/document.h"

#include <QRect>
#include <QVector>

namespace keymapctl {

// The screen that positions convert through when a macro line goes to editing text and back.
// Any size gives the same verdict except for positions, which round to its whole pixels.
inline QRect macroLintScreen() {
    return QRect(0, 0, 1280, 720);
}

// A stored macro line that is not fine: code "macro-grammar", "macro-editing-form" or
// "macro-unstable-line", the line's path ("keymaps[8].press_actions[0]") and what is wrong.
struct MacroLineFinding {
    const char* code;
    QString path;
    QString message;
    QString fix; // the running text of a line stored in editing form
};

// Every macro line of the document's Macro items that the editor or the host would not take as it is.
QVector<MacroLineFinding> macroLineFindings(const LoadedDocument& document);

} // namespace keymapctl
