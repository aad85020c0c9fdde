// What a lint rule's check is handed: the document, the work that several rules share (done once
// per document), and the way back for its findings, which take the rule's code and severity.
#pragma once

#include "common/document.h"
#include "common/findings.h"
#include "format/saving_changes.h"
#include "lint/lint_macros.h"

#include <optional>

namespace keymapctl {

class LintContext {
public:
    explicit LintContext(const LoadedDocument& document) : document(document) {}

    const LoadedDocument& document;

    // What saving would drop or change, as format sees it.
    const QVector<SavingChange>& savingChanges();
    // The verdict on every stored macro line that is not fine.
    const QVector<MacroLineFinding>& macroLines();

private:
    std::optional<QVector<SavingChange>> m_savingChanges;
    std::optional<QVector<MacroLineFinding>> m_macroLines;
};

// The findings of one rule: each takes the rule's code and severity and its place from the path.
class RuleOutput {
public:
    RuleOutput(const QString& code, Severity severity, const LoadedDocument& document,
               QVector<Finding>& findings)
        : m_code(code), m_severity(severity), m_document(document), m_findings(findings) {}

    const QString& code() const { return m_code; }
    void add(const QString& path, const QString& message, const QString& fix = QString());

private:
    QString m_code;
    Severity m_severity;
    const LoadedDocument& m_document;
    QVector<Finding>& m_findings;
};

} // namespace keymapctl
