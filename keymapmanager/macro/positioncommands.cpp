#include <keymapmanager/macro/commandkinds_p.h>

#include <keymapmanager/macro/macronumbers_p.h>

#include <QList>

#include <cmath>

namespace ovelkeymapmanager {
namespace macro {

namespace {

// Texts that take the place of a line that cannot be converted.
const char kInvalidRectangle[] = "Invalid screen rectangle";
const char kInvalidInput[] = "Invalid input format";
const char kInvalidFormat[] = "Invalid coordinate format";
const char kInvalidValues[] = "Invalid coordinate values";

// Scales a position to fractions of the rectangle's size or back to pixels. Returns the error text
// for the line when the rectangle is empty or a value is not a finite number once scaled (a number
// of hundreds of digits): those would be written as "inf" or "nan".
const char* scale(double& x, double& y, const QRect& rect, bool toFractions) {
    const ScreenSize size(rect);
    if (!size.isValid())
        return kInvalidRectangle;
    x = toFractions ? x / size.width : x * size.width;
    y = toFractions ? y / size.height : y * size.height;
    return std::isfinite(x) && std::isfinite(y) ? nullptr : kInvalidValues;
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
    QString toRunning(QStringView editing, const LineMatch* found, const Screen& screen) const override {
        return convert(editing, found, screen, true);
    }
    QString toEditing(QStringView running, const LineMatch* found, const Screen& screen) const override {
        return convert(running, found, screen, false);
    }
    PointsFound runningPoints(QStringView running, const LineMatch& found,
                              RunningPoints& points) const override {
        for (const Position& position : found.positions) {
            if (!position.x.isNull())
                points.append({position.x.data() - running.data(),
                               position.y.data() + position.y.size() - running.data(),
                               decimalValue(position.x), decimalValue(position.y)});
        }
        return points.isEmpty() ? PointsFound::None : PointsFound::Found;
    }

private:
    // Pixel pairs "x,y" separated by blanks become fraction pairs "(x,y)" separated by ';', and
    // back; "mouse" stays. A text that the command does not take gives its word alone.
    QString convert(QStringView text, const LineMatch* found, const Screen& screen, bool toRunning) const {
        LineMatch own;
        if (!found) {
            if (!(toRunning ? acceptsEditing(text, own) : acceptsRunning(text, own)))
                own.positions.clear();
            found = &own;
        }
        const QLatin1Char separator(toRunning ? ';' : ' ');
        QString result;
        result.reserve(text.size() * 3);
        result += toRunning ? runningKey : editingKey;
        result += toRunning ? QLatin1Char(':') : separator;
        for (const Position& position : found->positions) {
            if (position.x.isNull()) {
                result += QLatin1String("mouse");
            } else {
                double x = decimalValue(position.x);
                double y = decimalValue(position.y);
                if (const char* error = scale(x, y, screen.rect, toRunning))
                    return QString::fromLatin1(error);
                const int decimals = toRunning ? screen.fractionPrecision : screen.pixelPrecision;
                if (toRunning)
                    result += QLatin1Char('(');
                appendFixed(result, x, decimals);
                result += QLatin1Char(',');
                appendFixed(result, y, decimals);
                if (toRunning)
                    result += QLatin1Char(')');
            }
            result += separator;
        }
        result.chop(1);
        return result;
    }
};

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
            return QString::fromLatin1(kInvalidInput);
        QString result = QStringLiteral("screenshot_rel:");
        for (int i = 1; i < parts.size(); ++i) {
            const QList<QStringView> pair = parts.at(i).split(QLatin1Char(','));
            if (pair.size() != 2)
                return QString::fromLatin1(kInvalidFormat);
            // QStringView::toInt, with a short way for plain digits.
            int xPixel = 0;
            int yPixel = 0;
            bool xOk = readPlainInt(pair.at(0), xPixel);
            bool yOk = readPlainInt(pair.at(1), yPixel);
            xPixel = xOk ? xPixel : pair.at(0).toInt(&xOk);
            yPixel = yOk ? yPixel : pair.at(1).toInt(&yOk);
            double x = xPixel;
            double y = yPixel;
            const char* error = !xOk || !yOk ? kInvalidValues : scale(x, y, screen.rect, true);
            if (error)
                return QString::fromLatin1(error);
            result += QLatin1String(i > 1 ? ";(" : "(");
            appendFixed(result, x, screen.fractionPrecision);
            result += QLatin1Char(',');
            appendFixed(result, y, screen.fractionPrecision);
            result += QLatin1Char(')');
        }
        return result;
    }

    // One position is enough in this direction. Pixels are rounded as qRound does (halves upwards),
    // and only where an int can hold them.
    QString toEditing(QStringView running, const LineMatch*, const Screen& screen) const override {
        QList<QStringView> pieces;
        if (!runningPieces(running, pieces))
            return QString::fromLatin1(kInvalidInput);
        QString result = QStringLiteral("screenshot");
        for (const QStringView& piece : pieces) {
            double x = 0;
            double y = 0;
            const char* error = readCorner(piece, x, y);
            if (!error)
                error = scale(x, y, screen.rect, false);
            if (!error && !(std::abs(x) < 2147483647.0 && std::abs(y) < 2147483647.0))
                error = kInvalidValues;
            if (error)
                return QString::fromLatin1(error);
            result +=
                QLatin1Char(' ') + QString::number(qRound(x)) + QLatin1Char(',') + QString::number(qRound(y));
        }
        return result;
    }

    PointsFound runningPoints(QStringView running, const LineMatch&, RunningPoints& points) const override {
        QList<QStringView> pieces;
        if (!runningPieces(running, pieces))
            return PointsFound::Unreadable;
        for (const QStringView& piece : pieces) {
            RunningPoint point{piece.data() - running.data(), piece.data() + piece.size() - running.data(), 0,
                               0};
            if (readCorner(piece, point.x, point.y))
                return PointsFound::Unreadable;
            points.append(point);
        }
        return PointsFound::Found;
    }

private:
    // The "x,y" pieces of "screenshot_rel:(x,y);(x,y)..."; false when the line is not of that form.
    static bool runningPieces(QStringView running, QList<QStringView>& pieces) {
        const QList<QStringView> parts = running.split(QLatin1Char(':'));
        if (parts.size() != 2 || parts.first() != QLatin1String("screenshot_rel"))
            return false;
        // The outer parentheses go; a body shorter than two characters leaves nothing.
        const QStringView body =
            parts.at(1).size() < 2 ? QStringView() : parts.at(1).mid(1, parts.at(1).size() - 2);
        pieces = body.split(QStringLiteral(");("));
        return true;
    }

    // One "x,y" piece as QStringView::toDouble reads it, with a short way for plain decimals; the
    // error text of the line when it cannot be read.
    static const char* readCorner(QStringView piece, double& x, double& y) {
        const QList<QStringView> pair = piece.split(QLatin1Char(','));
        if (pair.size() != 2)
            return kInvalidFormat;
        bool xOk = readPlainDecimal(pair.at(0), x);
        bool yOk = readPlainDecimal(pair.at(1), y);
        x = xOk ? x : pair.at(0).toDouble(&xOk);
        y = yOk ? y : pair.at(1).toDouble(&yOk);
        return xOk && yOk ? nullptr : kInvalidValues;
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
