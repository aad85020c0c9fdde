// keymapctl retarget: moves a keymap made on one screen to another size or aspect ratio, through
// the library's RetargetKeymapConfig, and writes the result. The file given is rewritten only with
// --in-place; an existing output only with --force.
#include "commands.h"
#include "common/cli.h"
#include "common/document.h"
#include "format/saving_changes.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

// The anchor names, by row (top, middle, bottom) and column (left, centre, right).
const char* const kAnchorNames[3][3] = {
    {"top-left", "top", "top-right"}, {"left", "centre", "right"}, {"bottom-left", "bottom", "bottom-right"}};

std::optional<QPointF> anchorNamed(const QString& name) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (name == QLatin1String(kAnchorNames[row][column]))
                return QPointF(column / 2.0, row / 2.0);
        }
    }
    return std::nullopt;
}

QString anchorName(const QPointF& anchor) {
    const auto index = [](double value) { return value < 0.25 ? 0 : value > 0.75 ? 2 : 1; };
    return QLatin1String(kAnchorNames[index(anchor.y())][index(anchor.x())]);
}

std::optional<RetargetScale> scaleNamed(const QString& name) {
    if (name == QLatin1String("width"))
        return RetargetScale::Width;
    if (name == QLatin1String("height"))
        return RetargetScale::Height;
    if (name == QLatin1String("min"))
        return RetargetScale::Min;
    if (name == QLatin1String("max"))
        return RetargetScale::Max;
    return std::nullopt;
}

// "2.0", "1.7777" or a ratio "16:9"; nothing unless positive and finite.
std::optional<double> aspectOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(':'));
    bool ok = parts.size() <= 2;
    double value = ok ? parts.first().toDouble(&ok) : 0;
    if (ok && parts.size() == 2) {
        const double below = parts.last().toDouble(&ok);
        value = ok && below > 0 ? value / below : 0;
    }
    if (!ok || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

// The resolution that every feature image of the document was taken at; nothing when there are
// none or they differ.
std::optional<QSize> imagesResolution(const KeymapConfig& config) {
    std::optional<QSize> found;
    for (const QList<FeatureImageInfo>& group : config.info->featureImages) {
        for (const FeatureImageInfo& image : group) {
            if (found && *found != image.resolution)
                return std::nullopt;
            found = image.resolution;
        }
    }
    if (found && (found->width() <= 0 || found->height() <= 0))
        return std::nullopt;
    return found;
}

QString pointText(const QPointF& point) {
    return QStringLiteral("(%1, %2)").arg(point.x(), 0, 'f', 6).arg(point.y(), 0, 'f', 6);
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() ? first.canonicalFilePath() == second.canonicalFilePath()
                                             : first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

int runRetarget(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("retarget"),
        QStringLiteral(
            "Moves a keymap made on a screen of one size to a screen of another size or aspect ratio, "
            "the way game interfaces follow the screen: each item keeps its distance from the edge or "
            "corner its work position is nearest to (by thirds of the screen), scaled by the "
            "interface's scale. Macro positions and feature image rectangles move too.\n"
            "Prints \"N items moved, M warnings\", each warning, and with --explain one line per "
            "item. Exit 0 written, 1 written but a line or member could not be moved (it is kept as "
            "it was), 2 bad usage, an input that cannot be read, does not load cleanly or holds members "
            "that saving would lose (see format), or an output that cannot be written."),
        QStringLiteral("[--from WxH] --to WxH [--scale width|height|min|max] [--safe-aspect A] "
                       "[--anchor keymaps[N]=NAME]... [--explain] [--joystick] FILE (-o OUT [--force] | "
                       "--in-place)"));
    cli.addValue(QStringLiteral("from"),
                 QStringLiteral("The screen the keymap was made on, e.g. 1280x720; by default the "
                                "resolution of its feature images, when they all have the same."),
                 QStringLiteral("WxH"));
    cli.addValue(QStringLiteral("to"), QStringLiteral("The screen to move it to, e.g. 2400x1080."),
                 QStringLiteral("WxH"));
    cli.addValue(QStringLiteral("scale"),
                 QStringLiteral("What the interface's scale follows: the width ratio, the height ratio, "
                                "the smaller (min, the default) or the larger (max) of the two."),
                 QStringLiteral("width|height|min|max"));
    cli.addValue(QStringLiteral("safe-aspect"),
                 QStringLiteral("The interface lives in a centred frame of this aspect ratio at most "
                                "(e.g. 16:9 or 1.7778) on each screen."),
                 QStringLiteral("A"));
    cli.addValue(QStringLiteral("anchor"),
                 QStringLiteral("Fixes the anchor of one element of \"keymaps\": top-left, top, top-right, "
                                "left, centre, right, bottom-left, bottom or bottom-right. Repeatable."),
                 QStringLiteral("keymaps[N]=NAME"));
    cli.addFlag(QStringLiteral("explain"),
                QStringLiteral("Print each item: path, type, anchor, old and new work position."));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as a joystick keymap."));
    cli.parser().addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                              QStringLiteral("The file to write."), QStringLiteral("OUT")));
    cli.addFlag(QStringLiteral("force"), QStringLiteral("Overwrite OUT when it exists."));
    cli.addFlag(QStringLiteral("in-place"), QStringLiteral("Rewrite FILE itself."));
    if (const auto code = cli.parse(arguments, 1, 1))
        return *code;

    const QString file = cli.positional().first();
    const bool inPlace = cli.isSet(QStringLiteral("in-place"));
    const QString output = inPlace ? file : cli.value(QStringLiteral("output"));
    if (inPlace == cli.isSet(QStringLiteral("output")))
        return cli.usageError(QStringLiteral("give either -o OUT or --in-place"));
    if (!inPlace && sameFile(output, file))
        return cli.usageError(QStringLiteral("-o names FILE itself; rewrite it with --in-place"));
    if (!inPlace && QFileInfo::exists(output) && !cli.isSet(QStringLiteral("force")))
        return cli.usageError(QStringLiteral("%1 exists; overwrite it with --force").arg(output));
    if (!cli.isSet(QStringLiteral("to")))
        return cli.usageError(QStringLiteral("--to WxH is required"));
    const std::optional<QSize> to = parseSize(cli.value(QStringLiteral("to")));
    if (!to)
        return cli.usageError(QStringLiteral("--to must be WIDTHxHEIGHT with both above 0: '%1'")
                                  .arg(cli.value(QStringLiteral("to"))));
    KeymapRetargetOptions options;
    if (cli.isSet(QStringLiteral("scale"))) {
        const std::optional<RetargetScale> scale = scaleNamed(cli.value(QStringLiteral("scale")));
        if (!scale)
            return cli.usageError(QStringLiteral("--scale must be width, height, min or max: '%1'")
                                      .arg(cli.value(QStringLiteral("scale"))));
        options.scale = *scale;
    }
    if (cli.isSet(QStringLiteral("safe-aspect"))) {
        const std::optional<double> aspect = aspectOf(cli.value(QStringLiteral("safe-aspect")));
        if (!aspect)
            return cli.usageError(
                QStringLiteral("--safe-aspect must be a ratio above 0, e.g. 16:9 or 1.7778: '%1'")
                    .arg(cli.value(QStringLiteral("safe-aspect"))));
        options.safeAspect = *aspect;
    }

    const LoadedDocument document = loadDocument(file, cli.isSet(QStringLiteral("joystick")));
    if (!document.clean())
        return cli.fail(kBadInput, findingLine(document.problem()));
    // Saving would drop or change these whatever the move does; format says so and can force it.
    QStringList losses;
    for (const SavingChange& change : savingChanges(document)) {
        if (change.isLoss())
            losses << QStringLiteral("  ") + change.describe();
    }
    if (!losses.isEmpty())
        return cli.fail(kBadInput,
                        QStringLiteral("%1: not moved, saving would lose what the file holds:\n%2\n"
                                       "Correct these members, or rewrite the file with "
                                       "'keymapctl format --force' first.")
                            .arg(file, losses.join(QLatin1Char('\n'))));

    std::optional<QSize> from;
    if (cli.isSet(QStringLiteral("from"))) {
        from = parseSize(cli.value(QStringLiteral("from")));
        if (!from)
            return cli.usageError(QStringLiteral("--from must be WIDTHxHEIGHT with both above 0: '%1'")
                                      .arg(cli.value(QStringLiteral("from"))));
    } else {
        from = imagesResolution(*document.config);
        if (!from)
            return cli.usageError(QStringLiteral("--from WxH is required: the keymap has no feature images "
                                                 "whose resolution would tell its screen, or they differ"));
    }

    static const QRegularExpression anchorPattern(QStringLiteral("^keymaps\\[(\\d+)\\]=(.*)$"));
    for (const QString& given : cli.parser().values(QStringLiteral("anchor"))) {
        const QRegularExpressionMatch match = anchorPattern.match(given);
        const std::optional<QPointF> anchor =
            match.hasMatch() ? anchorNamed(match.captured(2)) : std::nullopt;
        if (!anchor)
            return cli.usageError(
                QStringLiteral("--anchor must be keymaps[N]=NAME, NAME one of top-left, top, "
                               "top-right, left, centre, right, bottom-left, bottom, "
                               "bottom-right: '%1'")
                    .arg(given));
        const int element = match.captured(1).toInt();
        if (!document.elementOfItem.contains(element))
            return cli.usageError(QStringLiteral("--anchor %1: the file has no item at keymaps[%2]")
                                      .arg(given)
                                      .arg(match.captured(1)));
        options.anchors.insert(element, *anchor);
    }

    KeymapRetargetReport report;
    const std::unique_ptr<KeymapConfig> moved(
        RetargetKeymapConfig(document.config.get(), *from, *to, options, &report));
    const QByteArray text = moved ? canonicalText(*moved, document.source) : QByteArray();
    if (text.isEmpty())
        return cli.fail(kBadInput, QStringLiteral("%1: the moved keymap cannot be saved").arg(file));
    if (!writeFile(output, text))
        return cli.fail(kBadInput, QStringLiteral("%1: cannot write the file").arg(output));

    if (cli.isSet(QStringLiteral("explain"))) {
        for (const KeymapRetargetItem& item : report.items)
            out() << "keymaps[" << item.element << "] " << item.type << " " << anchorName(item.anchor)
                  << (item.anchorGiven ? " (given)" : "") << " " << pointText(item.oldPosition) << " -> "
                  << pointText(item.newPosition) << "\n";
    }
    for (const KeymapRetargetFinding& finding : report.findings)
        err() << "warning: " << finding.path << ": " << finding.message << "\n";
    const int items = report.items.size();
    const int warnings = report.findings.size();
    out() << items << (items == 1 ? " item" : " items") << " moved, " << warnings
          << (warnings == 1 ? " warning" : " warnings") << "\n";
    return report.leftSomething() ? kProblems : kOk;
}

} // namespace keymapctl
