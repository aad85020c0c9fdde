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

void heading(const char* what, const QString& path) {
    write("== " + QByteArray(what) + ' ' + QFileInfo(path).fileName().toUtf8() + '\n');
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void saveDocument(const QString& path, const QString& savedPath, bool joystick) {
    heading(joystick ? "joystick" : "keymap", path);
    std::unique_ptr<KeymapConfig> document(joystick ? LoadJoystickConfigAndInfo(path)
                                                    : LoadKeymapConfigAndInfo(path));
    const bool saved = joystick ? SaveJoystickConfigAndInfo(savedPath, document.get())
                                : SaveKeymapConfigAndInfo(savedPath, document.get());
    write(saved ? readAll(savedPath) : QByteArray("(not saved)"));
    write("\n");
}

void writeLines(const QList<QString>& lines) {
    for (const QString& line : lines)
        write(line.toUtf8() + '\n');
}

void convertMacro(const QString& path) {
    heading("macro", path);
    const QStringList lines = QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'));
    for (const QRect& screen : {QRect(0, 0, 1280, 720), QRect(0, 0, 1919, 1081)}) {
        writeLines(MacroKeyEditingTextChangeToRunningText(lines, screen));
        writeLines(MacroKeyRunningTextChangeToEditingText(lines, screen));
    }
    for (const int line : MacroKeyEditingTextGrammarCheck(lines))
        write(QByteArray::number(line) + ' ');
    write("\n");
}

void nameKeys() {
    write("== key names\n");
    for (const char* device : {"keyboard", "mouse"}) {
        for (int code = 0; code < 0x200; ++code) {
            ConfigKey key = CreateConfigKey(QLatin1String(device), code, code);
            SetTextForConfigKey(&key);
            write(QByteArray::number(code) + ' ' + key.text.toUtf8() + ' ' +
                  QByteArray::number(ModifyKeyboardScanCodeIfNeeded(code)) + '\n');
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString savedPath = dir.filePath(QStringLiteral("saved.json"));
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (path.endsWith(QLatin1String(".json"))) {
            saveDocument(path, savedPath, false);
            saveDocument(path, savedPath, true);
        } else {
            convertMacro(path);
        }
    }
    nameKeys();
    return 0;
}
