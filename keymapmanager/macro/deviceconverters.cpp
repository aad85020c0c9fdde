#include <keymapmanager/macro/deviceconverters_p.h>

#include <keymapmanager/keys/keynames_p.h>
#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {

namespace {

bool isNamed(DeviceArgument argument) {
    return argument == DeviceArgument::KeyName || argument == DeviceArgument::ButtonName;
}

// Running text holds codes and wheel amounts as digits; editing text holds names and tokens as
// non-blank runs, and wheel amounts as digits. Joystick tokens are non-blank runs in both.
QString runningArgumentPattern(DeviceArgument argument) {
    return argument == DeviceArgument::Token ? QStringLiteral("(\\S+)") : QStringLiteral("(\\d+)");
}

QString editingArgumentPattern(DeviceArgument argument) {
    return argument == DeviceArgument::Digits ? QStringLiteral("(\\d+)") : QStringLiteral("(\\S+)");
}

} // namespace

DeviceCommand::DeviceCommand(const char* editingWord, const char* runningWord, DeviceArgument argument)
    : argument(argument), editingPrefix(QLatin1String(editingWord) + QLatin1Char(' ')),
      runningPrefix(QLatin1String(runningWord) + QLatin1Char(':')),
      editingArgument(macro::compiled(QLatin1String(editingWord) + QLatin1String("\\s+") +
                                      editingArgumentPattern(argument) + QLatin1Char('$'))),
      runningArgument(macro::compiled(runningPrefix + runningArgumentPattern(argument))),
      editingLine(argument == DeviceArgument::Token
                      ? macro::compiled(QLatin1String(editingWord) + QLatin1String("\\s+(\\S+)"))
                      : editingArgument) {}

QString DeviceCommand::nameClass() const {
    switch (argument) {
    case DeviceArgument::KeyName:
        return QStringLiteral("key");
    case DeviceArgument::ButtonName:
        return QStringLiteral("btn");
    default:
        return QString();
    }
}

QString deviceToRunningText(const DeviceCommand& command, const QString& editingText,
                            const QRegularExpressionMatch* lineMatch) {
    const QString argument = macro::matchOf(command.editingArgument, editingText, lineMatch).captured(1);
    if (!isNamed(command.argument))
        return command.runningPrefix + argument;
    return command.runningPrefix + QString::number(macroCodeForName(command.nameClass(), argument));
}

QString deviceToEditingText(const DeviceCommand& command, const QString& runningText,
                            const QRegularExpressionMatch* lineMatch) {
    const QRegularExpressionMatch match = macro::matchOf(command.runningArgument, runningText, lineMatch);
    if (!isNamed(command.argument))
        return command.editingPrefix + match.captured(1);
    // A code too large for an int reads as 0; a code without a name leaves the name empty.
    const QString name =
        match.hasMatch() ? macroNameForCode(command.nameClass(), match.captured(1).toInt()) : QString();
    return command.editingPrefix + name;
}

} // namespace ovelkeymapmanager
