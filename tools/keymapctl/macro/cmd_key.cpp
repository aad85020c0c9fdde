// keymapctl key: the display text of a key, and the names and codes of macro text.
//
// Macro names and codes are reached through the exported macro conversion: the name of a code is
// what converting "keyboard_press:CODE" (or "mouse_press:CODE") to editing text writes after the
// command word, and the code of a name what converting "key_press NAME" (or "mouse_press NAME")
// to running text writes after the colon.
#include "commands.h"
#include "common/cli.h"

#include <keymapmanager/keymapmanager.h>

#include <QRect>
#include <QRegularExpression>

namespace keymapctl {

namespace {

// The rectangle plays no part in device commands; it only has to be valid.
const QRect kAnyRect(0, 0, 100, 100);

struct MacroClass {
    const char* runningWord; // "keyboard_press"
    const char* editingWord; // "key_press"
};

std::optional<MacroClass> macroClass(const QString& name) {
    if (name == QLatin1String("key") || name == QLatin1String("keyboard"))
        return MacroClass{"keyboard_press", "key_press"};
    if (name == QLatin1String("btn") || name == QLatin1String("mouse"))
        return MacroClass{"mouse_press", "mouse_press"};
    return std::nullopt;
}

// What follows the prefix in the single converted line, or "" when the line was dropped.
QString convertedTail(const QList<QString>& converted, const QString& prefix) {
    if (converted.size() != 1 || !converted.first().startsWith(prefix))
        return QString();
    return converted.first().mid(prefix.size());
}

QString macroName(const MacroClass& cls, int code) {
    const QString line = QStringLiteral("%1:%2").arg(QLatin1String(cls.runningWord)).arg(code);
    return convertedTail(ovelkeymapmanager::MacroKeyRunningTextChangeToEditingText({line}, kAnyRect),
                         QLatin1String(cls.editingWord) + QLatin1Char(' '));
}

QString macroCode(const MacroClass& cls, const QString& name) {
    const QString line = QStringLiteral("%1 %2").arg(QLatin1String(cls.editingWord), name);
    return convertedTail(ovelkeymapmanager::MacroKeyEditingTextChangeToRunningText({line}, kAnyRect),
                         QLatin1String(cls.runningWord) + QLatin1Char(':'));
}

// Prints the answer, or says on stderr that there is none (exit 1).
int answer(const CommandLine& cli, const QString& text, const QString& missing) {
    if (text.isEmpty())
        return cli.fail(kProblems, missing);
    out() << text << "\n";
    return kOk;
}

} // namespace

int runKey(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("key"),
        QStringLiteral("DEVICE SCANCODE: prints the display text that the library gives the key "
                       "(DEVICE keyboard, mouse or joystick; SCANCODE decimal or 0x hex).\n"
                       "--macro-name CLASS CODE: the key name that macro editing text uses for a "
                       "code.\n--macro-code CLASS NAME: the code that macro running text uses for "
                       "a name.\nCLASS is key (keyboard) or btn (mouse). Exit 1 when there is no "
                       "text, name or code."),
        QStringLiteral("DEVICE SCANCODE | --macro-name CLASS CODE | --macro-code CLASS NAME"));
    cli.addFlag(QStringLiteral("macro-name"), QStringLiteral("Print the macro key name of CODE."));
    cli.addFlag(QStringLiteral("macro-code"), QStringLiteral("Print the macro code of NAME."));
    if (const auto code = cli.parse(arguments, 2, 2))
        return *code;
    const QStringList args = cli.positional();
    const bool wantName = cli.isSet(QStringLiteral("macro-name"));
    const bool wantCode = cli.isSet(QStringLiteral("macro-code"));
    if (wantName && wantCode)
        return cli.usageError(QStringLiteral("--macro-name and --macro-code exclude each other"));

    bool numeric = false;
    const int number = args[1].toInt(&numeric, 0);
    if (wantName || wantCode) {
        const std::optional<MacroClass> cls = macroClass(args[0]);
        if (!cls)
            return cli.usageError(QStringLiteral("unknown class '%1' (key or btn)").arg(args[0]));
        if (wantCode && (args[1].isEmpty() || args[1].contains(QRegularExpression(QStringLiteral("\\s")))))
            return cli.usageError(QStringLiteral("NAME must be one word: '%1'").arg(args[1]));
        if (wantCode)
            return answer(cli, macroCode(*cls, args[1]),
                          QStringLiteral("no %1 code for '%2'").arg(args[0], args[1]));
        if (!numeric)
            return cli.usageError(QStringLiteral("CODE must be a number: '%1'").arg(args[1]));
        return answer(cli, macroName(*cls, number),
                      QStringLiteral("no %1 name for %2").arg(args[0]).arg(number));
    }

    const QString device = args[0];
    if (device != QLatin1String("keyboard") && device != QLatin1String("mouse") &&
        device != QLatin1String("joystick"))
        return cli.usageError(
            QStringLiteral("unknown device '%1' (keyboard, mouse or joystick)").arg(device));
    if (!numeric)
        return cli.usageError(QStringLiteral("SCANCODE must be a number: '%1'").arg(args[1]));
    const ovelkeymapmanager::ConfigKey key =
        ovelkeymapmanager::CreateConfigKey(device, ovelkeymapmanager::kUnsetKeyCode, number);
    return answer(cli, key.text, QStringLiteral("no display text for %1 %2").arg(device).arg(number));
}

} // namespace keymapctl
