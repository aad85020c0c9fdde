#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {
namespace macro {

QRegularExpression compiled(const QString& pattern) {
    QRegularExpression expression(pattern);
    expression.optimize();
    return expression;
}

QString firstCapture(const QRegularExpression& pattern, const QString& text) {
    return pattern.match(text).captured(1);
}

QString lastMatch(const QRegularExpression& pattern, const QString& text) {
    QString last;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();)
        last = it.next().captured(0);
    return last;
}

QString invalidScreenRectangle() {
    return QStringLiteral("Invalid screen rectangle");
}

ScreenSize::ScreenSize(const QRect& rect)
    : width(double(qint64(rect.right()) - rect.left() + 1)),
      height(double(qint64(rect.bottom()) - rect.top() + 1)) {}

} // namespace macro
} // namespace ovelkeymapmanager
