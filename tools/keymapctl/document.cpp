#include "document.h"

#include "cli.h"
#include "json_values.h"
#include "member_samples.h"

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
        kept.append({element.itemsBefore + int(kept.size()),
                     type.isString() ? QString::fromStdString(type.extract<std::string>())
                                     : QString::fromStdString(Poco::Dynamic::Var::toString(type))});
    }
    return kept;
}

QString loadMessage(const KeymapLoadReport& report) {
    const QString& name = report.exceptionName;
    if (report.message.isEmpty())
        return name;
    return name.isEmpty() ? report.message : name + QStringLiteral(": ") + report.message;
}

// What is wrong with the member where loading stopped, in plain words, from what the file holds
// there and what a new item (or default block) holds at the same place.
QString plainWords(const KeymapLoadReport& report, const KeymapSource& source) {
    if (report.block == QLatin1String("json"))
        return report.exceptionName == QLatin1String("Bad cast exception")
                   ? QStringLiteral("the top level must be an object")
                   : QString();
    if (report.path.isEmpty())
        return QString();
    if (report.message == QLatin1String("the element is not an object"))
        return QStringLiteral("must be an object");
    const Poco::Dynamic::Var value = valueAt(source.root, report.path);
    if (value.isEmpty()) {
        const int cut = report.path.lastIndexOf(QLatin1Char('.'));
        const Poco::Dynamic::Var parent = valueAt(source.root, report.path.left(std::max(cut, 0)));
        const bool present = isJsonObject(parent) &&
                             parent.extract<Poco::JSON::Object::Ptr>()->has(report.member.toStdString());
        return present ? QStringLiteral("must not be null") : QStringLiteral("required member missing");
    }
    QString owner = report.block;
    QString inside = report.path.mid(report.path.indexOf(QLatin1Char('.')) + 1);
    if (report.itemIndex >= 0)
        owner = report.itemType;
    const Poco::Dynamic::Var expected = defaultValueAt(owner, inside);
    if (expected.isEmpty())
        return QStringLiteral("cannot be read: %1").arg(shortJson(value));
    return QStringLiteral("not %1: %2").arg(kindName(expected), shortJson(value));
}

// The problem of a file that loading cannot read as text: another encoding, or bytes that are
// not UTF-8.
bool encodingProblem(const KeymapSource& source, Finding& finding) {
    if (source.encoding.isEmpty() && source.invalidUtf8.line == 0)
        return false;
    finding.code = QStringLiteral("encoding");
    if (!source.encoding.isEmpty()) {
        finding.message = QStringLiteral("the file is in %1, which keymaps cannot be; save it as UTF-8")
                              .arg(source.encoding);
        finding.line = finding.column = 1;
    } else {
        finding.message = QStringLiteral("this byte is not UTF-8; save the file as UTF-8");
        finding.line = source.invalidUtf8.line;
        finding.column = source.invalidUtf8.column;
    }
    return true;
}

} // namespace

LoadedDocument loadDocument(const QString& path, bool joystick) {
    LoadedDocument document;
    document.path = path;
    document.joystick = joystick;
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

Finding LoadedDocument::finding(Severity severity, const QString& code, const QString& path,
                                const QString& message) const {
    return makeFinding(this->path, severity, code, path, message, &source);
}

Finding LoadedDocument::problem() const {
    Finding finding = makeFinding(path, Severity::Error, QString(), QString(), QString());
    switch (status) {
    case LoadStatus::Unreadable:
        finding.code = QStringLiteral("unreadable");
        finding.message = QStringLiteral("cannot read the file (missing, a directory, or no permission)");
        break;
    case LoadStatus::Empty:
        finding.code = QStringLiteral("empty-file");
        finding.message = QStringLiteral("the file is empty");
        break;
    case LoadStatus::Broken: {
        if (encodingProblem(source, finding))
            break;
        const QString plain = plainWords(report, source);
        // After a bad cast the library's message names its own types, which say nothing to an author.
        const QString library =
            plain.startsWith(QLatin1String("the top level")) ? report.exceptionName : loadMessage(report);
        finding = this->finding(Severity::Error, QStringLiteral("load-") + report.block, report.path,
                                plain.isEmpty() ? library
                                                : plain + QStringLiteral(" (") + library + QLatin1Char(')'));
        if (report.path.isEmpty()) {
            finding.line = report.line;
            finding.column = report.column;
        }
        break;
    }
    case LoadStatus::Clean:
        finding.severity = Severity::Info;
        finding.code = QStringLiteral("ok");
        finding.message = QStringLiteral("loads cleanly");
        break;
    }
    return finding;
}

} // namespace keymapctl
