#include "document.h"

#include "cli.h"

#include <Poco/JSON/Stringifier.h>
#include <QFile>
#include <QFileInfo>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// The kept elements with their places in the file: each follows the items and the kept elements
// before it.
QVector<LoadedDocument::KeptElement> keptElements(const KeymapConfig& config) {
    QVector<LoadedDocument::KeptElement> kept;
    for (const ovelkeymapmanager::KeptElement& element : config.keptElements()) {
        const Poco::Dynamic::Var type = element.object ? element.object->get("type") : Poco::Dynamic::Var();
        kept.append({element.itemsBefore + kept.size(),
                     type.isString() ? QString::fromStdString(type.extract<std::string>())
                                     : QString::fromStdString(Poco::Dynamic::Var::toString(type))});
    }
    return kept;
}

QString loadMessage(const KeymapLoadReport& report) {
    const QString& name = report.exceptionName;
    return name.isEmpty() ? report.message : name + QStringLiteral(": ") + report.message;
}

} // namespace

LoadedDocument loadDocument(const QString& path, bool joystick) {
    LoadedDocument document;
    document.path = path;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return document;
    const QByteArray text = file.readAll();
    document.config.reset(LoadConfigAndInfoWithReport(path, joystick, &document.report));
    if (text.isEmpty() || text == kUtf8Bom)
        document.status = LoadStatus::Empty;
    else
        document.status = document.report.ok ? LoadStatus::Clean : LoadStatus::Broken;
    document.source = ReadKeymapSource(path, joystick);
    document.elementOfItem = document.report.itemElements;
    document.keptElements = keptElements(*document.config);
    return document;
}

int LoadedDocument::exitCode() const {
    switch (status) {
    case LoadStatus::Unreadable:
        return kBadInput;
    case LoadStatus::Empty:
    case LoadStatus::Broken:
        return kProblems;
    case LoadStatus::Clean:
        break;
    }
    return kOk;
}

Finding LoadedDocument::problem() const {
    Finding finding;
    finding.file = path;
    switch (status) {
    case LoadStatus::Unreadable:
        finding.code = QStringLiteral("unreadable");
        finding.message = QStringLiteral("cannot read the file (missing, a directory, or no permission)");
        break;
    case LoadStatus::Empty:
        finding.code = QStringLiteral("empty-file");
        finding.message = QStringLiteral("the file is empty");
        break;
    case LoadStatus::Broken:
        finding.code = QStringLiteral("load-") + report.block;
        finding.message = loadMessage(report);
        finding.location.block = report.block;
        finding.location.item = report.itemIndex;
        finding.location.type = report.itemType;
        finding.location.member = report.member;
        finding.location.line = report.line;
        finding.location.column = report.column;
        break;
    case LoadStatus::Clean:
        finding.severity = Severity::Info;
        finding.code = QStringLiteral("ok");
        finding.message = QStringLiteral("loads cleanly");
        break;
    }
    return finding;
}

} // namespace keymapctl
