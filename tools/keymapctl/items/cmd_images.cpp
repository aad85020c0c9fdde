// keymapctl images: writes the feature images of a keymap as PNG files, one per image, named by
// group and index ("group0-image1.png", both from 0, as in the file's "feature_images"). The
// library hands out decoded pictures, so the files hold the same pixels, not the same bytes.
#include "commands.h"
#include "common/cli.h"
#include "common/document.h"
#include "common/output_file.h"

#include <QDir>

namespace keymapctl {

int runImages(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("images"),
        QStringLiteral("Writes every feature image of the keymap into DIR as groupG-imageI.png and "
                       "prints its rectangle and resolution. What is written is the decoded picture, "
                       "encoded again as saving does: the pixels are the file's, the bytes may differ. "
                       "An existing file there is replaced only with --force, the keymap never; nothing "
                       "is written when one may not be.\nExit 1 when the file does not load cleanly or "
                       "an image holds no valid PNG, 2 on bad usage or a file that may not be written."),
        QStringLiteral("FILE --out DIR [--force] [--joystick]"));
    cli.addValue(QStringLiteral("out"),
                 QStringLiteral("Directory to write the PNG files to (created if needed)."),
                 QStringLiteral("DIR"));
    cli.addFlag(QStringLiteral("force"), QStringLiteral("Write over existing files."));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as a joystick keymap."));
    if (const auto code = cli.parse(arguments, 1, 1))
        return *code;
    if (!cli.isSet(QStringLiteral("out")))
        return cli.usageError(QStringLiteral("--out DIR is required"));

    const LoadedDocument document =
        loadDocument(cli.positional().first(), cli.isSet(QStringLiteral("joystick")));
    if (!document.clean())
        return cli.fail(document.exitCode(), findingLine(document.problem()));
    const QDir dir(cli.value(QStringLiteral("out")));
    if (!dir.mkpath(QStringLiteral(".")))
        return cli.fail(kBadInput, QStringLiteral("cannot create %1").arg(dir.path()));

    const auto& groups = document.config->info->featureImages;
    const auto fileName = [](int group, int index) {
        return QStringLiteral("group%1-image%2.png").arg(group).arg(index);
    };
    for (int group = 0; group < groups.size(); ++group) {
        for (int index = 0; index < groups[group].size(); ++index) {
            const QString refusal = outputRefusal(dir.filePath(fileName(group, index)), {document.path},
                                                  cli.isSet(QStringLiteral("force")));
            if (!refusal.isEmpty())
                return cli.fail(kBadInput, refusal);
        }
    }

    int exit = kOk;
    for (int group = 0; group < groups.size(); ++group) {
        for (int index = 0; index < groups[group].size(); ++index) {
            const ovelkeymapmanager::FeatureImageInfo& image = groups[group][index];
            const QString name = fileName(group, index);
            const QRectF& r = image.rect;
            out() << name << ": rect " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height()
                  << ", resolution " << image.resolution.width() << "x" << image.resolution.height();
            if (image.image.isNull()) {
                out() << ", no valid PNG: not written\n";
                exit = kProblems;
            } else if (!image.image.save(dir.filePath(name), "PNG")) {
                out() << ", cannot be written\n";
                exit = kProblems;
            } else {
                out() << ", decoded picture of " << image.image.width() << "x" << image.image.height()
                      << " pixels written\n";
            }
        }
    }
    if (groups.isEmpty())
        err() << "keymapctl images: " << document.path << " has no feature images\n";
    return exit;
}

} // namespace keymapctl
