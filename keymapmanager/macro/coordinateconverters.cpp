#include <keymapmanager/macro/coordinateconverters_p.h>

#include <keymapmanager/macro/linescans_p.h>
#include <keymapmanager/macro/macronumbers_p.h>

namespace ovelkeymapmanager {

namespace {

using macro::isBlank;

// The items of a line that fits its command's grammar, in order: what a left-to-right search for
// "(\d+),(\d+)|mouse" (editing) or "\((\d+\.?\d*),(\d+\.?\d*)\)|mouse" (running) would find, since
// neither the command words nor the separators can hold a match. Each pair item is split into its
// two numbers; "mouse" gives an empty first number.
template <class Visit> void forEachEditingItem(const QString& text, int from, Visit visit) {
    int at = from;
    while (at < text.size()) {
        if (isBlank(text.at(at))) {
            ++at;
            continue;
        }
        int end = at;
        while (end < text.size() && !isBlank(text.at(end)))
            ++end;
        const QStringRef item = text.midRef(at, end - at);
        const int comma = item.indexOf(QLatin1Char(','));
        visit(comma < 0 ? QStringRef() : item.left(comma), comma < 0 ? QStringRef() : item.mid(comma + 1));
        at = end;
    }
}

template <class Visit> void forEachRunningItem(const QString& text, int from, Visit visit) {
    // The grammar's "$" also admits one line feed at the very end.
    const int size = text.endsWith(QLatin1Char('\n')) ? text.size() - 1 : text.size();
    for (int at = from; at < size;) {
        int end = text.indexOf(QLatin1Char(';'), at);
        if (end < 0 || end > size)
            end = size;
        const QStringRef item = text.midRef(at, end - at);
        const int comma = item.indexOf(QLatin1Char(','));
        if (comma < 0)
            visit(QStringRef(), QStringRef());
        else
            visit(item.mid(1, comma - 1), item.mid(comma + 1, item.size() - comma - 2));
        at = end + 1;
    }
}

} // namespace

CoordinateCommand::CoordinateCommand(const char* editing, const char* running)
    : editingWord(QLatin1String(editing)), runningWord(QLatin1String(running)) {}

bool CoordinateCommand::fitsEditingLine(const QString& line) const {
    return macro::fitsEditingPositions(line, editingWord);
}

bool CoordinateCommand::fitsRunningLine(const QString& line) const {
    return macro::fitsRunningPositions(line, runningWord);
}

QString positionsToRunningText(const CoordinateCommand& command, const QString& editingText,
                               const QRect& rect, int fractionPrecision) {
    QString result = command.runningWord;
    result.reserve(editingText.size() * 3);
    result += QLatin1Char(':');
    if (command.fitsEditingLine(editingText)) {
        const macro::ScreenSize size(rect);
        // Dividing by an empty rectangle would write "inf" or "nan"; in a line that fits the
        // grammar, a comma means a pixel pair.
        if (!size.isValid() && editingText.contains(QLatin1Char(',')))
            return macro::invalidScreenRectangle();
        forEachEditingItem(
            editingText, command.editingWord.size(), [&](const QStringRef& x, const QStringRef& y) {
                if (x.isNull()) {
                    result += QLatin1String("mouse;");
                    return;
                }
                result += QLatin1Char('(');
                macro::appendFixed(result, macro::decimalValue(x) / size.width, fractionPrecision);
                result += QLatin1Char(',');
                macro::appendFixed(result, macro::decimalValue(y) / size.height, fractionPrecision);
                result += QLatin1String(");");
            });
    }
    result.chop(1);
    return result;
}

QString positionsToEditingText(const CoordinateCommand& command, const QString& runningText,
                               const QRect& rect, int pixelPrecision) {
    QString result = command.editingWord;
    result.reserve(runningText.size());
    result += QLatin1Char(' ');
    if (command.fitsRunningLine(runningText)) {
        const macro::ScreenSize size(rect);
        forEachRunningItem(
            runningText, command.runningWord.size() + 1, [&](const QStringRef& x, const QStringRef& y) {
                if (x.isNull()) {
                    result += QLatin1String("mouse ");
                    return;
                }
                macro::appendFixed(result, macro::decimalValue(x) * size.width, pixelPrecision);
                result += QLatin1Char(',');
                macro::appendFixed(result, macro::decimalValue(y) * size.height, pixelPrecision);
                result += QLatin1Char(' ');
            });
    }
    result.chop(1);
    return result;
}

} // namespace ovelkeymapmanager
