// Moves arbitrary documents between arbitrary screens with arbitrary options. The input's first
// line may give them as "W1 H1 W2 H2 SCALE ASPECT [ELEMENT:ANCHOR]..." (SCALE 0 to 3 for width,
// height, min, max; ASPECT 0 for none; ANCHOR 0 to 8, row by row from top-left); the rest is the
// document. Any other first line belongs to the document, and the screens come from a hash of the
// input. Whatever was loaded must move: every number of the result finite (saving accepts it), the
// result loads back without a failure with the same items, and the same screen on both sides
// changes nothing.
#include "support/fuzzsupport.h"

#include <keymapmanager/document/documentio_p.h>
#include <keymapmanager/keymapmanager.h>

#include <QCryptographicHash>

#include <cmath>
#include <memory>

using namespace ovelkeymapmanager;

namespace {

struct Move {
    QSize from;
    QSize to;
    KeymapRetargetOptions options;
};

int side(qint64 value) {
    return int(qBound<qint64>(1, value, 65535));
}

bool readOptions(const QByteArray& line, Move& move) {
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() < 6)
        return false;
    bool ok[6] = {};
    qint64 numbers[5];
    for (int i = 0; i < 5; ++i)
        numbers[i] = parts[i].toLongLong(&ok[i]);
    const double aspect = parts[5].toDouble(&ok[5]);
    for (bool each : ok) {
        if (!each)
            return false;
    }
    move.from = QSize(side(numbers[0]), side(numbers[1]));
    move.to = QSize(side(numbers[2]), side(numbers[3]));
    move.options.scale = RetargetScale(qBound<qint64>(0, numbers[4], 3));
    move.options.safeAspect = std::isfinite(aspect) && aspect > 0 ? aspect : 0;
    for (int i = 6; i < parts.size(); ++i) {
        const QList<QByteArray> anchor = parts[i].split(':');
        const int code = anchor.value(1).toInt() % 9;
        if (anchor.size() == 2 && code >= 0)
            move.options.anchors.insert(anchor[0].toInt(), QPointF((code % 3) / 2.0, (code / 3) / 2.0));
    }
    return true;
}

void hashedOptions(const QByteArray& input, Move& move) {
    const QByteArray hash = QCryptographicHash::hash(input, QCryptographicHash::Sha1);
    const auto byte = [&](int i) { return int(static_cast<unsigned char>(hash[i])); };
    move.from = QSize(side(320 + byte(0) * 16 + byte(1)), side(320 + byte(2) * 16 + byte(3)));
    move.to = QSize(side(320 + byte(4) * 16 + byte(5)), side(320 + byte(6) * 16 + byte(7)));
    move.options.scale = RetargetScale(byte(8) % 4);
    move.options.safeAspect = byte(9) % 2 ? 0 : 0.5 + byte(10) / 64.0;
}

std::unique_ptr<KeymapConfig> load(const QString& path, bool* failed) {
    std::unique_ptr<KeymapConfig> config(loadDocument(true, path, LoadOptions{}, failed));
    FUZZ_CHECK(config && config->info && config->param);
    return config;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzsupport::ScratchFile input("retarget-input");
    static const fuzzsupport::ScratchFile saved("retarget-saved");
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    Move move;
    const int lineEnd = bytes.indexOf('\n');
    const bool optionsGiven = lineEnd >= 0 && readOptions(bytes.left(lineEnd), move);
    if (!optionsGiven)
        hashedOptions(bytes, move);
    input.write(optionsGiven ? bytes.mid(lineEnd + 1) : bytes);

    bool failed = false;
    const std::unique_ptr<KeymapConfig> config = load(input.path(), &failed);
    QByteArray original;
    if (!savedText(*config, original))
        return 0; // a number beyond what JSON holds was read: there is nothing finite to move

    KeymapRetargetReport report;
    const std::unique_ptr<KeymapConfig> moved(
        RetargetKeymapConfig(config.get(), move.from, move.to, move.options, &report));
    FUZZ_CHECK(moved);
    FUZZ_CHECK(report.items.size() == config->items.size());
    QByteArray text;
    if (!savedText(*moved, text))
        fuzzsupport::fail("a moved number is not finite", text.toStdString());
    saved.write(text);
    bool failedAgain = false;
    const std::unique_ptr<KeymapConfig> reloaded = load(saved.path(), &failedAgain);
    if (failedAgain)
        fuzzsupport::fail("the moved document does not load", text.toStdString());
    FUZZ_CHECK(reloaded->items.size() == config->items.size());
    FUZZ_CHECK(reloaded->keptElements().size() == config->keptElements().size());

    const std::unique_ptr<KeymapConfig> unmoved(
        RetargetKeymapConfig(config.get(), move.from, move.from, move.options, nullptr));
    if (documentText(*unmoved) != original)
        fuzzsupport::fail("the same screen changes the document", original.toStdString());
    return 0;
}
