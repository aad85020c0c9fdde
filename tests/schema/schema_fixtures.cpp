// Writes keymap documents as the library saves them, and tells whether the loader reads given
// files to the end, so that the schema test can hold the schema against the library itself.
//
//   schema_fixtures new-items FILE            one new item of every type, saved as a keymap
//   schema_fixtures joystick FILE             every type plus feature images, saved as a joystick document
//   schema_fixtures templates DIR             raw-NAME.json and saved-NAME.json of each built-in template
//   schema_fixtures resave [--joystick] IN OUT loads IN (which must read to the end) and saves it as OUT
//   schema_fixtures load [--joystick] FILE... one line per file: "ok<TAB>FILE", or
//                                             "rejected<TAB>FILE<TAB>member being read<TAB>why"
#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/config/templates_p.h>
#include <keymapmanager/keymapmanager.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <memory>

using namespace ovelkeymapmanager;

namespace {

using ConfigPtr = std::unique_ptr<KeymapConfig>;

int fail(const QString& message) {
    std::fprintf(stderr, "schema_fixtures: %s\n", qPrintable(message));
    return 2;
}

// Appends one new item of every type; false when the factory refuses a name.
bool addEveryType(KeymapConfig& document) {
    for (const QString& type : configItemTypeNames()) {
        ConfigItem* item = CreateConfigItem(type);
        if (!item)
            return false;
        document.items.append(item);
    }
    return document.items.size() == 24;
}

QString describe(const KeymapLoadReport& report) {
    QString where = report.block;
    if (report.itemIndex >= 0)
        where += QStringLiteral("[%1 %2]").arg(report.itemIndex).arg(report.itemType);
    if (!report.member.isEmpty())
        where += QStringLiteral(" at \"%1\"").arg(report.member);
    return QStringLiteral("%1: %2 %3").arg(where, report.exceptionName, report.message);
}

int newItems(const QString& path) {
    KeymapConfig document;
    if (!addEveryType(document))
        return fail(QStringLiteral("the factory did not create all 24 types"));
    return SaveKeymapConfigAndInfo(path, &document) ? 0 : fail(QStringLiteral("cannot save ") + path);
}

int joystick(const QString& path) {
    KeymapConfig document;
    if (!addEveryType(document))
        return fail(QStringLiteral("the factory did not create all 24 types"));
    document.info->isJoystick = true;
    document.info->characterId = 7;
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::red);
    document.info->featureImages = {{FeatureImageInfo(QRectF(0.25, 0.5, 0.1, 0.2), QSize(1920, 1080), image)},
                                    {}};
    return SaveJoystickConfigAndInfo(path, &document) ? 0 : fail(QStringLiteral("cannot save ") + path);
}

int templates(const QString& directory) {
    struct Template {
        const char* label;
        const char* name;
        bool joystickSet;
    };
    const Template all[] = {{"sanitary-keymap", kSanitaryTemplateName, false},
                            {"system-keymap", kSystemTemplateName, false},
                            {"sanitary-joystick", kSanitaryTemplateName, true}};
    const QDir dir(directory);
    for (const Template& t : all) {
        const QString name = QLatin1String(t.name);
        const char* raw = builtInTemplate(!t.joystickSet, name);
        if (!raw)
            return fail(QStringLiteral("no built-in template ") + name);
        QFile rawFile(dir.filePath(QStringLiteral("raw-%1.json").arg(QLatin1String(t.label))));
        if (!rawFile.open(QIODevice::WriteOnly) || rawFile.write(raw) < 0)
            return fail(QStringLiteral("cannot write ") + rawFile.fileName());
        rawFile.close();

        KeymapLoadReport report;
        ConfigPtr document(LoadConfigAndInfoWithReport(name, t.joystickSet, &report));
        if (!report.ok)
            return fail(QStringLiteral("template %1 does not load: %2").arg(name, describe(report)));
        const QString saved = dir.filePath(QStringLiteral("saved-%1.json").arg(QLatin1String(t.label)));
        const bool written = t.joystickSet ? SaveJoystickConfigAndInfo(saved, document.get())
                                           : SaveKeymapConfigAndInfo(saved, document.get());
        if (!written)
            return fail(QStringLiteral("cannot save ") + saved);
    }
    return 0;
}

int resave(bool isJoystick, const QString& in, const QString& out) {
    KeymapLoadReport report;
    ConfigPtr document(LoadConfigAndInfoWithReport(in, isJoystick, &report));
    if (!report.ok)
        return fail(QStringLiteral("%1 does not load: %2").arg(in, describe(report)));
    return SaveKeymapConfigAndInfo(out, document.get()) ? 0 : fail(QStringLiteral("cannot save ") + out);
}

int load(bool isJoystick, const QStringList& paths) {
    for (const QString& path : paths) {
        KeymapLoadReport report;
        ConfigPtr document(LoadConfigAndInfoWithReport(path, isJoystick, &report));
        if (report.ok)
            std::printf("ok\t%s\n", qPrintable(path));
        else
            std::printf("rejected\t%s\t%s\t%s\n", qPrintable(path), qPrintable(report.member),
                        qPrintable(describe(report)));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.isEmpty())
        return fail(QStringLiteral("usage: see the comment at the top of schema_fixtures.cpp"));
    const QString mode = args.takeFirst();
    const bool isJoystick = args.removeAll(QStringLiteral("--joystick")) > 0;

    if (mode == QLatin1String("new-items") && args.size() == 1)
        return newItems(args[0]);
    if (mode == QLatin1String("joystick") && args.size() == 1)
        return joystick(args[0]);
    if (mode == QLatin1String("templates") && args.size() == 1)
        return templates(args[0]);
    if (mode == QLatin1String("resave") && args.size() == 2)
        return resave(isJoystick, args[0], args[1]);
    if (mode == QLatin1String("load") && !args.isEmpty())
        return load(isJoystick, args);
    return fail(QStringLiteral("usage: see the comment at the top of schema_fixtures.cpp"));
}
