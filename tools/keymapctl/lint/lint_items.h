// The lint checks that look at the loaded items: element types, keys bound twice or not at all,
// positions off the screen.
#pragma once

#include "lint/lint_context.h"

namespace keymapctl {

void misspeltTypes(LintContext& context, RuleOutput& output);
void unknownTypes(LintContext& context, RuleOutput& output);
void duplicateKeys(LintContext& context, RuleOutput& output);
void unsetKeys(LintContext& context, RuleOutput& output);
void positions(LintContext& context, RuleOutput& output);

} // namespace keymapctl
