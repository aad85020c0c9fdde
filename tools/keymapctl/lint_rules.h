// The checks of keymapctl lint: what a keymap gets wrong although it loads. Each rule adds its
// findings, with a stable code, to the report.
#pragma once

#include "document.h"
#include "findings.h"

namespace keymapctl {

// Runs every rule on a cleanly loaded document.
void lintDocument(const LoadedDocument& document, FindingReport& report);

} // namespace keymapctl
