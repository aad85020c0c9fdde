// The rules of keymapctl lint, in the order they run: each with its code, its severity, a line
// saying what it finds (lint --help prints them; the README lists them) and its check.
#pragma once

#include "common/document.h"
#include "common/findings.h"

#include <QVector>

namespace keymapctl {

class LintContext;
class RuleOutput;

struct LintRule {
    const char* code;
    Severity severity;
    const char* summary;
    void (*check)(LintContext& context, RuleOutput& output);
};

const QVector<LintRule>& lintRules();
// The severity of the rule with that code (check reports some of lint's findings).
Severity ruleSeverity(const char* code);

// The table as lines "code  severity  summary", for lint --help.
QString lintRulesText();

// Runs every rule on a cleanly loaded document.
void lintDocument(const LoadedDocument& document, FindingReport& report);

} // namespace keymapctl
