#include <keymapmanager/macro/deviceconverters_p.h>

#include <keymapmanager/keys/keynames_p.h>

#include <charconv>

namespace ovelkeymapmanager {

namespace {

bool isNamed(DeviceArgument argument) {
    return argument == DeviceArgument::KeyName || argument == DeviceArgument::ButtonName;
}

using macro::WordArgumentScan;

// Running text holds codes and wheel amounts as digits; editing text holds names and tokens as
// non-blank runs, and wheel amounts as digits. Joystick tokens are non-blank runs in both.
WordArgumentScan::Argument runningArgumentKind(DeviceArgument argument) {
    return argument == DeviceArgument::Token ? WordArgumentScan::Argument::NonBlank
                                             : WordArgumentScan::Argument::Digits;
}

WordArgumentScan::Argument editingArgumentKind(DeviceArgument argument) {
    return argument == DeviceArgument::Digits ? WordArgumentScan::Argument::Digits
                                              : WordArgumentScan::Argument::NonBlank;
}

// Appends QString::number(value).
void appendNumber(QString& text, int value) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text += QLatin1String(digits, int(end - digits));
}

} // namespace

DeviceCommand::DeviceCommand(const char* editingWord, const char* runningWord, DeviceArgument argument)
    : argument(argument), editingPrefix(QLatin1String(editingWord) + QLatin1Char(' ')),
      runningPrefix(QLatin1String(runningWord) + QLatin1Char(':')),
      editingArgument(QLatin1String(editingWord), WordArgumentScan::Separator::Blanks,
                      editingArgumentKind(argument), WordArgumentScan::End::Line),
      runningArgument(runningPrefix, WordArgumentScan::Separator::None, runningArgumentKind(argument),
                      WordArgumentScan::End::Open),
      editingLine(argument == DeviceArgument::Token
                      ? WordArgumentScan(QLatin1String(editingWord), WordArgumentScan::Separator::Blanks,
                                         WordArgumentScan::Argument::NonBlank, WordArgumentScan::End::Open)
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

// Built in place: the prefix, then the argument or, for a name, its code.
QString deviceToRunningText(const DeviceCommand& command, const QString& editingText) {
    const QStringRef argument = command.editingArgument.find(editingText);
    QString text;
    text.reserve(command.runningPrefix.size() + argument.size() + 11);
    text += command.runningPrefix;
    if (isNamed(command.argument))
        appendNumber(text, macroCodeForName(command.nameClass(), argument.toString()));
    else
        text += argument;
    return text;
}

QString deviceToEditingText(const DeviceCommand& command, const QString& runningText) {
    const QStringRef argument = command.runningArgument.find(runningText);
    if (!isNamed(command.argument))
        return command.editingPrefix + argument.toString();
    // A code too large for an int reads as 0; a code without a name leaves the name empty.
    const QString name =
        argument.isNull() ? QString() : macroNameForCode(command.nameClass(), argument.toInt());
    return command.editingPrefix + name;
}

} // namespace ovelkeymapmanager
