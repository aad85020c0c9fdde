// The macro checks of keymapctl lint: stored macro lines that the grammar check rejects, lines in
// the editing form where running text belongs, and running lines that change on the next edit.
#pragma once

#include "document.h"
#include "findings.h"

#include <QRect>

namespace keymapctl {

// The screen that positions convert through when a macro line goes to editing text and back.
// Any size gives the same verdict except for positions, which round to its whole pixels.
inline QRect macroLintScreen() {
    return QRect(0, 0, 1280, 720);
}

// Adds "macro-grammar", "macro-editing-form" and "macro-unstable-line" findings.
void lintMacros(const LoadedDocument& document, FindingReport& report);

} // namespace keymapctl
