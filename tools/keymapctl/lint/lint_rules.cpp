#include "lint/lint_rules.h"

#include "lint/lint_context.h"
#include "lint/lint_items.h"
#include "lint/lint_members.h"

#include <algorithm>

namespace keymapctl {

namespace {

// The macro lines whose verdict is the rule's code.
void macroLines(LintContext& context, RuleOutput& output) {
    for (const MacroLineFinding& line : context.macroLines()) {
        if (output.code() == QLatin1String(line.code))
            output.add(line.path, line.message, line.fix);
    }
}

} // namespace

const QVector<LintRule>& lintRules() {
    static const QVector<LintRule> rules{
        {"misspelt-type", Severity::Error, "an element type one or two edits from an item type",
         misspeltTypes},
        {"unknown-type", Severity::Warning, "an element type far from every item type (the element is kept)",
         unknownTypes},
        {"duplicate-member", Severity::Warning, "a member named twice in one object; loading keeps the later",
         savingLosses},
        {"duplicate-key", Severity::Warning, "a key or chord bound to several items", duplicateKeys},
        {"unset-key", Severity::Warning, "an item with no key set", unsetKeys},
        {"position-out-of-range", Severity::Warning, "a position outside the screen (0..1)", positions},
        {"macro-grammar", Severity::Error, "a stored macro line the grammar check rejects", macroLines},
        {"macro-editing-form", Severity::Error, "a macro line in editing text where running text is stored",
         macroLines},
        {"macro-unstable-line", Severity::Warning, "a stored macro line that changes on the next edit",
         macroLines},
        {"tap-info-dropped", Severity::Error, "an incomplete \"tap_info\", which saving drops", savingLosses},
        {"dropped-member", Severity::Warning, "a known member that saving drops", savingLosses},
        {"unknown-member", Severity::Warning, "a member no reader takes (with the nearest known one)",
         savingLosses},
        {"lossy-value", Severity::Warning, "a value that saving converts or changes", savingLosses},
        {"unknown-value", Severity::Warning,
         "an enumeration value or colour outside the library's vocabulary", unknownValues},
        {"key-text-mismatch", Severity::Warning,
         "a key text that differs from what its device and scan code give", keyTexts},
    };
    return rules;
}

Severity ruleSeverity(const char* code) {
    for (const LintRule& rule : lintRules()) {
        if (qstrcmp(rule.code, code) == 0)
            return rule.severity;
    }
    return Severity::Error;
}

QString lintRulesText() {
    QStringList lines;
    for (const LintRule& rule : lintRules()) {
        lines << QStringLiteral("  %1 %2 %3")
                     .arg(QLatin1String(rule.code), -22)
                     .arg(severityName(rule.severity), -8)
                     .arg(QLatin1String(rule.summary));
    }
    return lines.join(QLatin1Char('\n'));
}

void lintDocument(const LoadedDocument& document, FindingReport& report) {
    LintContext context(document);
    QVector<Finding> findings;
    for (const LintRule& rule : lintRules()) {
        RuleOutput output(QLatin1String(rule.code), rule.severity, document, findings);
        rule.check(context, output);
    }
    // In file order, as an author reads the file; the rules' order among findings at one place.
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::make_pair(a.line, a.column) < std::make_pair(b.line, b.column);
    });
    for (Finding& finding : findings)
        report.add(std::move(finding));
}

} // namespace keymapctl
