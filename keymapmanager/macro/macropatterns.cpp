#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {
namespace macro {

QRegularExpression compiled(const QString& pattern) {
    QRegularExpression expression(pattern);
    expression.optimize();
    return expression;
}

bool madeBy(const QRegularExpressionMatch* lineMatch, const QRegularExpression& pattern) {
    return lineMatch && lineMatch->regularExpression() == pattern;
}

QRegularExpressionMatch matchOf(const QRegularExpression& pattern, const QString& text,
                                const QRegularExpressionMatch* lineMatch) {
    if (madeBy(lineMatch, pattern))
        return *lineMatch;
    return pattern.match(text);
}

QString lastMatch(const QRegularExpression& pattern, const QString& text) {
    QString last;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();)
        last = it.next().captured(0);
    return last;
}

} // namespace macro
} // namespace ovelkeymapmanager
