#include <keymapmanager/macro/lasttokenconverters_p.h>

#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {

namespace {

// Digits are taken possessively (\d++): a run of digits is one argument either way, and a line
// pattern that repeats the argument would otherwise try every split of a long run.
QString argumentPattern(const QString& word) {
    return word.isEmpty() ? QStringLiteral("(\\d++)") : QStringLiteral("(\\d++)|") + word;
}

// The last argument of a line that fits its line pattern: the digits that end it, or else the
// word (a left-to-right search for every argument ends on the same one). Pattern "$" also admits
// one line feed at the very end.
QString lastArgumentOfLine(const QString& text, const QString& word) {
    const int end = text.endsWith(QLatin1Char('\n')) ? text.size() - 1 : text.size();
    int begin = end;
    while (begin > 0 && text.at(begin - 1) >= QLatin1Char('0') && text.at(begin - 1) <= QLatin1Char('9'))
        --begin;
    return begin < end ? text.mid(begin, end - begin) : word;
}

QString lastArgument(const QString& text, const QRegularExpression& token, const QRegularExpression& line,
                     const QString& word, const QRegularExpressionMatch* lineMatch) {
    return macro::madeBy(lineMatch, line) ? lastArgumentOfLine(text, word) : macro::lastMatch(token, text);
}

} // namespace

LastTokenCommand::LastTokenCommand(const char* editingCommand, const char* runningCommand,
                                   const char* editing, const char* running)
    : editingPrefix(QLatin1String(editingCommand) + QLatin1Char(' ')),
      runningPrefix(QLatin1String(runningCommand) + QLatin1Char(':')), editingWord(QLatin1String(editing)),
      runningWord(QLatin1String(running)), editingToken(macro::compiled(argumentPattern(editingWord))),
      runningToken(macro::compiled(argumentPattern(runningWord))),
      editingLine(macro::compiled(QStringLiteral("^%1(?:\\s+(?:%2))+$")
                                      .arg(QLatin1String(editingCommand), argumentPattern(editingWord)))),
      runningLine(macro::compiled(
          QStringLiteral("^%1:(?:%2)+$").arg(QLatin1String(runningCommand), argumentPattern(runningWord)))) {}

QString lastTokenToRunningText(const LastTokenCommand& command, const QString& editingText,
                               const QRegularExpressionMatch* lineMatch) {
    const QString last =
        lastArgument(editingText, command.editingToken, command.editingLine, command.editingWord, lineMatch);
    return command.runningPrefix + (last == command.editingWord ? command.runningWord : last);
}

QString lastTokenToEditingText(const LastTokenCommand& command, const QString& runningText,
                               const QRegularExpressionMatch* lineMatch) {
    const QString last =
        lastArgument(runningText, command.runningToken, command.runningLine, command.runningWord, lineMatch);
    return command.editingPrefix + (last == command.runningWord ? command.editingWord : last);
}

const LastTokenCommand& startLoopCommand() {
    static const LastTokenCommand command("loop", "start_loop", "until_release", "until_release");
    return command;
}

const LastTokenCommand& curveFirstTimeCommand() {
    static const LastTokenCommand command("curve_first_time", "curve_first_point_sleep_time", "", "");
    return command;
}

const LastTokenCommand& curveLastTimeCommand() {
    static const LastTokenCommand command("curve_last_time", "curve_last_point_sleep_time", "untilcmd",
                                          "until_release_cmd");
    return command;
}

} // namespace ovelkeymapmanager
