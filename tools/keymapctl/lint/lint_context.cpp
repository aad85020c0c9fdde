#include "lint/lint_context.h"

namespace keymapctl {

const QVector<SavingChange>& LintContext::savingChanges() {
    if (!m_savingChanges)
        m_savingChanges = keymapctl::savingChanges(document);
    return *m_savingChanges;
}

const QVector<MacroLineFinding>& LintContext::macroLines() {
    if (!m_macroLines)
        m_macroLines = macroLineFindings(document);
    return *m_macroLines;
}

void RuleOutput::add(const QString& path, const QString& message, const QString& fix) {
    Finding finding = m_document.finding(m_severity, m_code, path, message);
    finding.fix = fix;
    m_findings.append(std::move(finding));
}

} // namespace keymapctl
