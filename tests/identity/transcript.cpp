// Writes to standard output everything the library makes of its inputs that a Qt version could change:
// the bytes each JSON document saves to (loaded and saved as a keymap and as a joystick keymap), the
// conversions and grammar check of each macro text, and the display text of key codes. Built against
// an installed package, so the same source gives the transcript of a Qt 5 and of a Qt 6 build.
#include <keymapmanager/keymapmanager.h>

#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace ovelkeymapmanager;

namespace {

void write(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeLines(const QStringList& lines) {
    write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.json"));
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        write("== " + QFileInfo(path).fileName().toUtf8() + '\n');
        if (path.endsWith(QLatin1String(".json"))) {
            const std::unique_ptr<KeymapConfig> keymap(LoadKeymapConfigAndInfo(path));
            write(SaveKeymapConfigAndInfo(saved, keymap.get()) ? readAll(saved) : "(not saved)\n");
            const std::unique_ptr<KeymapConfig> joystick(LoadJoystickConfigAndInfo(path));
            write(SaveJoystickConfigAndInfo(saved, joystick.get()) ? readAll(saved) : "(not saved)\n");
            continue;
        }
        const QStringList lines = QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'));
        for (const QRect& screen : {QRect(0, 0, 1280, 720), QRect(0, 0, 1919, 1081)}) {
            writeLines(MacroKeyEditingTextChangeToRunningText(lines, screen));
            writeLines(MacroKeyRunningTextChangeToEditingText(lines, screen));
        }
        for (const int line : MacroKeyEditingTextGrammarCheck(lines))
            write(QByteArray::number(line) + ' ');
        write("\n");
    }
    for (const char* device : {"keyboard", "mouse"}) {
        for (int code = 0; code < 0x200; ++code) {
            ConfigKey key = CreateConfigKey(QLatin1String(device), code, code);
            SetTextForConfigKey(&key);
            write(QByteArray::number(code) + ' ' + key.text.toUtf8() + ' ' +
                  QByteArray::number(ModifyKeyboardScanCodeIfNeeded(code)) + '\n');
        }
    }
    return 0;
}
