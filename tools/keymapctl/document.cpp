#include "document.h"

#include "cli.h"
#include "itemtypes.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

bool knownType(const QString& type) {
    return std::unique_ptr<ConfigItem>(CreateConfigItem(type)) != nullptr;
}

// The raw elements and the element of each loaded item; identity when the file's text cannot
// be matched with what was loaded.
void mapElements(LoadedDocument& document, QByteArray text) {
    if (text.startsWith(kUtf8Bom))
        text.remove(0, 3);
    document.elements = QJsonDocument::fromJson(text).object().value(QStringLiteral("keymaps")).toArray();
    QVector<int> known;
    QVector<int> unknown;
    for (int i = 0; i < document.elements.size(); ++i)
        (knownType(elementType(document.elements, i)) ? known : unknown).append(i);
    const int items = document.config->items.size();
    if (known.size() == items || (!document.clean() && known.size() >= items)) {
        document.elementOfItem = known.mid(0, items);
        document.unknownElements = unknown;
        return;
    }
    document.elements = QJsonArray();
    for (int i = 0; i < items; ++i)
        document.elementOfItem.append(i);
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
    mapElements(document, text);
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
        // An element that is not an object fails before any member is asked for: the report's
        // member then names whatever was read before.
        if (report.block == QLatin1String("keymaps") && report.itemIndex >= 0 &&
            report.itemIndex < elements.size() && !elements.at(report.itemIndex).isObject()) {
            finding.message = QStringLiteral("the element is not an object");
            finding.location.block = report.block;
            finding.location.item = report.itemIndex;
            break;
        }
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

QString elementType(const QJsonArray& elements, int index) {
    return elements.at(index).toObject().value(QStringLiteral("type")).toString();
}

} // namespace keymapctl
