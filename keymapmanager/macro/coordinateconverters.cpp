#include <keymapmanager/macro/coordinateconverters_p.h>

#include <keymapmanager/macro/macronumbers_p.h>
#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {

namespace {

// White space as the patterns' \s reads it (no Unicode properties): blank, tab to carriage return.
bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

// The items of a line that fits its command's grammar, in order: what a left-to-right search for
// "(\d+),(\d+)|mouse" (editing) or "\((\d+\.?\d*),(\d+\.?\d*)\)|mouse" (running) would find, since
// neither the command words nor the separators can hold a match. Each pair item is split into its
// two numbers; "mouse" gives an empty first number.
template <class Visit> void forEachEditingItem(const QString& text, int from, Visit visit) {
    int at = from;
    while (at < text.size()) {
        if (isSpace(text.at(at))) {
            ++at;
            continue;
        }
        int end = at;
        while (end < text.size() && !isSpace(text.at(end)))
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
    : editingWord(QLatin1String(editing)), runningWord(QLatin1String(running)),
      editingLine(macro::compiled(QStringLiteral("^%1(?:\\s+(?:(\\d+),(\\d+)|mouse))+$").arg(editingWord))),
      // A number is written \d+(?:\.\d*)?: the same numbers as \d+\.?\d*, but without the choice
      // of where to split a run of digits, which made a long run cost quadratic time.
      runningLine(
          macro::compiled(QStringLiteral("^%1:(?:\\((\\d+(?:\\.\\d*)?),(\\d+(?:\\.\\d*)?)\\)|mouse)"
                                         "(?:;(?:\\((\\d+(?:\\.\\d*)?),(\\d+(?:\\.\\d*)?)\\)|mouse))*$")
                              .arg(runningWord))) {}

QString positionsToRunningText(const CoordinateCommand& command, const QString& editingText,
                               const QRect& rect, int fractionPrecision,
                               const QRegularExpressionMatch* lineMatch) {
    QString result = command.runningWord;
    result.reserve(editingText.size() * 3);
    result += QLatin1Char(':');
    if (macro::matchOf(command.editingLine, editingText, lineMatch).hasMatch()) {
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
                               const QRect& rect, int pixelPrecision,
                               const QRegularExpressionMatch* lineMatch) {
    QString result = command.editingWord;
    result.reserve(runningText.size());
    result += QLatin1Char(' ');
    if (macro::matchOf(command.runningLine, runningText, lineMatch).hasMatch()) {
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
