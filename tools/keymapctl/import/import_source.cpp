#include "import/import_source.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>

namespace keymapctl {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

std::optional<QJsonDocument> parseJson(const QByteArray& bytes, SourceProblem& problem) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error == QJsonParseError::NoError)
        return document;
    problem.code = "not-json";
    problem.message = error.errorString();
    const QByteArray before = bytes.left(error.offset);
    problem.line = before.count('\n') + 1;
    problem.column = error.offset - (before.lastIndexOf('\n') + 1) + 1;
    return std::nullopt;
}

// A property list, binary or XML, starts so; JSON never does.
bool looksLikePropertyList(const QByteArray& bytes) {
    return bytes.startsWith("bplist") || bytes.trimmed().startsWith('<');
}

} // namespace

std::optional<SourceFormat> sourceFormatNamed(const QString& name) {
    if (name == QLatin1String("auto"))
        return SourceFormat::Auto;
    if (name == QLatin1String("qtscrcpy"))
        return SourceFormat::QtScrcpy;
    if (name == QLatin1String("playcover"))
        return SourceFormat::PlayCover;
    if (name == QLatin1String("scrcpy-mask"))
        return SourceFormat::ScrcpyMask;
    return std::nullopt;
}

std::unique_ptr<SourceKeymaps> readSource(const QByteArray& source, SourceFormat format,
                                          SourceProblem& problem) {
    const QByteArray bytes = source.startsWith(kByteOrderMark) ? source.mid(kByteOrderMark.size()) : source;
    if (format == SourceFormat::PlayCover || (format == SourceFormat::Auto && looksLikePropertyList(bytes)))
        return readPlayCover(bytes, problem);
    const std::optional<QJsonDocument> document = parseJson(bytes, problem);
    if (!document)
        return nullptr;
    if (format == SourceFormat::QtScrcpy)
        return readQtScrcpy(*document, problem);
    if (format == SourceFormat::ScrcpyMask)
        return readScrcpyMask(*document, problem);
    // Only a QtScrcpy keymap has "keyMapNodes"; everything else JSON is tried as scrcpy-mask's,
    // whose reader tells its two formats apart.
    if (document->isObject() && document->object().contains(QStringLiteral("keyMapNodes")))
        return readQtScrcpy(*document, problem);
    std::unique_ptr<SourceKeymaps> keymaps = readScrcpyMask(*document, problem);
    if (!keymaps) {
        problem.code = "unknown-format";
        problem.message =
            QStringLiteral("neither a QtScrcpy keymap (no \"keyMapNodes\"), a scrcpy-mask "
                           "keymap (no \"list\", \"keyMappingConfigList\" or \"mappings\") nor a "
                           "PlayCover keymap (not a property list)");
    }
    return keymaps;
}

} // namespace keymapctl
