#include <keymapmanager/macro/commandkinds_p.h>

#include <keymapmanager/macro/macronumbers_p.h>

#include <QList>

#include <cmath>

namespace ovelkeymapmanager {
namespace macro {

namespace {

// Texts that take the place of a line that cannot be converted.
QString invalidScreenRectangle() {
    return QStringLiteral("Invalid screen rectangle");
}
QString invalidInputFormat() {
    return QStringLiteral("Invalid input format");
}
QString invalidCoordinateFormat() {
    return QStringLiteral("Invalid coordinate format");
}
QString invalidCoordinateValues() {
    return QStringLiteral("Invalid coordinate values");
}

// A pixel made from a fraction or a fraction made from a pixel, unless the rectangle is empty or
// the value is not a finite number (numbers of hundreds of digits): then error receives the text
// that takes the line's place. Dividing by an empty rectangle would write "inf" or "nan".
bool scaled(double value, double factor, bool divide, const ScreenSize& size, double& result,
            QString& error) {
    if (!size.isValid()) {
        error = invalidScreenRectangle();
        return false;
    }
    result = divide ? value / factor : value * factor;
    if (!std::isfinite(result)) {
        error = invalidCoordinateValues();
        return false;
    }
    return true;
}

class PositionCommand final : public MacroCommand {
public:
    PositionCommand(const char* editingWord, const char* runningWord) {
        editingKey = QLatin1String(editingWord);
        runningKey = QLatin1String(runningWord);
    }

    bool acceptsEditing(QStringView line, LineMatch& match) const override {
        return scanEditingPositions(line, editingKey, match.positions);
    }
    bool acceptsRunning(QStringView line, LineMatch& match) const override {
        return scanRunningPositions(line, runningKey, match.positions);
    }

    // Each pixel pair becomes "(x,y)" in fractions of the rectangle, separated by ';'.
    QString toRunning(QStringView editing, const LineMatch* found, const Screen& screen) const override {
        LineMatch own;
        if (!found) {
            // A text that the command does not take converts to the word alone.
            if (!acceptsEditing(editing, own))
                own.positions.clear();
            found = &own;
        }
        QString result = runningKey;
        result.reserve(editing.size() * 3);
        result += QLatin1Char(':');
        const ScreenSize size(screen.rect);
        for (const Position& position : found->positions) {
            double x = 0;
            double y = 0;
            QString error;
            if (position.x.isNull()) {
                result += QLatin1String("mouse;");
                continue;
            }
            if (!scaled(decimalValue(position.x), size.width, true, size, x, error) ||
                !scaled(decimalValue(position.y), size.height, true, size, y, error))
                return error;
            result += QLatin1Char('(');
            appendFixed(result, x, screen.fractionPrecision);
            result += QLatin1Char(',');
            appendFixed(result, y, screen.fractionPrecision);
            result += QLatin1String(");");
        }
        result.chop(1);
        return result;
    }

    // Each fraction pair becomes "x,y" in pixels, separated by blanks.
    QString toEditing(QStringView running, const LineMatch* found, const Screen& screen) const override {
        LineMatch own;
        if (!found) {
            // A text that the command does not take converts to the word alone.
            if (!acceptsRunning(running, own))
                own.positions.clear();
            found = &own;
        }
        QString result = editingKey;
        result.reserve(running.size());
        result += QLatin1Char(' ');
        const ScreenSize size(screen.rect);
        for (const Position& position : found->positions) {
            double x = 0;
            double y = 0;
            QString error;
            if (position.x.isNull()) {
                result += QLatin1String("mouse ");
                continue;
            }
            if (!scaled(decimalValue(position.x), size.width, false, size, x, error) ||
                !scaled(decimalValue(position.y), size.height, false, size, y, error))
                return error;
            appendFixed(result, x, screen.pixelPrecision);
            result += QLatin1Char(',');
            appendFixed(result, y, screen.pixelPrecision);
            result += QLatin1Char(' ');
        }
        result.chop(1);
        return result;
    }
};

// Rounds as qRound does (halves upwards); false for a value that no int pixel can hold, where
// qRound itself would be undefined.
bool toPixel(double value, int& pixel) {
    if (!(value > -2147483647.0 && value < 2147483647.0))
        return false;
    pixel = qRound(value);
    return true;
}

// QStringView::toInt and toDouble, with a short way for plain digits.
bool readInt(QStringView text, int& value) {
    bool ok = readPlainInt(text, value);
    if (!ok)
        value = text.toInt(&ok);
    return ok;
}

bool readDouble(QStringView text, double& value) {
    bool ok = readPlainDecimal(text, value);
    if (!ok)
        value = text.toDouble(&ok);
    return ok;
}

// Any line that begins with "screenshot" is taken; the conversion reports what is wrong with it.
class ScreenshotCommand final : public MacroCommand {
public:
    bool acceptsEditing(QStringView line, LineMatch&) const override {
        return line.startsWith(QLatin1String("screenshot"));
    }
    bool acceptsRunning(QStringView line, LineMatch& match) const override {
        return acceptsEditing(line, match);
    }

    // Positions are separated by exactly one blank; at least two are needed.
    QString toRunning(QStringView editing, const LineMatch*, const Screen& screen) const override {
        const QList<QStringView> parts = editing.split(QLatin1Char(' '));
        if (parts.size() < 3 || parts.first() != QLatin1String("screenshot"))
            return invalidInputFormat();
        const ScreenSize size(screen.rect);
        QString result = QStringLiteral("screenshot_rel:");
        for (int i = 1; i < parts.size(); ++i) {
            const QList<QStringView> pair = parts.at(i).split(QLatin1Char(','));
            if (pair.size() != 2)
                return invalidCoordinateFormat();
            int x = 0;
            int y = 0;
            const bool xOk = readInt(pair.at(0), x);
            const bool yOk = readInt(pair.at(1), y);
            if (!xOk || !yOk)
                return invalidCoordinateValues();
            double xFraction = 0;
            double yFraction = 0;
            QString error;
            if (!scaled(x, size.width, true, size, xFraction, error) ||
                !scaled(y, size.height, true, size, yFraction, error))
                return error;
            if (i > 1)
                result += QLatin1Char(';');
            result += QLatin1Char('(');
            appendFixed(result, xFraction, screen.fractionPrecision);
            result += QLatin1Char(',');
            appendFixed(result, yFraction, screen.fractionPrecision);
            result += QLatin1Char(')');
        }
        return result;
    }

    // One position is enough in this direction.
    QString toEditing(QStringView running, const LineMatch*, const Screen& screen) const override {
        const QList<QStringView> parts = running.split(QLatin1Char(':'));
        if (parts.size() != 2 || parts.first() != QLatin1String("screenshot_rel"))
            return invalidInputFormat();
        // The outer parentheses go; a body shorter than two characters leaves nothing.
        const QStringView body =
            parts.at(1).size() < 2 ? QStringView() : parts.at(1).mid(1, parts.at(1).size() - 2);
        const ScreenSize size(screen.rect);
        QString result = QStringLiteral("screenshot");
        for (const QStringView& piece : body.split(QStringLiteral(");("))) {
            const QList<QStringView> pair = piece.split(QLatin1Char(','));
            if (pair.size() != 2)
                return invalidCoordinateFormat();
            double x = 0;
            double y = 0;
            const bool xOk = readDouble(pair.at(0), x);
            const bool yOk = readDouble(pair.at(1), y);
            if (!xOk || !yOk)
                return invalidCoordinateValues();
            QString error;
            int xPixel = 0;
            int yPixel = 0;
            if (!scaled(x, size.width, false, size, x, error) ||
                !scaled(y, size.height, false, size, y, error))
                return error;
            if (!toPixel(x, xPixel) || !toPixel(y, yPixel))
                return invalidCoordinateValues();
            result += QLatin1Char(' ') + QString::number(xPixel) + QLatin1Char(',') + QString::number(yPixel);
        }
        return result;
    }
};

} // namespace

CommandPtr positionCommand(const char* editingWord, const char* runningWord) {
    return std::make_unique<PositionCommand>(editingWord, runningWord);
}

CommandPtr screenshotCommand() {
    return std::make_unique<ScreenshotCommand>();
}

} // namespace macro
} // namespace ovelkeymapmanager
