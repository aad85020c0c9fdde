// keymapctl render: draws a keymap as a picture of the emulated screen, every item at its work
// position with a marker of its kind and its key text.
#include "commands.h"
#include "common/cli.h"
#include "common/document.h"
#include "common/output_file.h"
#include "render/render_markers.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QImageWriter>

#include <algorithm>

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

// The picture format for the output's name: its extension's when Qt writes that format, PNG for
// a name without one; empty when Qt cannot write it.
QByteArray pictureFormat(const QString& output) {
    const QByteArray suffix = QFileInfo(output).suffix().toLower().toLatin1();
    if (suffix.isEmpty())
        return QByteArrayLiteral("png");
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

bool isCjk(uint character) {
    switch (QChar::script(character)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        return true;
    default:
        return false;
    }
}

// Descriptions in Chinese, Japanese or Korean are drawn in whichever installed font has those
// characters; without one they would come out as empty boxes, which the author is told once.
bool cjkWithoutFont(const ovelkeymapmanager::KeymapConfig& config) {
    bool cjk = false;
    for (const ovelkeymapmanager::ConfigItem* item : config.items) {
        const QVector<uint> characters = item->iconDescription.toUcs4();
        cjk = cjk || std::any_of(characters.cbegin(), characters.cend(), isCjk);
    }
    if (!cjk)
        return false;
    const QFontDatabase fonts;
    for (const auto system : {QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese,
                              QFontDatabase::Japanese, QFontDatabase::Korean}) {
        if (!fonts.families(system).isEmpty())
            return false;
    }
    return true;
}

} // namespace

int runRender(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("render"),
        QStringLiteral("Draws the keymap as a picture of the screen: every item at its work position "
                       "with a marker of its kind and its key text. The size defaults to that of "
                       "the background image, else 1280x720. An item off the screen is drawn at "
                       "its edge with an arrow and its real position. The picture's format follows "
                       "OUT's extension (PNG without one); an existing OUT is replaced only with "
                       "--force, an input never.\nExit 1 when the file does not load cleanly, 2 on "
                       "bad usage or an output that may not be written."),
        QStringLiteral("FILE -o OUT.png [--force] [--size WxH] [--background IMAGE] [--joystick] "
                       "[--no-descriptions] [--debug-labels]"));
    cli.parser().addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                              QStringLiteral("The picture to write: .png, .jpg, .bmp..."),
                                              QStringLiteral("OUT.png")));
    cli.addFlag(QStringLiteral("force"), QStringLiteral("Write over an existing OUT."));
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
    const QString output = cli.value(QStringLiteral("output"));
    const QString refusal =
        outputRefusal(output, {cli.positional().first(), cli.value(QStringLiteral("background"))},
                      cli.isSet(QStringLiteral("force")));
    if (!refusal.isEmpty())
        return cli.fail(kBadInput, refusal);
    const QByteArray format = pictureFormat(output);
    if (format.isEmpty())
        return cli.fail(kBadInput, QStringLiteral("%1: not written, Qt cannot write .%2 pictures")
                                       .arg(output, QFileInfo(output).suffix()));

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

    const bool descriptions = !cli.isSet(QStringLiteral("no-descriptions"));
    if (descriptions && cjkWithoutFont(*document.config))
        err() << "warning: no font for Chinese, Japanese or Korean is installed; such descriptions "
                 "are drawn as boxes (install fonts-wqy-microhei or fonts-noto-cjk)\n";

    QImage picture(size.value_or(kDefaultSize), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&picture);
        if (background.isNull())
            drawPlainBackground(painter, picture.size());
        else
            painter.drawImage(QRect(QPoint(0, 0), picture.size()), background);
        Canvas canvas(painter, picture.size());
        for (const ovelkeymapmanager::ConfigItem* item : document.config->items)
            drawItem(canvas, *item, descriptions);
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
    if (!picture.save(output, format.constData()))
        return cli.fail(kProblems, QStringLiteral("cannot write %1").arg(output));
    out() << output << ": " << picture.width() << "x" << picture.height() << ", "
          << document.config->items.size() << " items\n";
    return kOk;
}

} // namespace keymapctl
