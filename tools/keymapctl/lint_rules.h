// The checks of keymapctl lint: what a keymap gets wrong although it loads. Each rule adds its
// findings, with a stable code, to the report.
#pragma once

#include "document.h"
#include "findings.h"

namespace keymapctl {

// A finding about the index-th loaded item, located at its "keymaps" element.
Finding itemFinding(const LoadedDocument& document, int index, Severity severity, const char* code,
                    const QString& message);

// Runs every rule on a cleanly loaded document.
void lintDocument(const LoadedDocument& document, FindingReport& report);

} // namespace keymapctl
