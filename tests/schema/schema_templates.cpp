// Writes into DIR each built-in template twice: raw-NAME.json, the template's own text, and
// saved-NAME.json, what saving the document loaded from it writes. (The tool reaches files only.)
#include <keymapmanager/document/templates_p.h>
#include <keymapmanager/keymapmanager.h>

#include <QDir>
#include <QFile>

#include <memory>

using namespace ovelkeymapmanager;

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* label;
        const char* name;
        bool keymapSet;
    } templates[] = {{"sanitary-keymap", kSanitaryTemplateName, true},
                     {"system-keymap", kSystemTemplateName, true},
                     {"sanitary-joystick", kSanitaryTemplateName, false}};
    bool written = true;
    for (const auto& t : templates) {
        const QString name = QLatin1String(t.name);
        const QString saved = dir.filePath(QStringLiteral("saved-%1.json").arg(QLatin1String(t.label)));
        std::unique_ptr<KeymapConfig> loaded(t.keymapSet ? LoadKeymapConfigAndInfo(name)
                                                         : LoadJoystickConfigAndInfo(name));
        written = written && (t.keymapSet ? SaveKeymapConfigAndInfo(saved, loaded.get())
                                          : SaveJoystickConfigAndInfo(saved, loaded.get()));
        QFile raw(dir.filePath(QStringLiteral("raw-%1.json").arg(QLatin1String(t.label))));
        const char* text = builtInTemplate(t.keymapSet, name);
        written = written && text && raw.open(QIODevice::WriteOnly) && raw.write(text) >= 0;
    }
    return written ? 0 : 1;
}
