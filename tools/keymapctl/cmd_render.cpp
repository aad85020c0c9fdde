// keymapctl render: draws a keymap as a picture of the emulated screen, every item at its work
// position with a marker of its kind and its key text.
#include "cli.h"
#include "commands.h"
#include "document.h"
#include "render_markers.h"

#include <QImage>

namespace keymapctl {

namespace {

const QSize kDefaultSize(1280, 720);

// A plain dark screen with a grid at every tenth of its width and height.
void drawPlainBackground(QPainter& painter, const QSize& size) {
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(30, 36, 48));
    painter.setPen(QPen(QColor(48, 56, 72), 1));
    for (int i = 1; i < 10; ++i) {
        painter.drawLine(QLineF(size.width() * i / 10.0, 0, size.width() * i / 10.0, size.height()));
        painter.drawLine(QLineF(0, size.height() * i / 10.0, size.width(), size.height() * i / 10.0));
    }
}

} // namespace

int runRender(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("render"),
        QStringLiteral("Draws the keymap as a picture of the screen: every item at its work position "
                       "with a marker of its kind and its key text. The size defaults to that of "
                       "the background image, else 1280x720. Exit 1 when the file does not load "
                       "cleanly."),
        QStringLiteral("FILE -o OUT.png [--size WxH] [--background IMAGE] [--joystick] [--no-descriptions] "
                       "[--debug-labels]"));
    cli.parser().addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                              QStringLiteral("The PNG file to write."),
                                              QStringLiteral("OUT.png")));
    cli.addValue(QStringLiteral("size"), QStringLiteral("Picture size, e.g. 1920x1080."),
                 QStringLiteral("WxH"));
    cli.addValue(QStringLiteral("background"),
                 QStringLiteral("A screenshot to draw on (scaled to the size)."), QStringLiteral("IMAGE"));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as a joystick keymap."));
    cli.addFlag(QStringLiteral("no-descriptions"), QStringLiteral("Leave out the items' descriptions."));
    cli.addFlag(QStringLiteral("debug-labels"),
                QStringLiteral("Also print each label's box: \"label X Y WIDTH HEIGHT TEXT\" in pixels."));
    if (const auto code = cli.parse(arguments, 1, 1))
        return *code;
    if (!cli.isSet(QStringLiteral("output")))
        return cli.usageError(QStringLiteral("-o OUT.png is required"));

    std::optional<QSize> size;
    if (cli.isSet(QStringLiteral("size"))) {
        size = parseSize(cli.value(QStringLiteral("size")));
        if (!size)
            return cli.usageError(QStringLiteral("--size must be WIDTHxHEIGHT with both above 0: '%1'")
                                      .arg(cli.value(QStringLiteral("size"))));
    }
    QImage background;
    if (cli.isSet(QStringLiteral("background"))) {
        if (!background.load(cli.value(QStringLiteral("background"))))
            return cli.fail(
                kBadInput,
                QStringLiteral("cannot read the image %1").arg(cli.value(QStringLiteral("background"))));
        if (!size)
            size = background.size();
    }
    const LoadedDocument document =
        loadDocument(cli.positional().first(), cli.isSet(QStringLiteral("joystick")));
    if (!document.clean())
        return cli.fail(document.exitCode(), findingLine(document.problem()));

    QImage picture(size.value_or(kDefaultSize), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&picture);
        if (background.isNull())
            drawPlainBackground(painter, picture.size());
        else
            painter.drawImage(QRect(QPoint(0, 0), picture.size()), background);
        Canvas canvas(painter, picture.size());
        for (const ovelkeymapmanager::ConfigItem* item : document.config->items)
            drawItem(canvas, *item, !cli.isSet(QStringLiteral("no-descriptions")));
        canvas.drawLabels();
        if (canvas.droppedLabels() > 0)
            err() << "warning: " << canvas.droppedLabels() << " labels did not fit on the picture\n";
        if (cli.isSet(QStringLiteral("debug-labels"))) {
            for (const PlacedLabel& label : canvas.labels())
                out() << QStringLiteral("label %1 %2 %3 %4 ")
                             .arg(label.box.x(), 0, 'f', 3)
                             .arg(label.box.y(), 0, 'f', 3)
                             .arg(label.box.width(), 0, 'f', 3)
                             .arg(label.box.height(), 0, 'f', 3)
                      << label.text << "\n";
        }
    }
    const QString output = cli.value(QStringLiteral("output"));
    if (!picture.save(output, "PNG"))
        return cli.fail(kProblems, QStringLiteral("cannot write %1").arg(output));
    out() << output << ": " << picture.width() << "x" << picture.height() << ", "
          << document.config->items.size() << " items\n";
    return kOk;
}

} // namespace keymapctl
