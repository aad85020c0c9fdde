#include <keymapmanager/macro/coordinateconverters_p.h>

#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {

namespace {

const QRegularExpression& pixelPair() {
    static const QRegularExpression pattern = macro::compiled(QStringLiteral("(\\d+),(\\d+)|mouse"));
    return pattern;
}

const QRegularExpression& fractionPair() {
    static const QRegularExpression pattern =
        macro::compiled(QStringLiteral("\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse"));
    return pattern;
}

bool isMouse(const QRegularExpressionMatch& match) {
    return match.capturedStart(1) < 0;
}

} // namespace

CoordinateCommand::CoordinateCommand(const char* editing, const char* running)
    : editingWord(QLatin1String(editing)), runningWord(QLatin1String(running)),
      editingLine(macro::compiled(QStringLiteral("^%1(?:\\s+(?:(\\d+),(\\d+)|mouse))+$").arg(editingWord))),
      runningLine(macro::compiled(QStringLiteral("^%1:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)"
                                                 "(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$")
                                      .arg(runningWord))) {}

QString positionsToRunningText(const CoordinateCommand& command, const QString& editingText,
                               const QRect& rect, int fractionPrecision) {
    QString result = command.runningWord + QLatin1Char(':');
    if (command.editingLine.match(editingText).hasMatch()) {
        const macro::ScreenSize size(rect);
        for (QRegularExpressionMatchIterator it = pixelPair().globalMatch(editingText); it.hasNext();) {
            const QRegularExpressionMatch item = it.next();
            if (isMouse(item)) {
                result += QLatin1String("mouse;");
                continue;
            }
            // Dividing by an empty rectangle would write "inf" or "nan" into the running text.
            if (!size.isValid())
                return macro::invalidScreenRectangle();
            result += QLatin1Char('(') +
                      QString::number(item.captured(1).toDouble() / size.width, 'f', fractionPrecision) +
                      QLatin1Char(',') +
                      QString::number(item.captured(2).toDouble() / size.height, 'f', fractionPrecision) +
                      QLatin1String(");");
        }
    }
    result.chop(1);
    return result;
}

QString positionsToEditingText(const CoordinateCommand& command, const QString& runningText,
                               const QRect& rect, int pixelPrecision) {
    QString result = command.editingWord + QLatin1Char(' ');
    if (command.runningLine.match(runningText).hasMatch()) {
        const macro::ScreenSize size(rect);
        for (QRegularExpressionMatchIterator it = fractionPair().globalMatch(runningText); it.hasNext();) {
            const QRegularExpressionMatch item = it.next();
            if (isMouse(item)) {
                result += QLatin1String("mouse ");
                continue;
            }
            result += QString::number(item.captured(1).toDouble() * size.width, 'f', pixelPrecision) +
                      QLatin1Char(',') +
                      QString::number(item.captured(2).toDouble() * size.height, 'f', pixelPrecision) +
                      QLatin1Char(' ');
        }
    }
    result.chop(1);
    return result;
}

} // namespace ovelkeymapmanager
