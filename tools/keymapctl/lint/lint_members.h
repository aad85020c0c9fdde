// The lint checks that compare a file's members with what the library reads and writes: members
// no reader takes or that saving drops or changes, enumeration values outside their vocabulary and
// key texts that differ from what the key's device and scan code give.
#pragma once

#include "lint/lint_context.h"

namespace keymapctl {

// The findings of the rule's code among what saving would drop or change (format's own list).
void savingLosses(LintContext& context, RuleOutput& output);
void unknownValues(LintContext& context, RuleOutput& output);
void keyTexts(LintContext& context, RuleOutput& output);

} // namespace keymapctl
