#include "common/document.h"

#include "common/cli.h"
#include "common/described_members.h"
#include "common/json_values.h"
#include "common/suggest.h"

#include <Poco/JSON/Stringifier.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// What is wrong where loading stopped, in plain words, from what the file holds there and the
// member the library describes at the same place.
struct Explanation {
    Explanation(QString words = QString(), bool saysWhy = true, QString path = QString(),
                QString placePath = QString())
        : words(std::move(words)), saysWhy(saysWhy), path(std::move(path)), placePath(std::move(placePath)) {}

    QString words;     // empty when the library's text is all there is to say
    bool saysWhy;      // false when the library's text tells more and follows the words
    QString path;      // the member or element meant, when more precise than the report's
    QString placePath; // what the place points at, when not that member: a misspelt name
};

// A sibling of a missing member that is probably it, misspelt: a name the member's object does not
// know, near the missing one.
QString misspeltAs(const KeymapLoadReport& report, const Poco::Dynamic::Var& parent, const QString& owner,
                   const QString& parentInside) {
    if (!isJsonObject(parent))
        return QString();
    const QStringList known = describedMemberNames(owner, parentInside);
    QStringList unknown;
    for (const auto& member : *parent.extract<Poco::JSON::Object::Ptr>()) {
        const QString name = QString::fromStdString(member.first);
        if (!known.contains(name))
            unknown << name;
    }
    return nearestName(report.member, unknown);
}

Explanation explain(const KeymapLoadReport& report, const KeymapSource& source) {
    if (report.block == QLatin1String("json")) {
        if (report.exceptionName == QLatin1String("Bad cast exception"))
            return {QStringLiteral("the top level must be an object")};
        return {source.syntaxHint};
    }
    if (report.path.isEmpty())
        return {};
    if (report.message == QLatin1String("the element is not an object"))
        return {QStringLiteral("must be an object")};
    const Poco::Dynamic::Var value = valueAt(source.root, report.path);
    const int cut = report.path.lastIndexOf(QLatin1Char('.'));
    const int blockEnd = report.path.indexOf(QLatin1Char('.'));
    // The member's path inside its item or block, and its parent's.
    const QString inside = blockEnd < 0 ? QString() : report.path.mid(blockEnd + 1);
    const QString parentInside =
        cut <= blockEnd ? QString() : report.path.mid(blockEnd + 1, cut - blockEnd - 1);
    const QString owner = report.itemIndex >= 0 ? report.itemType : report.block;
    if (value.isEmpty()) {
        const Poco::Dynamic::Var parent = valueAt(source.root, report.path.left(std::max(cut, 0)));
        const bool present = isJsonObject(parent) &&
                             parent.extract<Poco::JSON::Object::Ptr>()->has(report.member.toStdString());
        if (present)
            return {QStringLiteral("must not be null")};
        const QString misspelt = misspeltAs(report, parent, owner, parentInside);
        if (misspelt.isEmpty())
            return {QStringLiteral("required member missing")};
        return {QStringLiteral("required member missing; found %1; did you mean %2?")
                    .arg(misspelt, report.member),
                true, QString(), report.path.left(cut + 1) + misspelt};
    }
    if (report.path == QLatin1String("keymaps"))
        return {QStringLiteral("must be an array, not %1").arg(kindName(value))};
    if (isJsonArray(value)) {
        // A list whose reading failed at an element: a null, where only values are read.
        const Poco::JSON::Array::Ptr array = value.extract<Poco::JSON::Array::Ptr>();
        for (unsigned i = 0; i < array->size(); ++i) {
            if (array->get(i).isEmpty())
                return {QStringLiteral("must not be null"), true,
                        report.path + QStringLiteral("[%1]").arg(i)};
        }
    }
    const ovelkeymapmanager::KeymapMemberDescription* expected = describedMember(owner, inside);
    if (!expected)
        return {QStringLiteral("cannot be read: %1").arg(shortJson(value)), false};
    // A number of the right kind that still fails (out of range) is told by the library's text.
    const bool numbers = value.isNumeric() && (expected->kind == QLatin1String("integer") ||
                                               expected->kind == QLatin1String("number"));
    return {QStringLiteral("not %1: %2").arg(describedKindName(expected->kind), shortJson(value)), !numbers};
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

QByteArray canonicalText(const KeymapConfig& config, const KeymapSource& source) {
    QByteArray text = ConfigAndInfoSavedText(const_cast<KeymapConfig*>(&config));
    const Poco::JSON::Object::Ptr& root = source.root;
    if (!text.startsWith("{\n") || !root || !root->has("$schema"))
        return text;
    const QByteArray schema = jsonBytes(root->get("$schema"));
    text.insert(2, "    \"$schema\": " + schema + ",\n");
    return text;
}

bool writeFile(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a directory that forbids a temporary file
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
        finding.message = whyUnreadable(path);
        break;
    case LoadStatus::Empty:
        finding.code = QStringLiteral("empty-file");
        finding.message = QStringLiteral("the file is empty");
        break;
    case LoadStatus::Broken: {
        if (encodingProblem(source, finding))
            break;
        const Explanation plain = explain(report, source);
        // The library's text follows plain words only when it tells more than they do.
        QString message = loadMessage(report);
        if (!plain.words.isEmpty())
            message =
                plain.saysWhy ? plain.words : plain.words + QStringLiteral(" (") + message + QLatin1Char(')');
        const QString findingPath = plain.path.isEmpty() ? report.path : plain.path;
        finding =
            this->finding(Severity::Error, QStringLiteral("load-") + report.block, findingPath, message);
        if (report.path.isEmpty()) {
            finding.line = report.line;
            finding.column = report.column;
        } else if (!plain.placePath.isEmpty()) {
            // At the misspelt name, and the name meant is the fix.
            const KeymapSourcePlace place = placeOf(source, plain.placePath);
            finding.line = place.line;
            finding.column = place.column;
            finding.fix = report.member;
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
