// Writes keymap documents as the library saves them, and tells whether the loader reads given
// files to the end, so that the schema test can hold the schema against the library itself.
//
//   schema_fixtures write DIR FILE   writes into DIR new-items.json (a new item of every type),
//                                    joystick.json (those items and feature images, saved as a
//                                    joystick document), FILE loaded and saved again as saved-filled.json,
//                                    and raw-NAME.json and saved-NAME.json of each built-in template
//   schema_fixtures load FILE...     one line per file: "FILE<TAB>accept", or
//                                    "FILE<TAB>reject<TAB>path of the member being read<TAB>why"
#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/config/templates_p.h>
#include <keymapmanager/keymapmanager.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <memory>
#include <tuple>

using namespace ovelkeymapmanager;

namespace {

using ConfigPtr = std::unique_ptr<KeymapConfig>;

int fail(const QString& message) {
    std::fprintf(stderr, "schema_fixtures: %s\n", qPrintable(message));
    return 2;
}

// The document, or null with *why set to the member being read and the problem, tab-separated.
ConfigPtr load(const QString& path, bool joystickSet, QString* why) {
    KeymapLoadReport report;
    ConfigPtr document(LoadConfigAndInfoWithReport(path, joystickSet, &report));
    *why = QStringLiteral("%1\t%2 %3").arg(report.path, report.exceptionName, report.message);
    return report.ok ? std::move(document) : nullptr;
}

bool save(const QString& path, KeymapConfig& document, bool joystickSet) {
    return joystickSet ? SaveJoystickConfigAndInfo(path, &document)
                       : SaveKeymapConfigAndInfo(path, &document);
}

int write(const QDir& dir, const QString& file) {
    KeymapConfig document;
    for (const QString& type : configItemTypeNames())
        document.items.append(CreateConfigItem(type));
    if (document.items.size() != 24 || document.items.contains(nullptr))
        return fail(QStringLiteral("the factory did not create all 24 types"));
    bool written = save(dir.filePath(QStringLiteral("new-items.json")), document, false);
    document.info->isJoystick = true;
    document.info->characterId = 7;
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::red);
    document.info->featureImages = {{FeatureImageInfo(QRectF(0.25, 0.5, 0.1, 0.2), QSize(1920, 1080), image)},
                                    {}};
    written = written && save(dir.filePath(QStringLiteral("joystick.json")), document, true);

    const QString sanitary = QLatin1String(kSanitaryTemplateName);
    const std::tuple<QString, QString, bool> sources[] = {
        {QStringLiteral("filled"), file, false},
        {QStringLiteral("sanitary-keymap"), sanitary, false},
        {QStringLiteral("system-keymap"), QLatin1String(kSystemTemplateName), false},
        {QStringLiteral("sanitary-joystick"), sanitary, true}};
    for (const auto& [label, path, joystickSet] : sources) {
        QString why;
        const ConfigPtr loaded = load(path, joystickSet, &why);
        if (!loaded)
            return fail(QStringLiteral("%1 does not load: %2").arg(path, why));
        written =
            written && save(dir.filePath(QStringLiteral("saved-%1.json").arg(label)), *loaded, joystickSet);
        if (const char* raw = builtInTemplate(!joystickSet, path)) {
            QFile rawFile(dir.filePath(QStringLiteral("raw-%1.json").arg(label)));
            written = written && rawFile.open(QIODevice::WriteOnly) && rawFile.write(raw) >= 0;
        }
    }
    return written ? 0 : fail(QStringLiteral("cannot write into ") + dir.path());
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const QLatin1String mode(argc > 1 ? argv[1] : "");
    if (mode == QLatin1String("write") && args.size() == 2)
        return write(QDir(args[0]), args[1]);
    if (mode != QLatin1String("load") || args.isEmpty())
        return fail(QStringLiteral("usage: see the comment at the top of schema_fixtures.cpp"));
    for (const QString& path : args) {
        QString why;
        const bool accepted = load(path, false, &why) != nullptr;
        std::printf("%s\t%s\n", qPrintable(path),
                    accepted ? "accept" : qPrintable(QStringLiteral("reject\t") + why));
    }
    return 0;
}
