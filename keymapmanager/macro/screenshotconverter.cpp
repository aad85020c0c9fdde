#include <keymapmanager/macro/screenshotconverter_p.h>

#include <keymapmanager/macro/macronumbers_p.h>

#include <QVector>

namespace ovelkeymapmanager {

namespace {

QString invalidInputFormat() {
    return QStringLiteral("Invalid input format");
}
QString invalidCoordinateFormat() {
    return QStringLiteral("Invalid coordinate format");
}
QString invalidCoordinateValues() {
    return QStringLiteral("Invalid coordinate values");
}

// Rounds as qRound does (halves upwards); false for a value that no int pixel can hold, where
// qRound itself would be undefined.
bool toPixel(double value, int& pixel) {
    if (!(value > -2147483647.0 && value < 2147483647.0))
        return false;
    pixel = qRound(value);
    return true;
}

// QStringRef::toInt and toDouble, with a short way for plain digits.
bool readInt(const QStringRef& text, int& value) {
    bool ok = macro::readPlainInt(text, value);
    if (!ok)
        value = text.toInt(&ok);
    return ok;
}

bool readDouble(const QStringRef& text, double& value) {
    bool ok = macro::readPlainDecimal(text, value);
    if (!ok)
        value = text.toDouble(&ok);
    return ok;
}

} // namespace

// Positions are separated by exactly one blank; at least two are needed.
QString MarcoScreenShotConVerter::toRunningText() const {
    const QVector<QStringRef> parts = editingText.splitRef(QLatin1Char(' '));
    if (parts.size() < 3 || parts.first() != QLatin1String("screenshot"))
        return invalidInputFormat();
    const macro::ScreenSize size(screenRectangle);
    QString result = QStringLiteral("screenshot_rel:");
    for (int i = 1; i < parts.size(); ++i) {
        const QVector<QStringRef> pair = parts.at(i).split(QLatin1Char(','));
        if (pair.size() != 2)
            return invalidCoordinateFormat();
        int x = 0;
        int y = 0;
        const bool xOk = readInt(pair.at(0), x);
        const bool yOk = readInt(pair.at(1), y);
        if (!xOk || !yOk)
            return invalidCoordinateValues();
        if (!size.isValid())
            return macro::invalidScreenRectangle();
        if (i > 1)
            result += QLatin1Char(';');
        result += QLatin1Char('(');
        macro::appendFixed(result, x / size.width, fractionPrecision);
        result += QLatin1Char(',');
        macro::appendFixed(result, y / size.height, fractionPrecision);
        result += QLatin1Char(')');
    }
    return result;
}

// One position is enough in this direction.
QString MarcoScreenShotConVerter::toEditingText() const {
    const QVector<QStringRef> parts = runningText.splitRef(QLatin1Char(':'));
    if (parts.size() != 2 || parts.first() != QLatin1String("screenshot_rel"))
        return invalidInputFormat();
    // The outer parentheses go; a body shorter than two characters leaves nothing.
    const QStringRef body = parts.at(1).mid(1, parts.at(1).size() - 2);
    const macro::ScreenSize size(screenRectangle);
    QString result = QStringLiteral("screenshot");
    for (const QStringRef& piece : body.split(QStringLiteral(");("))) {
        const QVector<QStringRef> pair = piece.split(QLatin1Char(','));
        if (pair.size() != 2)
            return invalidCoordinateFormat();
        double x = 0;
        double y = 0;
        const bool xOk = readDouble(pair.at(0), x);
        const bool yOk = readDouble(pair.at(1), y);
        int xPixel = 0;
        int yPixel = 0;
        if (!xOk || !yOk || !toPixel(x * size.width, xPixel) || !toPixel(y * size.height, yPixel))
            return invalidCoordinateValues();
        result += QLatin1Char(' ') + QString::number(xPixel) + QLatin1Char(',') + QString::number(yPixel);
    }
    return result;
}

} // namespace ovelkeymapmanager
