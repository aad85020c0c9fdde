#include "lint/lint_macros.h"

#include <keymapmanager/keymapmanager.h>

#include <QRegularExpression>

#include <cmath>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

// One line through a converter; the converters keep no state between lines.
QString toEditing(const QString& line) {
    return MacroKeyRunningTextChangeToEditingText({line}, macroLintScreen()).value(0);
}

QString toRunning(const QString& line) {
    return MacroKeyEditingTextChangeToRunningText({line}, macroLintScreen()).value(0);
}

// Whether a line that went to editing text and back still says the same: the words exactly, the
// whole numbers exactly, fractions of the screen up to the half pixel that editing rounds to.
bool sameRunningLine(const QString& stored, const QString& back) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(?:\\.\\d+)?"));
    const double halfPixel = 0.5 / std::min(macroLintScreen().width(), macroLintScreen().height());
    QRegularExpressionMatchIterator a = number.globalMatch(stored);
    QRegularExpressionMatchIterator b = number.globalMatch(back);
    int endA = 0;
    int endB = 0;
    while (a.hasNext() && b.hasNext()) {
        const QRegularExpressionMatch ma = a.next();
        const QRegularExpressionMatch mb = b.next();
        if (QStringView(stored).mid(endA, ma.capturedStart() - endA) !=
            QStringView(back).mid(endB, mb.capturedStart() - endB))
            return false;
        const bool fraction =
            ma.captured().contains(QLatin1Char('.')) || mb.captured().contains(QLatin1Char('.'));
        if (std::abs(ma.captured().toDouble() - mb.captured().toDouble()) >
            (fraction ? halfPixel + 1e-9 : 0.0))
            return false;
        endA = ma.capturedEnd();
        endB = mb.capturedEnd();
    }
    return !a.hasNext() && !b.hasNext() && QStringView(stored).mid(endA) == QStringView(back).mid(endB);
}

// Several codes can share one name in editing text, and the name converts back to one of them.
QString sharedName(const QString& editing, const QString& back) {
    if (editing.endsWith(QLatin1Char(' ')) || toEditing(back) != editing)
        return QString();
    return QStringLiteral("; \"%1\" stands for both").arg(editing);
}

class MacroLint {
public:
    explicit MacroLint(QVector<MacroLineFinding>& findings) : m_findings(findings) {}

    void item(int element, const MacroConfigItem& macro) {
        m_element = element;
        const struct {
            const char* name;
            const QStringList& lines;
        } lists[] = {{"press_actions", macro.pressActions}, {"release_actions", macro.releaseActions}};
        for (const auto& list : lists) {
            const QVector<int> rejected = MacroKeyEditingTextGrammarCheck(list.lines);
            for (int i = 0; i < list.lines.size(); ++i)
                line(QLatin1String(list.name), i + 1, list.lines[i], rejected.contains(i + 1));
        }
    }

private:
    void line(const QString& list, int number, const QString& text, bool rejected) {
        // Blank lines and the "release_actions" divider are skipped by both converters on purpose.
        if (text.trimmed().isEmpty() || text == QLatin1String("release_actions"))
            return;
        const QString editing = toEditing(text);
        if (!editing.isEmpty()) {
            const QString back = toRunning(editing);
            if (back.isEmpty())
                add("macro-unstable-line", list, number,
                    QStringLiteral("\"%1\" reads as \"%2\" in editing text, which converts back to nothing: "
                                   "the line is lost on the next edit")
                        .arg(text, editing));
            else if (!sameRunningLine(text, back))
                add("macro-unstable-line", list, number,
                    QStringLiteral("\"%1\" reads as \"%2\" in editing text and becomes \"%3\" on the next "
                                   "edit%4")
                        .arg(text, editing, back, sharedName(editing, back)));
            return;
        }
        const QString running = rejected ? QString() : toRunning(text);
        if (running.isEmpty())
            add("macro-grammar", list, number,
                QStringLiteral("macro line rejected by the grammar check: %1").arg(text));
        else if (running == text)
            add("macro-unstable-line", list, number,
                QStringLiteral("\"%1\" is not running text the editor reads back: the line is lost on the "
                               "next edit")
                    .arg(text));
        else
            add("macro-editing-form", list, number,
                QStringLiteral("\"%1\" is editing text where running text is stored; as running text it is "
                               "\"%2\" (screen %3x%4)")
                    .arg(text, running)
                    .arg(macroLintScreen().width())
                    .arg(macroLintScreen().height()),
                running);
    }

    void add(const char* code, const QString& list, int number, const QString& message,
             const QString& fix = QString()) {
        m_findings.append(MacroLineFinding{
            code, QStringLiteral("keymaps[%1].%2[%3]").arg(m_element).arg(list).arg(number - 1), message,
            fix});
    }

    QVector<MacroLineFinding>& m_findings;
    int m_element = 0;
};

} // namespace

QVector<MacroLineFinding> macroLineFindings(const LoadedDocument& document) {
    QVector<MacroLineFinding> findings;
    MacroLint lint(findings);
    const QList<ConfigItem*>& items = document.config->items;
    for (int i = 0; i < items.size(); ++i) {
        if (const auto* macro = dynamic_cast<const MacroConfigItem*>(items[i]))
            lint.item(document.elementOfItem.value(i, i), *macro);
    }
    return findings;
}

} // namespace keymapctl
